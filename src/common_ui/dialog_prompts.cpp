#include "common_ui/dialog_prompts.h"

#include "common_ui/dialog_provider.h"

#include <QAction>
#include <QFont>
#include <QFontInfo>
#include <QWidget>

#include <algorithm>

namespace qor {

bool PromptNumber(DialogProvider &dialogs, QWidget *parent, QAction *item, int current, int &value,
                  int maximum, int minimum, const QString &prompt) {
    const QString caption = item ? item->text() : prompt;
    const auto text = dialogs.inputText(parent, caption, QString::number(current));
    if (!text)
        return false;
    bool ok = false;
    const qlonglong number = text->trimmed().toLongLong(&ok);
    if (!ok)
        return false;
    value = static_cast<int>(std::clamp<qlonglong>(number, minimum, maximum));
    return true;
}

bool PromptFont(DialogProvider &dialogs, QWidget *parent, QFont &font) {
    // The dialog starts from the face and size the text is really drawn in
    // (a requested face may be missing, a size may be in pixels, which the
    // dialog does not show); OK on it as it came changes nothing.
    const QFontInfo inUse(font);
    QFont shown(inUse.family());
    shown.setPointSizeF(inUse.pointSizeF());
    const auto chosen = dialogs.chooseFont(parent, shown);
    if (!chosen)
        return false;
    if (chosen->family() == shown.family() && qRound(chosen->pointSizeF()) == qRound(shown.pointSizeF()))
        return false;
    font.setFamily(chosen->family());
    if (chosen->pointSize() > 0)
        font.setPointSize(chosen->pointSize());
    else if (chosen->pixelSize() > 0)
        font.setPixelSize(chosen->pixelSize());
    return true;
}

bool promptWidgetFont(DialogProvider &dialogs, QWidget *parent, QWidget *widget) {
    if (!widget)
        return false;
    QFont font = widget->font();
    if (!PromptFont(dialogs, parent, font))
        return false;
    widget->setFont(font);
    widget->update();
    return true;
}

} // namespace qor
