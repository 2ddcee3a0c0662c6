#include "common_ui/hint_window.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QStyleOption>
#include <QToolTip>

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
