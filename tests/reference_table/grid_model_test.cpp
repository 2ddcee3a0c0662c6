#include "recipe_list/model_test_data.h"
#include "reference_table/grid_model.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace qor {
namespace {

using modeltest::DataBuilder;

std::vector<int> rows(const GridState &grid) {
    return {grid.GridRowOrder.begin() + 1, grid.GridRowOrder.end()};
}

class GridModelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        a = b.effect(QStringLiteral("Альфа"));
        c = b.effect(QStringLiteral("Гамма"), true);
        d = b.effect(QStringLiteral("Дельта"));
        e = b.effect(QStringLiteral("Эпсилон"));
        // Effect a sits in slot 1 of items 1, 2 and 4, so column 7 ties them.
        b.item(QStringLiteral("Один"), {a, c, d, e}, QStringLiteral("beta"), 5, 0.5, 0xABCD);
        b.item(QStringLiteral("Два"), {a, d, c, e}, QStringLiteral("Alpha"), 9, 1.25, -1);
        b.item(QStringLiteral("Три"), {c, d, e, a}, QStringLiteral("gamma"), 5, 0.25, 16);
        b.item(QStringLiteral("Четыре"), {a, e, c, d}, QStringLiteral("Delta"), 1, 2.0, 0);
        resetGridRowOrder(b.data(), grid);
    }
    const GameData &data() { return b.data(); }
    void sortBy(int code) {
        grid.GridSortCode = code;
        SortGrid(data(), b.strengths(), grid);
    }

    DataBuilder b;
    GridState grid;
    int a = 0, c = 0, d = 0, e = 0;
};

TEST_F(GridModelTest, StartsAsTheIdentity) {
    EXPECT_EQ(grid.GridRowOrder, (std::vector<std::int32_t>{0, 1, 2, 3, 4}));
}

TEST_F(GridModelTest, NumericSortIsLargestFirstStableAndAscendingIsItsReverse) {
    // Column 7 keys (slot 1 effect): a, a, c, a.
    sortBy(-7);
    EXPECT_EQ(rows(grid), (std::vector<int>{3, 1, 2, 4}));
    sortBy(7);
    EXPECT_EQ(rows(grid), (std::vector<int>{4, 2, 1, 3}));
    // Price: 5, 9, 5, 1.
    sortBy(-26);
    EXPECT_EQ(rows(grid), (std::vector<int>{2, 1, 3, 4}));
    sortBy(26);
    EXPECT_EQ(rows(grid), (std::vector<int>{4, 3, 1, 2}));
    // Equal keys follow the index, not the order left by the last sort.
    sortBy(-7);
    EXPECT_EQ(rows(grid), (std::vector<int>{3, 1, 2, 4}));
    EXPECT_EQ(grid.GridRowOrder[0], 0);
}

TEST_F(GridModelTest, WeightAndIdSortByTheirKeys) {
    EXPECT_EQ(gridSortKey(data(), b.strengths(), 1, GridColumn::Weight), 500);
    EXPECT_EQ(gridSortKey(data(), b.strengths(), 2, GridColumn::Weight), 1250);
    sortBy(27);
    EXPECT_EQ(rows(grid), (std::vector<int>{3, 1, 2, 4}));
    // ID -1 is the smallest signed key.
    sortBy(28);
    EXPECT_EQ(rows(grid), (std::vector<int>{2, 4, 3, 1}));
}

TEST_F(GridModelTest, WeightKeyRoundsHalvesToEvenAndStaysInRange) {
    b.data().ItemTable[1].Weight = 0.0125; // 12.5 after scaling: down to even
    EXPECT_EQ(gridSortKey(data(), b.strengths(), 1, GridColumn::Weight), 12);
    b.data().ItemTable[1].Weight = 0.0375; // 37.5: up to even
    EXPECT_EQ(gridSortKey(data(), b.strengths(), 1, GridColumn::Weight), 38);
    b.data().ItemTable[1].Weight = 1e300;
    EXPECT_EQ(gridSortKey(data(), b.strengths(), 1, GridColumn::Weight),
              std::numeric_limits<std::int32_t>::max());
    b.data().ItemTable[1].Weight = -1e300;
    EXPECT_EQ(gridSortKey(data(), b.strengths(), 1, GridColumn::Weight),
              std::numeric_limits<std::int32_t>::min());
}

