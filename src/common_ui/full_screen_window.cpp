#include "common_ui/full_screen_window.h"

#include "common_ui/dialog_provider.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace qor {

FullScreenWindow::FullScreenWindow(const QFont &font)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                           Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("FullScreenWindow"));
    setWindowTitle(kAppCaption);
    setFont(font);
}

void FullScreenWindow::closeEvent(QCloseEvent *event) {
    Q_EMIT closing();
    event->accept();
}

void FullScreenWindow::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FullScreenWindow::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    Q_EMIT resized();
}

} // namespace qor
