#pragma once
// Pixel operations on 32-bit pictures: scaling that drops or repeats pixels
// (never blends, so key pixels stay exact), baking the key colour into a
// background, and the placement of the potion-kind row pictures.

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRgb>

namespace qor {

// Background marker of every source picture.
inline constexpr QRgb KeyColor = 0xFF800080u; // RGB (128, 0, 128)

// Nearest-neighbour scale of src (any 32-bit format) to w x h; the result has
// src's format. A null image for an empty source or size.
QImage scaleNearest(const QImage &src, int w, int h);

// Writes src into dst with every key pixel replaced by bg (alpha forced to
// 0xFF). dst is reused when it already has src's size, so that pointers to
// it stay valid; otherwise it is recreated as RGB32.
void bakeKey(const QImage &src, QRgb bg, QImage &dst);

// src as ARGB32_Premultiplied with every key pixel fully transparent.
QImage keyToTransparent(const QImage &src);

// Same size as src: the key colour where src has it, black everywhere else
// (the shape of a picture, e.g. for a shadow).
QImage silhouette(const QImage &src);

// Draws picture stretched into target by dropping or repeating pixels (no
// smoothing), so a picture with a transparent key keeps hard edges.
void drawStretched(QPainter &painter, const QRect &target, const QImage &picture);

// w = W / H * s rounded half to even, x = s div 2 - w div 2 - 1, y = 0,
// height s: where a potion-kind source of W x H lands in an s x s row
// picture. An empty rectangle for non-positive arguments.
QRect potionKindRowRect(int sourceWidth, int sourceHeight, int rowHeight);

} // namespace qor