TEST_F(GridModelTest, SecondNameSortIgnoresCase) {
    sortBy(29);
    EXPECT_EQ(rows(grid), (std::vector<int>{2, 1, 4, 3})); // Alpha beta Delta gamma
    sortBy(-29);
    EXPECT_EQ(rows(grid), (std::vector<int>{3, 4, 1, 2}));
}

TEST_F(GridModelTest, OtherCodesLeaveTheOrderAlone) {
    sortBy(-26);
    const auto before = grid.GridRowOrder;
    for (int code : {0, 30, -30, 1000}) {
        sortBy(code);
        EXPECT_EQ(grid.GridRowOrder, before) << code;
    }
}

TEST_F(GridModelTest, CellTexts) {
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 1, 1), QStringLiteral("Один"));
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 2, 1), QString::number(a));     // BasePower
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 3, 1), QString::number(2 * a)); // BaseTime
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 4, 1), QString::number(10 * a + 1));
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 5, 1), QStringLiteral("1"));
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 6, 1), QString::number(100 * a + 1));
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 7, 1), QStringLiteral("Альфа"));
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 13, 1), QStringLiteral("Гамма"));
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 25, 1), QStringLiteral("Эпсилон"));
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 26, 1), QStringLiteral("5"));
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 27, 1), QStringLiteral("0.5"));
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 27, 2, QStringLiteral(",")), QStringLiteral("1,25"));
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 27, 4), QStringLiteral("2"));
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 28, 1), QStringLiteral("0000ABCD"));
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 28, 2), QStringLiteral("FFFFFFFF"));
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 28, 3), QStringLiteral("00000010"));
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 29, 1), QStringLiteral("beta"));
    // Rows follow the row order.
    sortBy(29);
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 1, 1), QStringLiteral("Два"));
}

TEST_F(GridModelTest, HeaderRowAndOutOfRangeCells) {
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 1, 0), QStringLiteral("Ингредиент"));
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 2, 0), QStringLiteral("Magnitude эф. 1"));
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 9, 0), QStringLiteral("Duration эф. 2"));
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 22, 0), QStringLiteral("Сила эф. 4"));
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 23, 0), QStringLiteral("Время эф. 4"));
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 24, 0), QStringLiteral("Цена эф. 4"));
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 19, 0), QStringLiteral("Эффект 3"));
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 26, 0), QStringLiteral("Цена"));
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 27, 0), QStringLiteral("Вес"));
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 28, 0), QStringLiteral("ID"));
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 29, 0), QStringLiteral("Name"));
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 0, 1), QString());
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 30, 1), QString());
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 1, -1), QString());
    EXPECT_EQ(GetGridData(data(), b.strengths(), grid, 1, 5), QString());
}

TEST_F(GridModelTest, ElementUnderACell) {
    sortBy(-26); // rows: 2, 1, 3, 4
    GridElement el = GetGridDataNum(data(), grid, 0, 1, 1);
    EXPECT_EQ(el.result, 2);
    EXPECT_EQ(el.item, 2);
    el = GetGridDataNum(data(), grid, 0, 7, 1);
    EXPECT_EQ(el.result, -1);
    EXPECT_EQ(el.item, 2);
    el = GetGridDataNum(data(), grid, 1, 13, 1); // item 2, slot 2
    EXPECT_EQ(el.result, d);
    EXPECT_EQ(GetGridDataNum(data(), grid, 1, 1, 1).result, -1);
    EXPECT_EQ(GetGridDataNum(data(), grid, 2, 7, 1).result, -1);
    el = GetGridDataNum(data(), grid, 0, 1, 0);
    EXPECT_EQ(el.result, -1);
    EXPECT_EQ(el.item, -1);
}

