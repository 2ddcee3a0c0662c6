#include "common_ui/hint_window.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyleOption>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>

namespace qor {

namespace {
constexpr int kFrame = 1;
constexpr int kIndent = 2;
} // namespace

TQORHintWindow::TQORHintWindow(QWidget *parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                          Qt::WindowDoesNotAcceptFocus | Qt::BypassWindowManagerHint) {
    setObjectName(QStringLiteral("TQORHintWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setPalette(QToolTip::palette());
    m_hideTimer.setSingleShot(true);
    m_hideTimer.setInterval(kHideDelayMs);
    connect(&m_hideTimer, &QTimer::timeout, this, &QWidget::hide);
}

int TQORHintWindow::widthFor(int textWidth) {
    return 2 * kFrame + kIndent + std::max(0, textWidth) + 4;
}

void TQORHintWindow::ActivateHint(const QPoint &pos, int height, const QString &text, const QFont &font) {
    m_text = text;
    setFont(font);
    const int width = widthFor(QFontMetrics(font).horizontalAdvance(text));
    QRect rect(pos, QSize(width, std::max(height, 2 * kFrame + 1)));
    // Kept on the screen, as the platform's hints are.
    if (const QScreen *screen = QGuiApplication::screenAt(pos)) {
        const QRect area = screen->geometry();
        if (rect.right() > area.right())
            rect.moveRight(area.right());
        if (rect.left() < area.left())
            rect.moveLeft(area.left());
    }
    setGeometry(rect);
    update();
    if (!isVisible())
        show();
    m_hideTimer.start();
}

bool TQORHintWindow::event(QEvent *event) {
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        forward(event);
        return true;
    default:
        return QWidget::event(event);
    }
}

void TQORHintWindow::forward(QEvent *event) {
    const auto *pointer = static_cast<const QSinglePointEvent *>(event);
    const QPointF global = pointer->globalPosition();
    QWidget *target = m_target;
    if (event->type() != QEvent::MouseMove) {
        // A click or the wheel ends the hint and acts on what lies beneath.
        hide();
        target = QApplication::widgetAt(global.toPoint());
    } else if (!target || !target->rect().contains(target->mapFromGlobal(global.toPoint()))) {
        hide();
        return;
    }
    if (!target)
        return;
    const QPointF local = target->mapFromGlobal(global);
    if (event->type() == QEvent::Wheel) {
        const auto *wheel = static_cast<const QWheelEvent *>(event);
        QWheelEvent copy(local, global, wheel->pixelDelta(), wheel->angleDelta(), wheel->buttons(),
                         wheel->modifiers(), wheel->phase(), wheel->inverted());
        QApplication::sendEvent(target, &copy);
        return;
    }
    const auto *mouse = static_cast<const QMouseEvent *>(event);
    QMouseEvent copy(event->type(), local, global, mouse->button(), mouse->buttons(), mouse->modifiers());
    QApplication::sendEvent(target, &copy);
}

void TQORHintWindow::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    QStyleOption opt;
    opt.initFrom(this);
    style()->drawPrimitive(QStyle::PE_PanelTipLabel, &opt, &painter, this);
    const QRect client = rect().adjusted(kFrame, kFrame, -kFrame, -kFrame);
    painter.setClipRect(client);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::ToolTipText));
    const QFontMetrics fm(font());
    const int top = client.top() + client.height() / 2 - fm.height() / 2;
    painter.drawText(client.left() + kIndent, top + fm.ascent(), m_text);
}

} // namespace qor
