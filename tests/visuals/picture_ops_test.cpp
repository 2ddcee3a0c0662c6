// Scaling without blending, key baking and the potion-kind row placement.

#include "visuals/ui/picture_ops.h"

#include <gtest/gtest.h>

#include <set>

namespace qor {
namespace {

// A picture with a key border and a checker of two near-key colours inside,
// the worst case for any blending.
QImage keyedPicture(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool border = x == 0 || y == 0 || x == w - 1 || y == h - 1;
            img.setPixel(x, y, border ? KeyColor : ((x + y) % 2 ? qRgb(129, 0, 128) : qRgb(10, 200, 30)));
        }
    return img;
}

TEST(ScaleNearest, EveryPixelIsOneOfTheSourcePixels) {
    const QImage src = keyedPicture(13, 11);
    std::set<QRgb> palette;
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            palette.insert(src.pixel(x, y));
    for (const QSize size : {QSize(32, 32), QSize(5, 4), QSize(25, 25), QSize(1, 1), QSize(97, 3)}) {
        const QImage out = scaleNearest(src, size.width(), size.height());
        ASSERT_EQ(out.size(), size);
        for (int y = 0; y < out.height(); ++y)
            for (int x = 0; x < out.width(); ++x)
                ASSERT_TRUE(palette.count(out.pixel(x, y))) << size.width() << "x" << size.height();
    }
}

TEST(ScaleNearest, IntegerFactorsRepeatAndDropPixelsExactly) {
    const QImage src = keyedPicture(4, 4);
    const QImage up = scaleNearest(src, 12, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x)
            ASSERT_EQ(up.pixel(x, y), src.pixel(x / 3, y / 2));
    const QImage down = scaleNearest(up, 4, 4);
    EXPECT_EQ(down, src);
    // A picture on the key shrunk to a third keeps only exact key and
    // exact picture pixels.
    QImage big(96, 96, QImage::Format_RGB32);
    big.fill(KeyColor);
    for (int y = 30; y < 66; ++y)
        for (int x = 30; x < 66; ++x)
            big.setPixel(x, y, qRgb(129, 1, 127));
    const QImage small = scaleNearest(big, 32, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const bool inside = x >= 10 && x < 22 && y >= 10 && y < 22;
            ASSERT_EQ(small.pixel(x, y), inside ? qRgb(129, 1, 127) : KeyColor) << x << "," << y;
        }
}

TEST(ScaleNearest, EmptyInputsGiveNoPicture) {
    EXPECT_TRUE(scaleNearest(QImage(), 5, 5).isNull());
    EXPECT_TRUE(scaleNearest(keyedPicture(3, 3), 0, 5).isNull());
    EXPECT_TRUE(scaleNearest(keyedPicture(3, 3), 5, -1).isNull());
}

TEST(BakeKey, ReplacesExactlyTheKeyPixels) {
    const QImage src = keyedPicture(6, 5);
    QImage out;
    bakeKey(src, qRgb(1, 2, 3), out);
    ASSERT_EQ(out.size(), src.size());
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            if (src.pixel(x, y) == KeyColor)
                EXPECT_EQ(out.pixel(x, y), qRgb(1, 2, 3));
            else
                EXPECT_EQ(out.pixel(x, y), src.pixel(x, y)); // the near-key colour stays
        }
}

TEST(BakeKey, ReusesTheTargetOfTheSameSize) {
    const QImage src = keyedPicture(6, 5);
    QImage out;
    bakeKey(src, qRgb(1, 2, 3), out);
    const uchar *bits = out.constBits();
    bakeKey(src, qRgb(9, 9, 9), out);
    EXPECT_EQ(out.constBits(), bits);
    EXPECT_EQ(out.pixel(0, 0), qRgb(9, 9, 9));
    bakeKey(keyedPicture(7, 5), qRgb(9, 9, 9), out);
    EXPECT_EQ(out.size(), QSize(7, 5));
}

