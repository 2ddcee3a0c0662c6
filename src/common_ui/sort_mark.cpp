#include "common_ui/sort_mark.h"

namespace qor {

namespace {

constexpr int kMarkWidth = 10;
constexpr int kMarkHeight = 7;

} // namespace

QImage makeSortMark(bool ascending) {
    QImage img(kMarkWidth, kMarkHeight, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    // Six rows of triangle: the apex two pixels wide, each row one pixel wider
    // on both sides, the last width (the base) repeated; row 6 stays empty.
    for (int i = 0; i < kMarkHeight - 1; ++i) {
        const int step = i < 5 ? i : 4; // rows 4 and 5 are the two-row base
        const int y = ascending ? i : kMarkHeight - 2 - i;
        const int from = kMarkWidth / 2 - 1 - step;
        for (int x = from; x < kMarkWidth - from; ++x)
            img.setPixel(x, y, qRgba(0, 0, 0, 255));
    }
    return img;
}

} // namespace qor
