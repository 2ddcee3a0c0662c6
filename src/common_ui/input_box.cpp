#include "common_ui/input_box.h"

#include "common_ui/dialog_provider.h"

#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QScreen>

#include <algorithm>

namespace qor {

std::unique_ptr<QInputDialog> makeInputBox(QWidget *parent, const QString &caption, const QString &prompt,
                                           const QString &text) {
    auto box = std::make_unique<QInputDialog>(parent);
    keepAboveToolWindows(box.get());
    box->setWindowTitle(caption);
    box->setInputMode(QInputDialog::TextInput);
    box->setLabelText(prompt);
    box->setTextValue(text);
    QLineEdit *edit = box->findChild<QLineEdit *>();
    if (!edit)
        return box;
    const QScreen *screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->availableGeometry().width() : 1024;
    // Room for the text plus the frame, the text margins and the cursor; the
    // dialog's own margins still have to fit on the screen.
    const QFontMetrics metrics = edit->fontMetrics();
    const int needed = metrics.horizontalAdvance(text) + 2 * metrics.averageCharWidth() + 12;
    const int widest = std::max(edit->sizeHint().width(), screenWidth - 80);
    edit->setMinimumWidth(std::clamp(needed, edit->sizeHint().width(), widest));
    return box;
}

} // namespace qor
