#pragma once
// The questions the menu commands ask of the window's own dialogs: a number
// in the range of a Main.ini line, and the tool windows' questions.

#include "common_ui/dialog_prompts.h"

class QAction;
class QWidget;

namespace qor {

class DialogProvider;
struct ToolWindowPrompts;

// PromptNumber within the range of a Main.ini settings line.
bool promptSetting(DialogProvider &dialogs, QWidget *parent, QAction *item, int line, int current,
                   int &value);
// The same questions for the tool windows.
ToolWindowPrompts dialogPrompts(DialogProvider &dialogs, QWidget *parent);

} // namespace qor
