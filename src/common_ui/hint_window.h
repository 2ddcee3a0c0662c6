#pragma once
// The program's hint window: one row of text laid exactly over a cut-off
// cell (or just below a header or chooser) in the font of its control, so
// that the cell seems to widen. Qt's own tooltip cannot be placed exactly
// (it keeps clear of the cursor) nor given a row's height, hence a window
// of our own. It never takes the focus, and is transparent for the mouse;
// where the window system still hands it mouse events it passes them on to
// the list beneath, so the hint never stands in the way of a click.

#include <QFont>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace qor {

class TQORHintWindow : public QWidget {
    Q_OBJECT
  public:
    // How long a hint stays up at most.
    static constexpr int kHideDelayMs = 10000;

    explicit TQORHintWindow(QWidget *parent = nullptr);

    // Shows text with its top-left at the screen point pos, height pixels
    // high (the frame included), in font. The window is only moved and
    // repainted when it is already up: no flicker between cells.
    void ActivateHint(const QPoint &pos, int height, const QString &text, const QFont &font);
    QString text() const { return m_text; }

    // Width for a text: frame, the 2-pixel indent and a little room right.
    static int widthFor(int textWidth);

    // The widget under the hint (the cell's list), which gets the mouse
    // events where the window system hands them to the hint itself.
    void setEventTarget(QWidget *target) { m_target = target; }

  protected:
    bool event(QEvent *event) override;
    // Paint: the platform's hint background and frame, the text at x = 2
    // of the client area, vertically centred, clipped to the client area.
    void paintEvent(QPaintEvent *event) override;

  private:
    void forward(QEvent *event);

    QString m_text;
    QTimer m_hideTimer;
    QPointer<QWidget> m_target;
};

} // namespace qor
