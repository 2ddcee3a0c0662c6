#pragma once
// The ingredient picture and its panel: the picture shown in `Image`, the
// floating picture window it moves into on a double click (the panel then
// plays the logo animation), and the fly-picture mode in which the panel's
// background is see-through so that the picture seems to stand on the
// desktop. See-through is a window mask cut from the key-coloured pixels:
// it needs no compositor, and without mask support the key colour simply
// shows.

#include "common/window_bounds.h"
#include "visuals/ui/floating_picture_window.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class QFrame;
class QLabel;
class QWidget;

namespace qor {

class LogoAnimation;

struct FloatingPictureHooks {
    // The name of the grid's current ingredient (the window's caption).
    std::function<QString()> caption;
    // The main window's SetItemDisplayColor.
    std::function<void()> setItemDisplayColor;
    // Whether a double click on the picture may open the window (not while
    // the main window is being made or closed).
    std::function<bool()> ready;
};

class FloatingPicture : public QObject {
    Q_OBJECT
  public:
    // pictureWindowOpen is the program state's PictureWindowOpen.
    FloatingPicture(QWidget &mainWindow, QFrame &panel, QLabel &image, bool &pictureWindowOpen,
                    FloatingPictureHooks hooks);
    ~FloatingPicture() override;

    // The double click on the picture (it arrives here): opens the floating
    // window, or closes it when it is showing.
    void toggle();
    bool isShowing() const;
    // Opens the window as toggle does, then gives it the saved bounds when
    // they lie more than 20 pixels inside the screen.
    void reopen(const WindowBounds &saved, const QSize &screen);
    // The window's bounds, when it exists (else out is left as it is).
    void collectBounds(WindowBounds &out) const;

    // The caption follows the grid's ingredient while the window exists.
    void setCaption(const QString &name);
    // The picture for `Image` (null: none), scaled to fit it.
    void showPicture(const QImage *picture);
    // The panel's colour and the see-through mode (SetItemDisplayColor).
    void applyDisplayColor(const QColor &picBgColor, bool flyMode);

    FloatingPictureWindow *window() const { return m_window; }
    LogoAnimation *logo() const { return m_logo; }
    // The colour the panel shows now.
    QColor panelColor() const;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void open();
    void onWindowClosing();
    void rescale();
    void scheduleMasks();
    void updateMasks();
    // Where the scaled picture lies in Image.
    QRect pictureRectInImage() const;
    QColor windowBackground() const;

    QWidget &m_main;
    QFrame &m_panel;
    QLabel &m_image;
    bool &m_open;
    FloatingPictureHooks m_hooks;
    QPointer<FloatingPictureWindow> m_window;
    LogoAnimation *m_logo = nullptr;
    QImage m_source; // the picture as built (unscaled)
    QImage m_scaled; // as Image shows it
    QColor m_picBg{Qt::white};
    bool m_flyMode = false;
    bool m_mainMasked = false;
    QTimer m_maskTimer;
};

} // namespace qor
