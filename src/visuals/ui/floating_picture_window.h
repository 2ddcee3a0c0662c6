#pragma once
// The floating picture window: a small always-on-top window without
// minimise and maximise buttons that hosts the ingredient picture while it
// is out of its panel. Closing it (its close button, or the owner's close())
// only announces the fact; the owner takes the picture back.

#include <QRgb>
#include <QWidget>

class QImage;
class QRegion;

namespace qor {

// The main window's see-through colour in the fly-picture mode.
inline constexpr QRgb kSeeThroughColor = qRgb(3, 27, 5);

// The pixels of image that are not key (alpha ignored), as a region.
QRegion opaqueRegion(const QImage &image, QRgb key);

class FloatingPictureWindow : public QWidget {
    Q_OBJECT
  public:
    explicit FloatingPictureWindow(QWidget *parent);

    // Puts picture into the window, filling it.
    void hostPicture(QWidget *picture);
    void setBackground(const QColor &color);
    QColor background() const;

  Q_SIGNALS:
    void closing();

  protected:
    void closeEvent(QCloseEvent *event) override;
};

} // namespace qor
