#pragma once
// The questions a command asks: a number (the item's caption as the
// question, the answer limited to the bounds; anything but a number is a
// cancel) and a font (face name and size are taken from the answer).

#include <QString>

class QAction;
class QFont;
class QWidget;

namespace qor {

class DialogProvider;

bool PromptNumber(DialogProvider &dialogs, QWidget *parent, QAction *item, int current, int &value,
                  int maximum, int minimum, const QString &prompt = {});
// The font dialog preset with font; on confirmation font takes the chosen
// face name and size only.
bool PromptFont(DialogProvider &dialogs, QWidget *parent, QFont &font);
// PromptFont for a control's own font, applied to it on confirmation.
bool promptWidgetFont(DialogProvider &dialogs, QWidget *parent, QWidget *widget);

} // namespace qor
