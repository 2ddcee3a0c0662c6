#include "common_ui/stored_font.h"

#include <QWidget>

namespace qor {

void applyStoredFont(QWidget *control, const FontSetting &stored) {
    if (stored.name.isEmpty() || stored.size <= 0 || stored.size > 200)
        return;
    QFont font = control->font();
    font.setFamily(stored.name);
    font.setPointSize(stored.size);
    control->setFont(font);
}

FontSetting storedFontOf(const QWidget *control, const FontSetting &stored) {
    const QFont font = control->font();
    FontSetting out;
    out.name = (!stored.name.isEmpty() && font.family() == stored.name) ? stored.name : font.family();
    out.size = font.pointSize() > 0 ? font.pointSize() : stored.size;
    if (font.pointSize() <= 0 && font.pixelSize() > 0 && stored.size <= 0)
        out.size = qRound(font.pixelSize() * 72.0 / 96.0);
    return out;
}

} // namespace qor
