#pragma once
// The animated lettering of the empty picture panel: three characters in
// the panel's font, extruded in six darker layers with a lighter edge and a
// soft shadow, their colour drifting from one random colour to the next.
// A left press on the lettering pushes it onto its shadow and turns it red
// (the cursor follows by 5 pixels and back on release); a right press picks
// new colours. It steps at the display's frame rate: a faster timer would
// only burn processor time on frames nobody sees.

#include "visuals/logo_state.h"

#include <QFont>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace qor {

class LogoAnimation : public QWidget {
    Q_OBJECT
  public:
    explicit LogoAnimation(QWidget *parent = nullptr);

    // A new start (colours picked at the first step, background redrawn)
    // in the given font on the panel colour; seeds the colour generator.
    void start(const QFont &font, const QColor &panelColor, std::uint32_t seed);
    void stop();
    bool running() const { return m_timer.isActive(); }
    // The panel's colour changed: the background is drawn again.
    void setPanelColor(const QColor &color);
    QColor panelColor() const { return m_panelColor; }

    // One animation step; nothing at zero width or height.
    void TimerLogoTimer();

    // The finished frame and the background with the shadow.
    const QImage &LogoImage() const { return m_image; }
    const QImage &LogoBack() const { return m_back; }
    const LogoState &logoState() const { return m_logo; }
    int stepIntervalMs() const { return m_timer.interval(); }

    // Moves the mouse cursor by a distance (the platform's cursor unless
    // replaced).
    void setCursorMover(std::function<void(const QPoint &)> mover) { m_moveCursor = std::move(mover); }

  protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

  private:
    bool onLettering(const QPoint &pos) const;
    void drawBack(int x, int y);

    LogoState m_logo;
    QTimer m_timer;
    QImage m_image;
    QImage m_back;
    QFont m_font;
    QColor m_panelColor{Qt::white};
    std::function<void(const QPoint &)> m_moveCursor;
};

} // namespace qor
