#include "visuals/ui/floating_picture_window.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QImage>
#include <QRegion>
#include <QVBoxLayout>

namespace qor {

QRegion opaqueRegion(const QImage &image, QRgb key) {
    if (image.isNull())
        return {};
    const QImage rgb =
        image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    // Set bits mark the pixels that are not the key.
    return QRegion(QBitmap::fromImage(rgb.createMaskFromColor(key | 0xFF000000u, Qt::MaskInColor)));
}

FloatingPictureWindow::FloatingPictureWindow(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("FloatingPictureWindow"));
    setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
}

void FloatingPictureWindow::hostPicture(QWidget *picture) {
    picture->setParent(this);
    layout()->addWidget(picture);
    picture->show();
}

void FloatingPictureWindow::setBackground(const QColor &color) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}

QColor FloatingPictureWindow::background() const {
    return palette().color(QPalette::Window);
}

void FloatingPictureWindow::closeEvent(QCloseEvent *event) {
    event->accept();
    Q_EMIT closing();
}

} // namespace qor
