#pragma once
// The picture that follows the cursor while something is dragged: a
// borderless window with the element's name (for an ingredient also its
// picture) and, optionally, a black shadow window 7 pixels right and down.
// Both windows never take the mouse or the focus. In the complex-shape mode
// the window is cut to the picture and the glyphs and the shadow is their
// silhouette. Without window opacity or shapes on the platform the windows
// simply stay opaque rectangles.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace qor {

// How the drag picture looks; the values come from the settings.
struct DragImageStyle {
    QFont font;
    QColor textColor = Qt::black;
    bool shaped = false;  // cut to the contents, text without smoothing
    int pictureSize = 48; // side of an ingredient's picture
    int blend = 200;      // opacity 10..255; 255 is opaque
    bool shadow = true;
};

// The frame and face colours of the plain (not shaped) picture.
struct DragImageColors {
    QColor face;
    QColor light;
    QColor dark;
};

struct DragBitmaps {
    QImage drag;   // RGB32
    QImage shadow; // same size
};

// Sizes and draws both bitmaps for an element. picture is the ingredient's
// source picture with the key colour intact (nullptr: text only); ingredient
// tells the ingredient layout (picture square at the left) from the others.
DragBitmaps renderDragBitmaps(const QString &text, const QImage *picture, bool ingredient,
                              const DragImageStyle &style, const DragImageColors &colors);

// Opacity of the drag window and of its shadow for a blend value.
double dragWindowOpacity(int blend);
double dragShadowOpacity(int blend);

// One of the two windows: shows its bitmap.
class DragPictureWidget : public QWidget {
    Q_OBJECT
  public:
    explicit DragPictureWidget(QWidget *owner);
    void setBitmap(const QImage &bitmap, bool shaped);
    const QImage &bitmap() const { return m_bitmap; }

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    void FormPaint();
    QImage m_bitmap;
};

// The pair of windows, created with the first drag and kept for the run.
class DragImageWindow {
  public:
    static constexpr int kShadowOffset = 7;

    explicit DragImageWindow(QWidget *owner);
    ~DragImageWindow();
    DragImageWindow(const DragImageWindow &) = delete;
    DragImageWindow &operator=(const DragImageWindow &) = delete;

    // Renders the picture of an element into both windows (still hidden).
    void PrepareDragImage(const QString &text, const QImage *picture, bool ingredient,
                          const DragImageStyle &style, const DragImageColors &colors);
    // Moves the windows so the drag window's top-left is at target; a
    // hidden pair is shown by the move.
    void moveTo(QPoint target);
    void hide();
    bool isVisible() const;

    DragPictureWidget *dragWindow() const { return m_drag; }
    DragPictureWidget *shadowWindow() const { return m_shadow; }

  private:
    // The owner deletes them when it goes first.
    QPointer<DragPictureWidget> m_drag;
    QPointer<DragPictureWidget> m_shadow;
    DragImageStyle m_style;
};

} // namespace qor
