#include "main_window/search_tab_widths.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

constexpr int kOptions = 400;
constexpr int kChrome = 44;
constexpr int kFull = kEffectChooserWidth + kFilterChooserWidth + kChrome;

SearchTabWidths fitShort(int shortBy, int filterLeast = kFilterChooserLeast) {
    return fitSearchTab(kOptions + kFull - shortBy, kOptions, kChrome, filterLeast);
}

// Each step of giving way at its edge, one pixel either side.
TEST(FitSearchTab, EachChooserGivesWayExactlyAtItsEdge) {
    for (const int shortBy : {-1, 0}) {
        const SearchTabWidths w = fitShort(shortBy);
        EXPECT_EQ(w.effectChooser, kEffectChooserWidth) << shortBy;
        EXPECT_EQ(w.filterChooser, kFilterChooserWidth) << shortBy;
        EXPECT_EQ(w.effectPanel, kFull) << shortBy;
    }
    EXPECT_EQ(fitShort(1).effectChooser, kEffectChooserWidth - 1);
    EXPECT_EQ(fitShort(1).filterChooser, kFilterChooserWidth);

    // The effect choosers reach their least width; only then the filters give.
    const int effectRoom = kEffectChooserWidth - kEffectChooserLeast;
    EXPECT_EQ(fitShort(effectRoom).effectChooser, kEffectChooserLeast);
    EXPECT_EQ(fitShort(effectRoom).filterChooser, kFilterChooserWidth);
    EXPECT_EQ(fitShort(effectRoom + 1).effectChooser, kEffectChooserLeast);
    EXPECT_EQ(fitShort(effectRoom + 1).filterChooser, kFilterChooserWidth - 1);

    // Both at their least widths; beyond, the panel keeps them and overflows.
    const int allRoom = effectRoom + kFilterChooserWidth - kFilterChooserLeast;
    for (const int shortBy : {allRoom - 1, allRoom, allRoom + 1}) {
        const SearchTabWidths w = fitShort(shortBy);
        EXPECT_EQ(w.effectChooser, kEffectChooserLeast) << shortBy;
        EXPECT_EQ(w.filterChooser, kFilterChooserLeast + (shortBy < allRoom ? 1 : 0)) << shortBy;
        EXPECT_EQ(w.effectPanel, w.effectChooser + w.filterChooser + kChrome) << shortBy;
    }
}

// A caption's least width for the filters is kept between the filters' own
// least and full widths.
TEST(FitSearchTab, FilterLeastWidthIsClampedToTheFiltersRange) {
    EXPECT_EQ(fitSearchTab(0, kOptions, kChrome, kFilterChooserLeast - 1).filterChooser, kFilterChooserLeast);
    EXPECT_EQ(fitSearchTab(0, kOptions, kChrome, kFilterChooserWidth).filterChooser, kFilterChooserWidth);
    EXPECT_EQ(fitSearchTab(0, kOptions, kChrome, kFilterChooserWidth + 1).filterChooser, kFilterChooserWidth);
    EXPECT_EQ(fitSearchTab(0, kOptions, kChrome, kFilterChooserWidth + 1).effectChooser, kEffectChooserLeast);
}

} // namespace
} // namespace qor
