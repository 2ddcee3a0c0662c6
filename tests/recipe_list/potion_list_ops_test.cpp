#include "recipe_list/empty_list_hint.h"
#include "recipe_list/model_test_data.h"
#include "recipe_list/potion_list_ops.h"

#include <gtest/gtest.h>

#include <vector>

namespace qor {
namespace {

using modeltest::listOf;
using modeltest::recipe;

std::vector<int> costs(const PotionList &list) {
    std::vector<int> out;
    for (const TPotionRec &rec : list.Potions())
        out.push_back(rec.Cost);
    return out;
}

TEST(LbPotionColumn, SectionsCoverHalfOpenRanges) {
    const std::vector<int> widths{10, 20, 0, 30};
    EXPECT_EQ(GetLbPotionColumn(0, widths), 0);
    EXPECT_EQ(GetLbPotionColumn(9, widths), 0);
    EXPECT_EQ(GetLbPotionColumn(10, widths), 1);
    EXPECT_EQ(GetLbPotionColumn(29, widths), 1);
    // A zero-width section covers nothing.
    EXPECT_EQ(GetLbPotionColumn(30, widths), 3);
    EXPECT_EQ(GetLbPotionColumn(59, widths), 3);
    EXPECT_EQ(GetLbPotionColumn(60, widths), -1);
    EXPECT_EQ(GetLbPotionColumn(-3, widths), -1);
    EXPECT_EQ(GetLbPotionColumn(5, std::vector<int>{}), -1);
}

TEST(LbPotionDataNum, OnlyElementColumnsOfExistingRowsAnswer) {
    TPotionRec rec = recipe({4, 7}, {2, 9});
    const auto list = listOf({rec});
    EXPECT_EQ(GetLbPotionDataNum(kElementItem, 3, 0, *list), 4);
    EXPECT_EQ(GetLbPotionDataNum(kElementItem, 4, 0, *list), 7);
    EXPECT_EQ(GetLbPotionDataNum(kElementItem, 5, 0, *list), 0); // no third ingredient
    EXPECT_EQ(GetLbPotionDataNum(kElementItem, 9, 0, *list), -1);
    EXPECT_EQ(GetLbPotionDataNum(kElementEffect, 9, 0, *list), 2);
    EXPECT_EQ(GetLbPotionDataNum(kElementEffect, 13, 0, *list), 9);
    EXPECT_EQ(GetLbPotionDataNum(kElementEffect, 17, 0, *list), 0);
    EXPECT_EQ(GetLbPotionDataNum(kElementEffect, 10, 0, *list), -1);
    EXPECT_EQ(GetLbPotionDataNum(kElementEffect, 3, 0, *list), -1);
    EXPECT_EQ(GetLbPotionDataNum(kElementItem, 3, 1, *list), -1);
    EXPECT_EQ(GetLbPotionDataNum(kElementItem, 3, -1, *list), -1);
    EXPECT_EQ(GetLbPotionDataNum(2, 3, 0, *list), -1);

    const ListElement onItem = listElementAt(*list, 4, 0);
    EXPECT_TRUE(onItem.isItem());
    EXPECT_EQ(onItem.item, 7);
    const ListElement onEffect = listElementAt(*list, 13, 0);
    EXPECT_TRUE(onEffect.isEffect());
    EXPECT_EQ(onEffect.effect, 9);
    EXPECT_FALSE(listElementAt(*list, 5, 0).isValid());
    EXPECT_FALSE(listElementAt(*list, 2, 0).isValid());
}

TEST(HeaderClick, SameColumnFlipsOtherColumnSortsAscending) {
    EXPECT_EQ(headerClickSortCode(0, 2), 2);
    EXPECT_EQ(headerClickSortCode(2, 2), -2);
    EXPECT_EQ(headerClickSortCode(-2, 2), 2);
    EXPECT_EQ(headerClickSortCode(-2, 5), 5);
    EXPECT_EQ(headerClickSortCode(7, 0), 7); // "№" is not clickable
    EXPECT_EQ(headerClickSortCode(7, 26), 7);
}

TEST(HeaderClick, SortsOnlyAListWithRecords) {
    auto empty = listOf({});
    EXPECT_FALSE(HeaderSectionClick(*empty, 2));
    EXPECT_EQ(empty->PotionSortCode, 2);

    auto list = listOf({recipe({1, 2}, {1}, 30), recipe({1, 3}, {1}, 10), recipe({2, 3}, {1}, 20)});
    EXPECT_TRUE(HeaderSectionClick(*list, 2));
    EXPECT_EQ(costs(*list), (std::vector<int>{10, 20, 30}));
    EXPECT_TRUE(HeaderSectionClick(*list, 2));
    EXPECT_EQ(list->PotionSortCode, -2);
    EXPECT_EQ(costs(*list), (std::vector<int>{30, 20, 10}));
    EXPECT_FALSE(HeaderSectionClick(*list, 0));
    EXPECT_EQ(list->PotionSortCode, -2);
}

TEST(MoveItems, DroppedIngredientMovesToTheTargetColumnInEveryRecipeHoldingIt) {
    auto list = listOf({recipe({1, 5, 3}, {1}, 1), recipe({2, 4}, {1}, 2), recipe({5, 2}, {1}, 3),
                        recipe({6, 7, 5}, {1}, 4)});
    ASSERT_TRUE(MoveAllItemsToAnyColumn(*list, 5, 1, 0, {false, true}, -1));
    EXPECT_EQ((*list)[0].Items, (std::array<int32_t, 3>{5, 1, 3}));
    EXPECT_EQ((*list)[1].Items, (std::array<int32_t, 3>{2, 4, 0}));
    EXPECT_EQ((*list)[2].Items, (std::array<int32_t, 3>{5, 2, 0}));
    EXPECT_EQ((*list)[3].Items, (std::array<int32_t, 3>{5, 7, 6}));

    // Column 3 exists only in three-ingredient recipes.
    ASSERT_TRUE(MoveAllItemsToAnyColumn(*list, 2, 3, 0, {false, true}, -1));
    EXPECT_EQ((*list)[1].Items, (std::array<int32_t, 3>{2, 4, 0}));
    EXPECT_EQ((*list)[2].Items, (std::array<int32_t, 3>{5, 2, 0}));
}

TEST(MoveItems, AltChangesOnlyTheSelectedRecipe) {
    auto list = listOf({recipe({1, 5}, {1}), recipe({2, 5}, {1}), recipe({3, 5}, {1})});
    ASSERT_TRUE(MoveAllItemsToAnyColumn(*list, 5, 1, 0, {true, true}, 1));
    EXPECT_EQ((*list)[0].Items[0], 1);
    EXPECT_EQ((*list)[1].Items[0], 5);
    EXPECT_EQ((*list)[2].Items[0], 3);
    // With nothing selected Alt changes nothing.
    ASSERT_TRUE(MoveAllItemsToAnyColumn(*list, 5, 1, 0, {true, true}, -1));
    EXPECT_EQ((*list)[0].Items[0], 1);
}

TEST(MoveItems, ColumnSwapAppliesToRecipesHavingBothColumns) {
    auto list = listOf({recipe({1, 2, 3}, {1}), recipe({4, 5}, {1})});
    // Mode 1 ignores Alt: every recipe.
    ASSERT_TRUE(MoveAllItemsToAnyColumn(*list, 3, 1, 1, {true, true}, 0));
    EXPECT_EQ((*list)[0].Items, (std::array<int32_t, 3>{3, 2, 1}));
    EXPECT_EQ((*list)[1].Items, (std::array<int32_t, 3>{4, 5, 0}));
    ASSERT_TRUE(MoveAllItemsToAnyColumn(*list, 2, 1, 1, {false, true}, 0));
    EXPECT_EQ((*list)[1].Items, (std::array<int32_t, 3>{5, 4, 0}));
}

TEST(MoveItems, RefusedArgumentsChangeNothing) {
    auto list = listOf({recipe({1, 2, 3}, {1})});
    EXPECT_FALSE(MoveAllItemsToAnyColumn(*list, 0, 1, 0, {}, 0));
    EXPECT_FALSE(MoveAllItemsToAnyColumn(*list, 2, 0, 0, {}, 0));
    EXPECT_FALSE(MoveAllItemsToAnyColumn(*list, 2, 4, 0, {}, 0));
    EXPECT_FALSE(MoveAllItemsToAnyColumn(*list, 4, 1, 1, {}, 0));
    EXPECT_FALSE(MoveAllItemsToAnyColumn(*list, 2, 1, 2, {}, 0));
    EXPECT_FALSE(MoveAllEffectsToAnyColumn(*list, 1, 6, 0, {}, 0));
    EXPECT_FALSE(MoveAllEffectsToAnyColumn(*list, 6, 1, 1, {}, 0));
    EXPECT_EQ((*list)[0].Items, (std::array<int32_t, 3>{1, 2, 3}));
}

TEST(MoveItems, WithoutShiftTheListIsSortedAgainKeepingEqualKeysInOrder) {
    // Sorted by ingredient 1; the costs tell the records apart.
    auto list = listOf(
        {recipe({1, 9}, {1}, 1), recipe({2, 9}, {1}, 2), recipe({2, 8}, {1}, 3), recipe({3, 8}, {1}, 4)});
    list->PotionSortCode = 3;
    ASSERT_TRUE(MoveAllItemsToAnyColumn(*list, 8, 1, 0, {}, -1));
    // Records 3 and 4 now start with 8; records 1 and 2 keep 1 and 2 and their order.
    EXPECT_EQ(costs(*list), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ((*list)[2].Items[0], 8);
    EXPECT_EQ((*list)[3].Items[0], 8);

    ASSERT_TRUE(MoveAllItemsToAnyColumn(*list, 9, 1, 0, {}, -1));
    // 9 now leads records 1 and 2; equal keys 8 and 9 keep their relative order.
    EXPECT_EQ(costs(*list), (std::vector<int>{3, 4, 1, 2}));

    // With Shift the order stays as the swap left it.
    list->PotionSortCode = 2;
    ASSERT_TRUE(MoveAllItemsToAnyColumn(*list, 1, 1, 1, {false, true}, -1));
    EXPECT_EQ(costs(*list), (std::vector<int>{3, 4, 1, 2}));
}

TEST(MoveEffects, MainEffectSlotFollowsItsEffect) {
    TPotionRec a = recipe({1, 2}, {10, 20, 30});
    TPotionRec b = recipe({1, 3}, {10, 20, 30});
    b.MainEffSlot = 3;
    TPotionRec c = recipe({1, 4}, {10, 20, 30});
    c.MainEffSlot = 2;
    auto list = listOf({a, b, c});
    ASSERT_TRUE(MoveAllEffectsToAnyColumn(*list, 30, 1, 0, {false, true}, -1));
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ((*list)[row].Effects[0].Effect, 30);
        EXPECT_EQ((*list)[row].Effects[0].Power, 300); // the whole slot moves
        EXPECT_EQ((*list)[row].Effects[2].Effect, 10);
    }
    EXPECT_EQ((*list)[0].MainEffSlot, 3);
    EXPECT_EQ((*list)[1].MainEffSlot, 1);
    EXPECT_EQ((*list)[2].MainEffSlot, 2);
    EXPECT_EQ((*list)[0].PotionType, a.PotionType);
}

TEST(MoveEffects, OnlyFilledSlotsTakePart) {
    TPotionRec shortRec = recipe({1, 2}, {10, 20});
    shortRec.Effects[3].Effect = 40; // stale data beyond EffCount is ignored
    auto list = listOf({shortRec, recipe({1, 3}, {10, 20, 30, 40})});
    ASSERT_TRUE(MoveAllEffectsToAnyColumn(*list, 40, 2, 0, {false, true}, -1));
    EXPECT_EQ((*list)[0].Effects[1].Effect, 20);
    EXPECT_EQ((*list)[1].Effects[1].Effect, 40);
    EXPECT_EQ((*list)[1].Effects[3].Effect, 20);
    // Target slot 3 does not exist in a two-effect recipe.
    ASSERT_TRUE(MoveAllEffectsToAnyColumn(*list, 1, 3, 1, {false, true}, -1));
    EXPECT_EQ((*list)[0].Effects[0].Effect, 10);
    EXPECT_EQ((*list)[1].Effects[0].Effect, 30);
    EXPECT_EQ((*list)[1].MainEffSlot, 3);
}

TEST(DeleteWithElement, KeepsTheOrderOfTheRestAndClampsTheSelection) {
    TPotionRec withStaleEffect = recipe({4, 5}, {1, 2}, 6);
    withStaleEffect.Effects[2].Effect = 3; // beyond EffCount: does not count
    auto list = listOf({recipe({1, 2}, {3}, 1), recipe({2, 3}, {1}, 2), recipe({4, 2, 1}, {1}, 3),
                        recipe({4, 5}, {1}, 4), recipe({5, 6}, {3}, 5), withStaleEffect});
    ListChange change = DeletePotionsWithCurElement(*list, {2, -1}, 5);
    EXPECT_TRUE(change.changed);
    EXPECT_EQ(costs(*list), (std::vector<int>{4, 5, 6}));
    EXPECT_EQ(change.selectedRow, 2);

    change = DeletePotionsWithCurElement(*list, {0, 3}, 1);
    EXPECT_EQ(costs(*list), (std::vector<int>{4, 6}));
    EXPECT_EQ(change.selectedRow, 1);

    change = DeletePotionsWithCurElement(*list, {9, -1}, 1);
    EXPECT_FALSE(change.changed);
    EXPECT_EQ(change.selectedRow, 1);

    // No element under the point: nothing happens.
    change = DeletePotionsWithCurElement(*list, {0, 0}, 0);
    EXPECT_FALSE(change.changed);
    EXPECT_EQ(list->PotionCount(), 2);

    change = DeletePotionsWithCurElement(*list, {0, 1}, 0);
    EXPECT_EQ(list->PotionCount(), 0);
    EXPECT_EQ(change.selectedRow, -1);
}

TEST(DeleteSelected, SelectionStaysOrMovesToTheNewLastRow) {
    auto list = listOf({recipe({1, 2}, {1}, 1), recipe({1, 3}, {1}, 2), recipe({1, 4}, {1}, 3)});
    ListChange change = deleteSelectedPotion(*list, 1);
    EXPECT_TRUE(change.changed);
    EXPECT_EQ(costs(*list), (std::vector<int>{1, 3}));
    EXPECT_EQ(change.selectedRow, 1);
    change = deleteSelectedPotion(*list, 1);
    EXPECT_EQ(costs(*list), (std::vector<int>{1}));
    EXPECT_EQ(change.selectedRow, 0);
    change = deleteSelectedPotion(*list, -1);
    EXPECT_FALSE(change.changed);
    EXPECT_EQ(list->PotionCount(), 1);
    change = deleteSelectedPotion(*list, 0);
    EXPECT_EQ(list->PotionCount(), 0);
    EXPECT_EQ(change.selectedRow, -1);
}

TEST(CountWithElement, EachRecipeCountsOnceAndOnlyFilledPositions) {
    TPotionRec twoEffects = recipe({1, 2}, {5, 6});
    twoEffects.Effects[2].Effect = 7;
    TPotionRec stale = recipe({3, 4}, {5});
    stale.Items[2] = 1; // beyond ItemCount
    auto list = listOf({recipe({1, 2, 3}, {5, 7}), twoEffects, stale});
    EXPECT_EQ(countPotionsWithElement(*list, {1, -1}), 2);
    EXPECT_EQ(countPotionsWithElement(*list, {3, -1}), 2);
    EXPECT_EQ(countPotionsWithElement(*list, {0, 5}), 3);
    EXPECT_EQ(countPotionsWithElement(*list, {0, 7}), 1);
    EXPECT_EQ(countPotionsWithElement(*list, {0, 0}), -1);
}

// Each cause of an empty list right at its edge: the pairs hint starts at the
// fifth wanted effect, the price hint needs both bounds 0 and the test on.
TEST(EmptyRecipeListHint, EachCauseStartsAtItsBoundary) {
    modeltest::DataBuilder builder;
    for (int e = 1; e <= kEffectLines; ++e)
        builder.effect(QStringLiteral("E%1").arg(e));
    GameData &data = builder.data();
    data.CostList = {0, 0, 1};
    const auto hint = [&](const SearchConditions &cond) {
        return emptyRecipeListHint(data, SearchType::FromEffects, cond);
    };
    SearchConditions cond;
    EXPECT_EQ(emptyRecipeListHint(data, SearchType::None, cond), kHintChooseCondition);
    EXPECT_EQ(emptyRecipeListHint(data, SearchType::FromItems, cond), kHintNoItemsPotion);
    EXPECT_EQ(emptyRecipeListHint(data, SearchType::AltMaking, cond), kHintAltEmpty);
    EXPECT_EQ(hint(cond), kHintChooseCondition);

    for (int e = 1; e <= 4; ++e)
        cond.WantedEffect[std::size_t(e - 1)] = e;
    EXPECT_EQ(hint(cond), kHintNoMatch); // four effects: a pair can hold them
    cond.WantedEffect[4] = 5;
    EXPECT_EQ(hint(cond), kHintPairsTooFewEffects);
    cond.ItemsCountMode = 1;
    EXPECT_EQ(hint(cond), kHintNoMatch);
    cond.ItemsCountMode = 2;
    EXPECT_EQ(hint(cond), kHintNoMatch);
    cond.ItemsCountMode = 0;
    cond.EffectEnabled[4] = false;
    EXPECT_EQ(hint(cond), kHintNoMatch);
    cond.EffectEnabled[4] = true;

    // Bounds 0 and 0 come before the pairs hint; one bound above 0 or the
    // test off leaves them out.
    cond.CostMinIndex = 0;
    cond.CostMaxIndex = 1;
    EXPECT_EQ(hint(cond), kHintPairsTooFewEffects);
    cond.CheckCost = true;
    EXPECT_EQ(hint(cond), kHintPriceBoundsZero);
    cond.CostMaxIndex = 2;
    EXPECT_EQ(hint(cond), kHintPairsTooFewEffects);
}

} // namespace
} // namespace qor
