#pragma once
// Fonts as Main.ini keeps them: face name and size in points; the style
// comes from the control.

#include "settings/settings_file.h"

class QWidget;

namespace qor {

// Unusable values leave the control's font as it is.
void applyStoredFont(QWidget *control, const FontSetting &stored);
// The control's font in stored form. A font the settings named keeps its
// name even when a look-alike draws it.
FontSetting storedFontOf(const QWidget *control, const FontSetting &stored);

} // namespace qor
