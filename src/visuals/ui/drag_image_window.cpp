#include "visuals/ui/drag_image_window.h"

#include "visuals/ui/picture_ops.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cstdlib>

namespace qor {

namespace {

QFont textFont(const DragImageStyle &style) {
    QFont font = style.font;
    // A smoothed glyph edge would mix with the key colour and show as a
    // coloured fringe once the key is cut away.
    if (style.shaped)
        font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// The window's shape: every pixel that is not the key colour.
QRegion shapeOf(const QImage &bitmap) {
    const QImage mask =
        bitmap.convertToFormat(QImage::Format_RGB32).createMaskFromColor(KeyColor, Qt::MaskInColor);
    return QRegion(QBitmap::fromImage(mask));
}

} // namespace

DragBitmaps renderDragBitmaps(const QString &text, const QImage *picture, bool ingredient,
                              const DragImageStyle &style, const DragImageColors &colors) {
    const QFont font = textFont(style);
    const QFontMetrics metrics(font);
    const int b = style.shaped ? 0 : 1;
    const int th = metrics.height();
    const int tw = metrics.horizontalAdvance(text);
    const int side = std::clamp(style.pictureSize, 1, 1000);
    int t = 0;
    int width = 0;
    int height = 0;
    if (ingredient) {
        width = tw + side + b * (std::abs(side - th) / 2 + 2) + 6;
        height = 2 * b + side;
    } else {
        t = 2;
        width = tw + 2 * b + 8;
        height = th + 2 * b + 2;
    }
    DragBitmaps out;
    out.drag = QImage(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    out.drag.fill(style.shaped ? QColor::fromRgb(KeyColor) : colors.face);
    const int d = out.drag.height();
    const bool withPicture = ingredient && picture && !picture->isNull();
    {
        QPainter painter(&out.drag);
        int textLeft = t + b + 2;
        if (withPicture) {
            if (style.shaped)
                // Copied opaque: its key pixels become the window's holes.
                drawStretched(painter, QRect(0, 0, d, d), *picture);
            else
                drawStretched(painter, QRect(b, b, d - 2 * b, d - 2 * b), keyToTransparent(*picture));
            textLeft = d + b + 2;
        }
        painter.setRenderHint(QPainter::TextAntialiasing, !style.shaped);
        painter.setFont(font);
        painter.setPen(style.textColor);
        const int top = d / 2 - th / 2;
        painter.drawText(textLeft, top + metrics.ascent(), text);
        if (!style.shaped) {
            const int w = out.drag.width();
            painter.setPen(colors.light);
            painter.drawLine(0, d - 1, 0, 0);
            painter.drawLine(0, 0, w - 1, 0);
            painter.setPen(colors.dark);
            painter.drawLine(w - 1, 0, w - 1, d - 1);
            painter.drawLine(w - 1, d - 1, 0, d - 1);
        }
    }
    if (style.shaped) {
        out.shadow = silhouette(out.drag);
    } else {
        out.shadow = QImage(out.drag.size(), QImage::Format_RGB32);
        out.shadow.fill(Qt::black);
    }
    return out;
}

double dragWindowOpacity(int blend) {
    return std::clamp(blend, 0, 255) / 255.0;
}

double dragShadowOpacity(int blend) {
    return (std::clamp(blend, 0, 255) / 8) / 255.0;
}

DragPictureWidget::DragPictureWidget(QWidget *owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                         Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus) {
    // A tool-tip window is never managed or activated by the window manager,
    // and these attributes keep the mouse and the focus away from it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void DragPictureWidget::setBitmap(const QImage &bitmap, bool shaped) {
    m_bitmap = bitmap;
    setFixedSize(bitmap.size());
    if (shaped)
        setMask(shapeOf(bitmap));
    else
        clearMask();
    update();
}

void DragPictureWidget::paintEvent(QPaintEvent *) {
    FormPaint();
}

void DragPictureWidget::FormPaint() {
    QPainter painter(this);
    painter.drawImage(0, 0, m_bitmap);
}

DragImageWindow::DragImageWindow(QWidget *owner)
    : m_drag(new DragPictureWidget(owner)), m_shadow(new DragPictureWidget(owner)) {
    m_drag->setObjectName(QStringLiteral("DragImageWindow"));
    m_shadow->setObjectName(QStringLiteral("DragShadowWindow"));
}

DragImageWindow::~DragImageWindow() {
    // A controller that goes before the owner leaves no window behind.
    delete m_drag.data();
    delete m_shadow.data();
}

void DragImageWindow::PrepareDragImage(const QString &text, const QImage *picture, bool ingredient,
                                       const DragImageStyle &style, const DragImageColors &colors) {
    m_style = style;
    if (!m_drag || !m_shadow)
        return;
    const DragBitmaps bitmaps = renderDragBitmaps(text, picture, ingredient, style, colors);
    m_drag->setBitmap(bitmaps.drag, style.shaped);
    m_shadow->setBitmap(bitmaps.shadow, style.shaped);
}

void DragImageWindow::moveTo(QPoint target) {
    if (!m_drag || !m_shadow)
        return;
    const bool wasHidden = !m_drag->isVisible();
    if (m_style.shadow) {
        m_shadow->move(target + QPoint(kShadowOffset, kShadowOffset));
        if (wasHidden) {
            m_shadow->setWindowOpacity(dragShadowOpacity(m_style.blend));
            m_shadow->show();
        }
    } else if (m_shadow->isVisible()) {
        m_shadow->hide();
    }
    m_drag->move(target);
    if (wasHidden) {
        m_drag->setWindowOpacity(dragWindowOpacity(m_style.blend));
        m_drag->show();
        m_drag->raise();
    }
}

void DragImageWindow::hide() {
    if (m_drag)
        m_drag->hide();
    if (m_shadow)
        m_shadow->hide();
}

bool DragImageWindow::isVisible() const {
    return (m_drag && m_drag->isVisible()) || (m_shadow && m_shadow->isVisible());
}

} // namespace qor
