#pragma once
// Building .bmc picture strips from ordinary pictures: flattening a picture
// with transparency onto the key colour, stacking equal cells vertically and
// writing / reading the packed file. Used by qor-bmc-pack and the picture
// generator.

#include "bmc_codec.h"

#include <QImage>
#include <QList>
#include <QString>

namespace qor::bmcpack {

inline constexpr QRgb kKey = 0xFF800080u; // RGB (128, 0, 128)

// An opaque RGB32 copy: pixels with alpha >= alphaThreshold keep their own
// (un-premultiplied) colour, the others become exactly the key colour. An
// opaque pixel that happens to be the key colour is nudged to (129, 0, 128)
// so that it never turns transparent.
QImage flattenOnKey(const QImage &picture, int alphaThreshold = 128);

// Stacks equal-size pictures top to bottom, each followed by `padding` rows
// of the key colour. A null image and a reason when the cells are empty or
// of different sizes.
QImage stackCells(const QList<QImage> &cells, int padding, QString &error);

// Packs an RGB32 strip into a .bmc file.
bool writeBmc(const QImage &strip, const QString &path, bmc::Filter filter, QString &error);

// Reads a .bmc file back into an RGB32 image (for checking packed files).
bool readBmc(const QString &path, QImage &strip, QString &error);

} // namespace qor::bmcpack
