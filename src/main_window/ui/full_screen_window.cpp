#include "main_window/ui/full_screen_window.h"

#include "main_window/ui/dialog_provider.h"
#include "main_window/ui/form_main.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace qor {

FullScreenWindow::FullScreenWindow(TFormMain &form)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                           Qt::WindowCloseButtonHint),
      m_form(form) {
    setObjectName(QStringLiteral("FullScreenWindow"));
    setWindowTitle(kAppCaption);
    setFont(form.font());
}

void FullScreenWindow::closeEvent(QCloseEvent *event) {
    m_form.CloseFullScreen();
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
    m_form.FormResize(this);
}

} // namespace qor
