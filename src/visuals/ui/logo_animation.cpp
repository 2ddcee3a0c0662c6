#include "visuals/ui/logo_animation.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace qor {

namespace {

QColor toColor(const LogoRgb &c) {
    return QColor(c.r, c.g, c.b);
}

// One step per frame of the display (about 60 a second).
int frameIntervalMs(const QScreen *screen) {
    const double rate = screen ? screen->refreshRate() : 60.0;
    if (!(rate > 1.0))
        return 16;
    return std::clamp(static_cast<int>(std::lround(1000.0 / rate)), 8, 50);
}

} // namespace

LogoAnimation::LogoAnimation(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("LogoAnimation"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(16);
    connect(&m_timer, &QTimer::timeout, this, &LogoAnimation::TimerLogoTimer);
    m_moveCursor = [](const QPoint &by) { QCursor::setPos(QCursor::pos() + by); };
}

void LogoAnimation::start(const QFont &font, const QColor &panelColor, std::uint32_t seed) {
    m_font = font;
    m_panelColor = panelColor;
    m_logo.reset(seed);
    m_timer.setInterval(frameIntervalMs(screen()));
    m_timer.start();
}

void LogoAnimation::stop() {
    m_timer.stop();
    if (m_logo.pressed())
        m_logo.release();
}

void LogoAnimation::setPanelColor(const QColor &color) {
    m_panelColor = color;
    m_logo.requestBackRedraw();
}

void LogoAnimation::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    m_logo.requestBackRedraw();
}

void LogoAnimation::TimerLogoTimer() {
    const int w = width();
    const int h = height();
    if (w <= 0 || h <= 0)
        return;
    if (m_image.size() != QSize(w, h)) {
        // Only on resize: every other step reuses the two buffers.
        m_image = QImage(w, h, QImage::Format_RGB32);
        m_back = QImage(w, h, QImage::Format_RGB32);
        m_logo.requestBackRedraw();
    }
    m_logo.step();
    const LogoShades shades = logoShades(m_logo.color());
    const QString text = logoText();
    const QFontMetrics fm(m_font);
    const int o = m_logo.offset();
    const int x = w / 2 + o - fm.horizontalAdvance(text) / 2 - 10;
    const int y = h / 2 + o - fm.height() / 2;
    if (m_logo.redrawBack()) {
        drawBack(x, y);
        m_logo.backRedrawn();
    }

    QPainter p(&m_image);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, m_back);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setFont(m_font);
    const int baseline = fm.ascent();
    const struct {
        LogoRgb color;
        int d;
    } layers[] = {{shades.s5, 5}, {shades.s4, 4},     {shades.s3, 3},     {shades.s2, 2},
                  {shades.s1, 1}, {shades.light, -1}, {m_logo.color(), 0}};
    for (const auto &layer : layers) {
        p.setPen(toColor(layer.color));
        p.drawText(x + layer.d, y + layer.d + baseline, text);
    }
    p.end();
    update();
}

void LogoAnimation::drawBack(int x, int y) {
    const LogoBackShades back =
        logoBackShades({m_panelColor.red(), m_panelColor.green(), m_panelColor.blue()});
    const int o = m_logo.offset();
    const int sx = x + 12 - 2 * o;
    const int sy = y + 12 - 2 * o;
    m_back.fill(m_panelColor);
    QPainter p(&m_back);
    p.setFont(m_font);
    const int baseline = QFontMetrics(m_font).ascent();
    auto draw = [&](const LogoRgb &c, std::initializer_list<QPoint> offsets) {
        p.setPen(toColor(c));
        for (const QPoint &d : offsets)
            p.drawText(sx + d.x(), sy + d.y() + baseline, logoText());
    };
    draw(m_logo.pressed() ? back.b1 : back.b3,
         {{0, 0}, {4, 4}, {0, 1}, {1, 2}, {2, 3}, {2, 1}, {3, 2}, {4, 3}});
    draw(back.b2, {{1, 1}, {3, 3}});
    draw(back.b1, {{2, 2}});
}

void LogoAnimation::paintEvent(QPaintEvent *) {
    QPainter p(this);
    if (m_image.size() == size())
        p.drawImage(0, 0, m_image);
    else
        p.fillRect(rect(), m_panelColor);
}

bool LogoAnimation::onLettering(const QPoint &pos) const {
    if (!m_image.rect().contains(pos) || m_back.size() != m_image.size())
        return false;
    const QRgb pixel = m_image.pixel(pos) & 0xFFFFFFu;
    return pixel != (m_panelColor.rgb() & 0xFFFFFFu) && pixel != (m_back.pixel(pos) & 0xFFFFFFu);
}

void LogoAnimation::mousePressEvent(QMouseEvent *event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && !m_logo.pressed() && onLettering(pos)) {
        m_logo.press();
        m_moveCursor(QPoint(LogoState::kPressOffset, LogoState::kPressOffset));
    } else if (event->button() == Qt::RightButton) {
        m_logo.pickNewColors();
    }
    event->accept();
}

void LogoAnimation::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && m_logo.release())
        m_moveCursor(QPoint(-LogoState::kPressOffset, -LogoState::kPressOffset));
    event->accept();
}

} // namespace qor