TEST(GridHeaderClick, SameColumnFlipsOtherColumnsStartAscending) {
    EXPECT_EQ(gridHeaderClickSortCode(0, 5), 5);
    EXPECT_EQ(gridHeaderClickSortCode(5, 5), -5);
    EXPECT_EQ(gridHeaderClickSortCode(-5, 5), 5);
    EXPECT_EQ(gridHeaderClickSortCode(-5, 29), 29);
    EXPECT_EQ(gridHeaderClickSortCode(-5, 0), -5);
    EXPECT_EQ(normalizeGridFindCol(0), 1);
    EXPECT_EQ(normalizeGridFindCol(30), 1);
    EXPECT_EQ(normalizeGridFindCol(29), 29);
}

TEST_F(GridModelTest, ShowItemFindsTheRowInGridOrder) {
    sortBy(-26); // rows: 2, 1, 3, 4
    auto t = ShowItemInGrid(data(), grid, 3, 0, false, 1, 200, 20);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->row, 3);
    EXPECT_EQ(t->column, 1);
    // Effect d: row 1 holds item 2 (slot 2); found before item 1 (slot 3).
    t = ShowItemInGrid(data(), grid, d, 1, false, 1, 200, 20);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->row, 1);
    EXPECT_EQ(t->column, 13);
    EXPECT_FALSE(ShowItemInGrid(data(), grid, 99, 0, false, 1, 200, 20));
    EXPECT_FALSE(ShowItemInGrid(data(), grid, 99, 1, false, 1, 200, 20));
    EXPECT_FALSE(ShowItemInGrid(data(), grid, 1, 2, false, 1, 200, 20));
    // By row: clamped to the data rows.
    t = ShowItemInGrid(data(), grid, 40, 2, true, 1, 200, 20);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->row, 4);
    EXPECT_EQ(t->column, 1);
    t = ShowItemInGrid(data(), grid, -3, 0, true, 1, 200, 20);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->row, 1);
}

TEST(GridScroll, TargetOutsideTheVisibleRowsIsCentred) {
    DataBuilder b;
    const int e = b.effect(QStringLiteral("Эффект"));
    for (int i = 0; i < 100; ++i)
        b.item(QStringLiteral("И%1").arg(i), {e, 0, 0, 0});
    GridState grid;
    resetGridRowOrder(b.data(), grid);
    // 10 visible rows (200 / 20).
    auto t = ShowItemInGrid(b.data(), grid, 15, 0, true, 10, 200, 20);
    EXPECT_EQ(t->topRow, 10);
    t = ShowItemInGrid(b.data(), grid, 20, 0, true, 10, 200, 20);
    EXPECT_EQ(t->topRow, 10);
    t = ShowItemInGrid(b.data(), grid, 21, 0, true, 10, 200, 20);
    EXPECT_EQ(t->topRow, 17);
    t = ShowItemInGrid(b.data(), grid, 9, 0, true, 10, 200, 20);
    EXPECT_EQ(t->topRow, 5);
    t = ShowItemInGrid(b.data(), grid, 2, 0, true, 50, 200, 20);
    EXPECT_EQ(t->topRow, 1);

    // (230 - 30) div 21 = 9 visible rows of 101.
    EXPECT_EQ(ScrollGrid(10, 1, 101, 230, 30, 20), 11);
    EXPECT_EQ(ScrollGrid(92, 1, 101, 230, 30, 20), 92);
    EXPECT_EQ(ScrollGrid(1, -1, 101, 230, 30, 20), 1);
    EXPECT_EQ(ScrollGrid(5, 0, 3, 230, 30, 20), 1);
    EXPECT_EQ(ScrollGrid(5, 1, 101, 10, 30, 20), 6); // at least one visible row
}

