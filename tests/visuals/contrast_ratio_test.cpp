// Contrast ratios of text colours.

#include "visuals/contrast_ratio.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(ContrastRatioTest, KnownRatiosAndTheReadableTextColour) {
    EXPECT_NEAR(contrastRatio(0x000000u, 0xFFFFFFu), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(0xFFFFFFu, 0x000000u), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(0x308CC6u, 0x308CC6u), 1.0, 1e-9);
    EXPECT_NEAR(contrastRatio(0x0000FFu, 0xFFFFFFu), 8.59, 0.01);
    EXPECT_NEAR(contrastRatio(0x777777u, 0xFFFFFFu), 4.48, 0.01);
    // Only the low 24 bits count (an alpha byte is ignored).
    EXPECT_NEAR(contrastRatio(0xFF000000u, 0x00FFFFFFu), 21.0, 1e-9);
    // Pale yellow on white: what made lit text unreadable.
    EXPECT_LT(contrastRatio(0xFFFFC8u, 0xFFFFFFu), 1.1);
    EXPECT_EQ(readableTextOn(0xFFFF00u), 0x000000u);
    EXPECT_EQ(readableTextOn(0x400000u), 0xFFFFFFu);
    EXPECT_EQ(readableTextOn(0x808080u), 0x000000u);
}

} // namespace
} // namespace qor
