#include "visuals/ui/picture_ops.h"

#include <vector>

namespace qor {

QImage scaleNearest(const QImage &src, int w, int h) {
    if (src.isNull() || w <= 0 || h <= 0 || src.depth() != 32)
        return {};
    QImage dst(w, h, src.format());
    if (dst.isNull())
        return {};
    const int sw = src.width();
    const int sh = src.height();
    // Source column of every target column, sampled at the pixel centre.
    std::vector<int> column(static_cast<size_t>(w));
    for (int x = 0; x < w; ++x)
        column[size_t(x)] = int((qint64(2 * x + 1) * sw) / (2 * qint64(w)));
    for (int y = 0; y < h; ++y) {
        const int sy = int((qint64(2 * y + 1) * sh) / (2 * qint64(h)));
        const auto *in = reinterpret_cast<const QRgb *>(src.constScanLine(sy));
        auto *out = reinterpret_cast<QRgb *>(dst.scanLine(y));
        for (int x = 0; x < w; ++x)
            out[x] = in[column[size_t(x)]];
    }
    return dst;
}

void bakeKey(const QImage &src, QRgb bg, QImage &dst) {
    if (src.isNull() || src.depth() != 32) {
        dst = QImage();
        return;
    }
    if (dst.size() != src.size() || dst.depth() != 32)
        dst = QImage(src.size(), QImage::Format_RGB32);
    const QRgb fill = bg | 0xFF000000u;
    for (int y = 0; y < src.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(dst.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const QRgb p = in[x] | 0xFF000000u;
            out[x] = p == KeyColor ? fill : p;
        }
    }
}

QImage keyToTransparent(const QImage &src) {
    if (src.isNull() || src.depth() != 32)
        return {};
    QImage dst(src.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < src.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(dst.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const QRgb p = in[x] | 0xFF000000u;
            out[x] = p == KeyColor ? 0u : p;
        }
    }
    return dst;
}

QImage silhouette(const QImage &src) {
    if (src.isNull() || src.depth() != 32)
        return {};
    QImage dst(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(dst.scanLine(y));
        for (int x = 0; x < src.width(); ++x)
            out[x] = (in[x] | 0xFF000000u) == KeyColor ? KeyColor : 0xFF000000u;
    }
    return dst;
}

void drawStretched(QPainter &painter, const QRect &target, const QImage &picture) {
    if (picture.isNull() || target.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, picture);
    painter.restore();
}

QRect potionKindRowRect(int sourceWidth, int sourceHeight, int rowHeight) {
    if (sourceWidth <= 0 || sourceHeight <= 0 || rowHeight <= 0)
        return {};
    // w = W * s / H, rounded half to even in exact integer arithmetic.
    const qint64 num = qint64(sourceWidth) * rowHeight;
    qint64 w = num / sourceHeight;
    const qint64 twiceRest = 2 * (num % sourceHeight);
    if (twiceRest > sourceHeight || (twiceRest == sourceHeight && (w & 1)))
        ++w;
    const int x = rowHeight / 2 - int(w / 2) - 1;
    return QRect(x, 0, int(w), rowHeight);
}

} // namespace qor