TEST_F(GridModelTest, MarkersAndEffectCounts) {
    EXPECT_EQ(gridMarkerAt(data(), grid, 7, 1), -1);
    grid.GridMarkers[2] = {true, a};
    grid.GridMarkers[3] = {true, a};
    grid.GridMarkers[0] = {false, a};
    EXPECT_EQ(gridMarkerAt(data(), grid, 7, 1), 2); // first switched-on marker
    EXPECT_EQ(gridMarkerAt(data(), grid, 6, 1), -1);
    EXPECT_EQ(gridMarkerAt(data(), grid, 7, 0), -1);
    EXPECT_EQ(gridMarkerAt(data(), grid, 7, 3), -1); // item 3 has c in slot 1

    setAllGridMarkers(data(), grid, 3);
    for (int m = 0; m < 4; ++m)
        EXPECT_TRUE(grid.GridMarkers[m].on);
    EXPECT_EQ(grid.GridMarkers[0].effect, c);
    EXPECT_EQ(grid.GridMarkers[3].effect, a);
    EXPECT_EQ(gridMarkerAt(data(), grid, 25, 3), 3);
    disableGridMarkers(grid);
    EXPECT_EQ(gridMarkerAt(data(), grid, 25, 3), -1);

    EXPECT_EQ(gridMarkerColor(1), 0x0000FF);
    EXPECT_EQ(gridMarkerColor(2), 0x00FF00);
    EXPECT_EQ(gridMarkerColor(3), 0xFFFF00);
    EXPECT_EQ(gridMarkerColor(4), 0x00FFFF);

    EXPECT_EQ(countItemsWithEffect(data(), a), 4);
    const int lonely = b.effect(QStringLiteral("Одинокий"));
    EXPECT_EQ(countItemsWithEffect(data(), lonely), 0);
    EXPECT_EQ(countItemsWithEffect(data(), 0), 0);
    EXPECT_EQ(countItemsWithEffectMessage(QStringLiteral("Альфа"), 4),
              QStringLiteral("Кол-во ингредиентов с эффектом \"Альфа\": 4        "));
}

TEST_F(GridModelTest, HeaderClickKeepsTheCurrentIngredient) {
    EXPECT_TRUE(gridHeaderClickCounts(5, 0, 5, 0));
    EXPECT_FALSE(gridHeaderClickCounts(5, 0, 6, 0)); // released in another cell
    EXPECT_FALSE(gridHeaderClickCounts(0, 0, 0, 0));
    EXPECT_FALSE(gridHeaderClickCounts(5, 1, 5, 1));

    // Row 2 shows ingredient 2; the current row follows it through both sorts.
    EXPECT_EQ(applyGridHeaderClick(data(), b.strengths(), grid, 26, 2), 4); // ascending: 4, 3, 1, 2
    EXPECT_EQ(grid.GridSortCode, 26);
    EXPECT_EQ(rows(grid), (std::vector<int>{4, 3, 1, 2}));
    EXPECT_EQ(applyGridHeaderClick(data(), b.strengths(), grid, 26, 4), 1); // ingredient 2 again
    EXPECT_EQ(grid.GridSortCode, -26);
    EXPECT_EQ(rows(grid), (std::vector<int>{2, 1, 3, 4}));
}

TEST_F(GridModelTest, PopupEnablingDependsOnTheCell) {
    GridPopupState s = gridPopupState(data(), grid, 13, 2);
    EXPECT_TRUE(s.effectCommands);
    EXPECT_TRUE(s.setAllMarkers);
    s = gridPopupState(data(), grid, 12, 2);
    EXPECT_FALSE(s.effectCommands);
    EXPECT_TRUE(s.setAllMarkers);
    s = gridPopupState(data(), grid, 13, 0);
    EXPECT_FALSE(s.effectCommands);
    EXPECT_FALSE(s.setAllMarkers);
}

} // namespace
} // namespace qor
