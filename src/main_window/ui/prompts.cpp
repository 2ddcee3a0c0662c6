#include "main_window/ui/prompts.h"

#include "common_ui/dialog_prompts.h"
#include "common_ui/dialog_provider.h"
#include "favorites/ui/tool_window.h"
#include "settings/settings_block.h"

#include <QAction>
#include <QApplication>
#include <QWidget>

namespace qor {

bool promptSetting(DialogProvider &dialogs, QWidget *parent, QAction *item, int line, int current,
                   int &value) {
    const SettingRange range = settingRow(line).range();
    return PromptNumber(dialogs, parent, item, current, value, range.max, range.min);
}

namespace {

// A tool window asks while it is the active window: its question opens over
// it, where the player is looking.
QWidget *askingWindow(QWidget *fallback) {
    QWidget *active = QApplication::activeWindow();
    return active ? active : fallback;
}

} // namespace

ToolWindowPrompts dialogPrompts(DialogProvider &dialogs, QWidget *parent) {
    ToolWindowPrompts prompts;
    prompts.font = [&dialogs, parent](QFont &font) {
        return PromptFont(dialogs, askingWindow(parent), font);
    };
    prompts.number = [&dialogs, parent](const QString &caption, int current, int minimum,
                                        int maximum) -> std::optional<int> {
        int value = current;
        if (!PromptNumber(dialogs, askingWindow(parent), nullptr, current, value, maximum, minimum, caption))
            return std::nullopt;
        return value;
    };
    prompts.text = [&dialogs, parent](const QString &prompt, const QString &text) {
        return dialogs.inputText(askingWindow(parent), prompt, text);
    };
    return prompts;
}

} // namespace qor
