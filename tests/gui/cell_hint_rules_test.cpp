// The fit rules of the cell hints: which texts count as cut off and where
// the hint that shows them whole goes.

#include "common_ui/cell_hint_rules.h"

#include <gtest/gtest.h>

#include <climits>

namespace qor::hint {
namespace {

TEST(CellHintRules, RowTopAndVisibleWidthOfACell) {
    EXPECT_EQ(rowTop(0, 25), 0);
    EXPECT_EQ(rowTop(24, 25), 0);
    EXPECT_EQ(rowTop(25, 25), 25);
    EXPECT_EQ(rowTop(-1, 25), -25);
    EXPECT_EQ(rowTop(7, 0), 7);

    // Inside the band: the whole width; cut at the band's right edge.
    EXPECT_EQ(visibleCellWidth(100, 50, 0, 0, 400), 50);
    EXPECT_EQ(visibleCellWidth(380, 50, 0, 0, 400), 20);
    EXPECT_EQ(visibleCellWidth(420, 50, 0, 0, 400), 0);
    // Content starting left of the band: nothing counts as visible.
    EXPECT_EQ(visibleCellWidth(-10, 50, 0, 0, 400), 0);
    EXPECT_EQ(visibleCellWidth(-10, 50, 25, 0, 400), 50);
    EXPECT_EQ(visibleCellWidth(INT_MAX - 5, INT_MAX, 0, 0, INT_MAX), 5);
}

TEST(CellHintRules, SectionUnderTheMouseLeavesTheBordersOut) {
    const int widths[] = {21, 50, 50};
    EXPECT_EQ(sectionStrictlyAt(0, widths, 3), -1);
    EXPECT_EQ(sectionStrictlyAt(1, widths, 3), 0);
    EXPECT_EQ(sectionStrictlyAt(21, widths, 3), -1);
    EXPECT_EQ(sectionStrictlyAt(22, widths, 3), 1);
    EXPECT_EQ(sectionStrictlyAt(120, widths, 3), 2);
    EXPECT_EQ(sectionStrictlyAt(121, widths, 3), -1);
    EXPECT_EQ(sectionStrictlyAt(5, widths, 0), -1);
}

TEST(CellHintRules, RecipeCellsCountThePictureAndTheVisiblePartOfTheRegion) {
    RecipeCell cell;
    cell.sectionLeft = 100;
    cell.sectionWidth = 80;
    cell.visibleLeft = 0;
    cell.visibleRight = 600;
    cell.rowHeight = 25;
    cell.y = 60;

    cell.textWidth = 79;
    EXPECT_FALSE(recipeCellHint(cell).show);
    cell.textWidth = 80;
    EXPECT_EQ(recipeCellHint(cell), (Spot{true, 99, 50}));

    // An ingredient column: the picture's width counts, the hint starts
    // right of the picture.
    cell.pictureWidth = 25;
    cell.textWidth = 54;
    EXPECT_FALSE(recipeCellHint(cell).show);
    cell.textWidth = 55;
    EXPECT_EQ(recipeCellHint(cell), (Spot{true, 124, 50}));

    // Scrolled partly out to the left: a hint whatever the text.
    cell.pictureWidth = 0;
    cell.textWidth = 1;
    cell.visibleLeft = 101;
    EXPECT_TRUE(recipeCellHint(cell).show);
    // The picture scrolled out but the text's start still in view.
    cell.pictureWidth = 25;
    cell.visibleLeft = 110;
    EXPECT_FALSE(recipeCellHint(cell).show);

    // Cut at the region's right edge.
    cell.pictureWidth = 0;
    cell.visibleLeft = 0;
    cell.visibleRight = 140;
    cell.textWidth = 39;
    EXPECT_FALSE(recipeCellHint(cell).show);
    cell.textWidth = 40;
    EXPECT_TRUE(recipeCellHint(cell).show);
}

TEST(CellHintRules, HeadersHintBelowTheirRowAndCountTheSortMark) {
    HeaderSection s;
    s.sectionLeft = 35;
    s.sectionWidth = 60;
    s.visibleRight = 1000;
    s.headerHeight = 20;

    s.textWidth = 55;
    EXPECT_FALSE(headerHint(s).show);
    s.textWidth = 56;
    EXPECT_EQ(headerHint(s), (Spot{true, 35, 25}));
    s.textWidth = 45;
    s.markWidth = 11;
    EXPECT_TRUE(headerHint(s).show);
    // The recipe header scrolled partly out to the left.
    s.markWidth = 0;
    s.textWidth = 1;
    s.visibleLeft = 36;
    EXPECT_TRUE(headerHint(s).show);

    // The table's header row: below the row, at the cell's left - 1.
    HeaderSection g;
    g.sectionLeft = 50;
    g.sectionWidth = 40;
    g.visibleRight = 500;
    g.headerHeight = 18;
    g.textWidth = 39;
    EXPECT_FALSE(gridHeaderHint(g).show);
    g.textWidth = 40;
    EXPECT_EQ(gridHeaderHint(g), (Spot{true, 49, 23}));
    g.textWidth = 30;
    g.markWidth = 11;
    EXPECT_TRUE(gridHeaderHint(g).show);
}

TEST(CellHintRules, GridEffectListRowsAndChoosers) {
    // Table cells lie over the cell, cut at the viewport's right edge.
    EXPECT_FALSE(
        gridCellHint({.textWidth = 59, .left = 10, .top = 40, .width = 60, .visibleWidth = 300}).show);
    EXPECT_EQ(gridCellHint({.textWidth = 60, .left = 10, .top = 40, .width = 60, .visibleWidth = 300}),
              (Spot{true, 9, 40}));
    EXPECT_TRUE(
        gridCellHint({.textWidth = 30, .left = 280, .top = 0, .width = 60, .visibleWidth = 300}).show);
    EXPECT_TRUE(gridCellHint({.textWidth = 5, .left = -3, .top = 0, .width = 60, .visibleWidth = 300}).show);

    // Effect cells: the section cut to the list's client width.
    EffectCell e{
        .textWidth = 49, .sectionLeft = 71, .sectionWidth = 50, .clientWidth = 300, .y = 40, .rowHeight = 17};
    EXPECT_FALSE(effectCellHint(e).show);
    e.clientWidth = 110;
    EXPECT_EQ(effectCellHint(e), (Spot{true, 70, 34}));

    // List rows: the ingredient list leaves the picture's square.
    ListRow r{.textWidth = 100, .indent = 30, .clientWidth = 131, .y = 35, .rowHeight = 30};
    EXPECT_FALSE(listRowHint(r).show);
    r.clientWidth = 130;
    EXPECT_EQ(listRowHint(r), (Spot{true, 29, 30}));
    r.indent = 0;
    EXPECT_FALSE(listRowHint(r).show);
    r.textWidth = 130;
    EXPECT_EQ(listRowHint(r), (Spot{true, -1, 30}));

    // Choosers: nothing while the text fits beside the button, else just below.
    ChooserText c{.textWidth = 90, .indent = 14, .fieldWidth = 105, .height = 21};
    EXPECT_FALSE(chooserHint(c).show);
    c.textWidth = 91;
    EXPECT_EQ(chooserHint(c), (Spot{true, 0, 23}));
}

} // namespace
} // namespace qor::hint
