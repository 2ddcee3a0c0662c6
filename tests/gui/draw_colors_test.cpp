// Stored colour codes turned into the colours the views draw with: RGB codes
// with red in the low byte, and the platform's system colours by index.

#include "draw_support.h"

#include <QPalette>

#include <limits>

#include <gtest/gtest.h>

using namespace qor;

namespace {

// A system colour code: the high bit set, the colour index in the low byte.
ColorCode systemCode(int index) {
    return static_cast<ColorCode>(0x80000000u | static_cast<unsigned>(index));
}

TEST(ColorCodes, RgbCodesKeepRedInTheLowByte) {
    const ViewColors colors = drawtest::testColors();
    EXPECT_EQ(colorFromCode(0x00C08040, colors), QColor(0x40, 0x80, 0xC0));
    EXPECT_EQ(colorFromCode(0, colors), QColor(0, 0, 0));
}

TEST(ColorCodes, SystemCodesFollowThePaletteRoles) {
    drawtest::ensureApp();
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(250, 250, 240));
    palette.setColor(QPalette::Text, QColor(10, 10, 20));
    palette.setColor(QPalette::Button, QColor(212, 208, 200));
    palette.setColor(QPalette::ButtonText, QColor(30, 40, 50));
    palette.setColor(QPalette::Dark, QColor(100, 100, 90));
    palette.setColor(QPalette::Highlight, QColor(0, 90, 200));
    ViewColors colors;
    colors.takeSystemColors(palette);

    EXPECT_EQ(colorFromCode(systemCode(5), colors), QColor(250, 250, 240)) << "window";
    EXPECT_EQ(colorFromCode(systemCode(8), colors), QColor(10, 10, 20)) << "window text";
    EXPECT_EQ(colorFromCode(systemCode(13), colors), QColor(0, 90, 200)) << "highlight";
    // Button face and its kin are colours of their own, not the text colour.
    EXPECT_EQ(colorFromCode(systemCode(15), colors), QColor(212, 208, 200)) << "button face";
    EXPECT_EQ(colorFromCode(systemCode(16), colors), QColor(100, 100, 90)) << "button shadow";
    EXPECT_EQ(colorFromCode(systemCode(18), colors), QColor(30, 40, 50)) << "button text";

    // A changed window colour reaches the code that names it.
    colors.Window = QColor(1, 2, 3);
    EXPECT_EQ(colorFromCode(systemCode(5), colors), QColor(1, 2, 3));
    // An index the platform does not have falls back to the text colour.
    EXPECT_EQ(colorFromCode(systemCode(200), colors), QColor(10, 10, 20));
    // The most negative code is index 0, the scroll bar's button face.
    EXPECT_EQ(colorFromCode(std::numeric_limits<ColorCode>::min(), colors), QColor(212, 208, 200));
}

} // namespace
