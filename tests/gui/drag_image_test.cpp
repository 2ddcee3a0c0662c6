// The drag picture rendered into bitmaps: its size, the raised frame, where
// the picture and the text go, and the silhouette shadow of the shaped mode.

#include "gui_test_support.h"

#include "visuals/ui/drag_image_window.h"
#include "visuals/ui/picture_ops.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <cstdlib>

namespace qor {
namespace {

const DragImageColors kColors{QColor(200, 200, 200), QColor(255, 255, 255), QColor(100, 100, 100)};
constexpr QRgb kText = 0xFF0000FFu;

// 10 × 10, key colour around an opaque 4 × 4 square of green.
QImage squarePicture() {
    QImage img(10, 10, QImage::Format_RGB32);
    img.fill(KeyColor);
    for (int y = 3; y < 7; ++y)
        for (int x = 3; x < 7; ++x)
            img.setPixel(x, y, qRgb(0, 200, 0));
    return img;
}

DragImageStyle style(bool shaped, int side = 40) {
    DragImageStyle s;
    s.font = QFont(QStringLiteral("DejaVu Sans"));
    s.font.setPixelSize(14);
    s.textColor = QColor::fromRgb(kText);
    s.shaped = shaped;
    s.pictureSize = side;
    return s;
}

// Leftmost column holding a text pixel (the text colour or a blend with it).
int firstTextColumn(const QImage &img, QRgb background) {
    for (int x = 0; x < img.width(); ++x)
        for (int y = 1; y < img.height() - 1; ++y) {
            const QRgb p = img.pixel(x, y);
            if (p != background && qBlue(p) > qRed(p) + 40)
                return x;
        }
    return -1;
}

class DragImageTest : public ::testing::Test {
  protected:
    void SetUp() override { test::ensureApplication(); }
};

TEST_F(DragImageTest, PlainIngredientPictureHasFramePictureAndText) {
    const QImage picture = squarePicture();
    const DragImageStyle s = style(false);
    const DragBitmaps b = renderDragBitmaps(QStringLiteral("Гриб"), &picture, true, s, kColors);
    const QFontMetrics fm(s.font);
    const int side = 40;
    EXPECT_EQ(b.drag.height(), side + 2);
    EXPECT_EQ(b.drag.width(), fm.horizontalAdvance(QStringLiteral("Гриб")) + side +
                                  (std::abs(side - fm.height()) / 2 + 2) + 6);
    const int w = b.drag.width();
    const int d = b.drag.height();
    // Raised frame: light top and left, dark right and bottom.
    EXPECT_EQ(b.drag.pixel(0, d / 2), kColors.light.rgb());
    EXPECT_EQ(b.drag.pixel(w / 2, 0), kColors.light.rgb());
    EXPECT_EQ(b.drag.pixel(w - 1, d / 2), kColors.dark.rgb());
    EXPECT_EQ(b.drag.pixel(w / 2, d - 1), kColors.dark.rgb());
    // The picture square from (1, 1), 40 wide: its key pixels show the face.
    EXPECT_EQ(b.drag.pixel(2, 2), kColors.face.rgb());
    EXPECT_EQ(b.drag.pixel(1 + 20, 1 + 20), qRgb(0, 200, 0));
    EXPECT_EQ(b.drag.pixel(1 + 12, 1 + 12), qRgb(0, 200, 0));
    EXPECT_EQ(b.drag.pixel(1 + 11, 1 + 11), kColors.face.rgb());
    // The text starts two pixels after the picture square and its frame.
    const int textX = firstTextColumn(b.drag, kColors.face.rgb());
    EXPECT_GE(textX, d + 1 + 2);
    EXPECT_LE(textX, d + 1 + 2 + 3);
    // The shadow is a black rectangle of the same size.
    EXPECT_EQ(b.shadow.size(), b.drag.size());
    EXPECT_EQ(b.shadow.pixel(w / 2, d / 2), qRgb(0, 0, 0));
}

TEST_F(DragImageTest, TextOnlyPictureSizesAroundTheText) {
    const DragImageStyle s = style(false);
    const DragBitmaps b = renderDragBitmaps(QStringLiteral("Лечение"), nullptr, false, s, kColors);
    const QFontMetrics fm(s.font);
    EXPECT_EQ(b.drag.width(), fm.horizontalAdvance(QStringLiteral("Лечение")) + 2 + 8);
    EXPECT_EQ(b.drag.height(), fm.height() + 2 + 2);
    const int textX = firstTextColumn(b.drag, kColors.face.rgb());
    EXPECT_GE(textX, 2 + 1 + 2);
    EXPECT_LE(textX, 2 + 1 + 2 + 3);
}

TEST_F(DragImageTest, ShapedPictureIsCutToPictureAndGlyphsAndItsShadowIsTheSilhouette) {
    const QImage picture = squarePicture();
    const DragBitmaps b = renderDragBitmaps(QStringLiteral("Ж"), &picture, true, style(true), kColors);
    const int d = b.drag.height();
    EXPECT_EQ(d, 40); // no frame
    // Within the picture square every pixel is the stretched picture's.
    const QImage stretched = scaleNearest(picture, d, d);
    for (int y = 0; y < d; ++y)
        for (int x = 0; x < d; ++x)
            ASSERT_EQ(b.drag.pixel(x, y), stretched.pixel(x, y)) << x << "," << y;
    // Everything else is the key colour or plain text colour: no smoothing.
    for (int y = 0; y < d; ++y)
        for (int x = d; x < b.drag.width(); ++x) {
            const QRgb p = b.drag.pixel(x, y);
            ASSERT_TRUE(p == KeyColor || p == kText) << x << "," << y;
        }
    // The shadow is black exactly where the picture is not see-through.
    for (int y = 0; y < d; ++y)
        for (int x = 0; x < b.drag.width(); ++x)
            ASSERT_EQ(b.shadow.pixel(x, y), b.drag.pixel(x, y) == KeyColor ? KeyColor : qRgb(0, 0, 0));
}

TEST_F(DragImageTest, OpacityFollowsTheBlendValue) {
    EXPECT_DOUBLE_EQ(dragWindowOpacity(255), 1.0);
    EXPECT_DOUBLE_EQ(dragShadowOpacity(255), 31 / 255.0);
    // 10 div 8 = 1: the shadow is all but invisible.
    EXPECT_DOUBLE_EQ(dragShadowOpacity(10), 1 / 255.0);
    EXPECT_DOUBLE_EQ(dragWindowOpacity(10), 10 / 255.0);
}

TEST_F(DragImageTest, TheWindowsShowWithTheShadowOffsetAndNeverTakeInput) {
    QWidget owner;
    DragImageWindow window(&owner);
    const QImage picture = squarePicture();
    DragImageStyle s = style(true);
    s.shadow = true;
    window.PrepareDragImage(QStringLiteral("Гриб"), &picture, true, s, kColors);
    EXPECT_FALSE(window.isVisible());
    window.moveTo(QPoint(100, 50));
    EXPECT_TRUE(window.dragWindow()->isVisible());
    EXPECT_EQ(window.shadowWindow()->pos(), QPoint(107, 57));
    EXPECT_TRUE(window.dragWindow()->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_TRUE(window.dragWindow()->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    // Shaped: the window's mask leaves out the key pixels.
    EXPECT_FALSE(window.dragWindow()->mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(window.dragWindow()->mask().contains(QPoint(20, 20)));
    window.hide();
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace qor