TEST(KeyToTransparent, OnlyKeyPixelsBecomeTransparent) {
    const QImage out = keyToTransparent(keyedPicture(5, 5));
    EXPECT_EQ(qAlpha(out.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(out.pixel(4, 2)), 0);
    EXPECT_EQ(out.pixel(1, 1), qRgb(10, 200, 30));
    EXPECT_EQ(out.pixel(2, 1), qRgb(129, 0, 128));
    EXPECT_EQ(qAlpha(out.pixel(2, 1)), 255);
}

TEST(PotionKindRowRect, ThreeByTwoAtRowHeight25) {
    // 37.5 rounds to 38; x = 12 - 19 - 1 = -8, so the sides are cut off.
    EXPECT_EQ(potionKindRowRect(3, 2, 25), QRect(-8, 0, 38, 25));
    EXPECT_EQ(potionKindRowRect(300, 200, 25), QRect(-8, 0, 38, 25));
}

TEST(PotionKindRowRect, RoundsHalfToEven) {
    EXPECT_EQ(potionKindRowRect(1, 2, 25).width(), 12); // 12.5
    EXPECT_EQ(potionKindRowRect(7, 2, 5).width(), 18);  // 17.5
    EXPECT_EQ(potionKindRowRect(5, 2, 5).width(), 12);  // 12.5
    EXPECT_EQ(potionKindRowRect(64, 64, 25), QRect(-1, 0, 25, 25));
    EXPECT_EQ(potionKindRowRect(2, 3, 20).width(), 13); // 13.33
    EXPECT_EQ(potionKindRowRect(5, 3, 20).width(), 33); // 33.33
    EXPECT_EQ(potionKindRowRect(5, 3, 19).width(), 32); // 31.67
    EXPECT_EQ(potionKindRowRect(1, 2, 25).x(), 12 - 6 - 1);
}

TEST(PotionKindRowRect, NonPositiveArgumentsGiveNothing) {
    EXPECT_TRUE(potionKindRowRect(0, 2, 25).isEmpty());
    EXPECT_TRUE(potionKindRowRect(3, 0, 25).isEmpty());
    EXPECT_TRUE(potionKindRowRect(3, 2, 0).isEmpty());
}

} // namespace
} // namespace qor

namespace qor {
namespace {

TEST(Silhouette, KeyStaysEverythingElseTurnsBlack) {
    const QImage out = silhouette(keyedPicture(5, 4));
    ASSERT_EQ(out.size(), QSize(5, 4));
    EXPECT_EQ(out.pixel(0, 0), KeyColor);
    EXPECT_EQ(out.pixel(4, 3), KeyColor);
    EXPECT_EQ(out.pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(out.pixel(2, 1), qRgb(0, 0, 0)); // near-key is picture
}

TEST(DrawStretched, KeepsHardEdgesEvenWithSmoothingRequested) {
    // A transparent-key picture stretched 3x onto white: every pixel is
    // either white (key) or exactly a picture colour, never a blend.
    const QImage picture = keyToTransparent(keyedPicture(6, 6));
    QImage canvas(18, 18, QImage::Format_RGB32);
    canvas.fill(0xFFFFFFFFu);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    drawStretched(painter, QRect(0, 0, 18, 18), picture);
    EXPECT_TRUE(painter.testRenderHint(QPainter::SmoothPixmapTransform)); // restored
    painter.end();
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 18; ++x) {
            const QRgb p = canvas.pixel(x, y);
            ASSERT_TRUE(p == 0xFFFFFFFFu || p == qRgb(129, 0, 128) || p == qRgb(10, 200, 30))
                << x << "," << y << " " << std::hex << p;
        }
    EXPECT_EQ(canvas.pixel(1, 1), 0xFFFFFFFFu);
    EXPECT_EQ(canvas.pixel(4, 4), qRgb(10, 200, 30));
}

} // namespace
} // namespace qor
