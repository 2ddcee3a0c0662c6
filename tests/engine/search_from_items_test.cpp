#include "engine/search_from_items.h"
#include "recipe_list/model_test_data.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using modeltest::DataBuilder;

class SearchFromItemsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int e = 1; e <= 16; ++e)
            b.effect(QStringLiteral("Эффект %1").arg(e), e == 5);
        a = b.item(QStringLiteral("А"), {1, 2, 3, 4});
        bb = b.item(QStringLiteral("Б"), {1, 5, 6, 7});
        c = b.item(QStringLiteral("В"), {11, 12, 13, 14}); // shares nothing
        d = b.item(QStringLiteral("Г"), {2, 5, 15, 16});
        list = std::make_unique<PotionList>();
    }
    bool search(std::array<int, 3> items, bool clearFirst = true) {
        return SearshFromItems(b.data(), b.strengths(), false, items, clearFirst, *list);
    }

    DataBuilder b;
    int a = 0, bb = 0, c = 0, d = 0;
    std::unique_ptr<PotionList> list;
};

TEST_F(SearchFromItemsTest, OneIngredientMakesNothingAndClearingEmptiesTheList) {
    ASSERT_TRUE(search({a, bb, 0}));
    EXPECT_FALSE(search({a, 0, 0}));
    EXPECT_EQ(list->PotionCount(), 0);
    EXPECT_FALSE(search({0, 0, d}));
    EXPECT_FALSE(search({0, 0, 0}));
    // Two ingredients without a common effect.
    EXPECT_FALSE(search({a, c, 0}));
    EXPECT_EQ(list->PotionCount(), 0);
}

TEST_F(SearchFromItemsTest, RepeatedIngredientCountsOnce) {
    ASSERT_TRUE(search({a, a, bb}));
    ASSERT_EQ(list->PotionCount(), 1);
    const TPotionRec &rec = (*list)[0];
    EXPECT_EQ(rec.ItemCount, 2);
    EXPECT_EQ(rec.Items, (std::array<std::int32_t, 3>{a, bb, 0}));
    EXPECT_EQ(rec.EffCount, 1);
    EXPECT_EQ(rec.Effects[0].Effect, 1);
}

TEST_F(SearchFromItemsTest, IngredientThatContributesNothingIsStillListed) {
    ASSERT_TRUE(search({a, bb, c}));
    ASSERT_EQ(list->PotionCount(), 1);
    EXPECT_EQ((*list)[0].ItemCount, 3);
    EXPECT_EQ((*list)[0].UselessItem, c);
}

TEST_F(SearchFromItemsTest, WithoutClearingTheRecipeIsAppendedUnsorted) {
    list->PotionSortCode = -3; // descending by ingredient 1
    ASSERT_TRUE(search({d, a, 0}, false));
    ASSERT_TRUE(search({a, bb, 0}, false));
    ASSERT_TRUE(search({a, bb, 0}, false)); // repeats are kept
    ASSERT_EQ(list->PotionCount(), 3);
    EXPECT_EQ((*list)[0].Items[0], d);
    EXPECT_EQ((*list)[1].Items[0], a);
    EXPECT_EQ((*list)[2].Items[0], a);
    // A failed combination leaves the appended list alone.
    EXPECT_FALSE(search({a, c, 0}, false));
    EXPECT_EQ(list->PotionCount(), 3);
    EXPECT_EQ(selectionAfterItemSearch(false, 1, 3), 1);
    EXPECT_EQ(selectionAfterItemSearch(false, -1, 3), 0);
    EXPECT_EQ(selectionAfterItemSearch(true, 2, 3), 0);
    EXPECT_EQ(selectionAfterItemSearch(true, 2, 0), -1);
}

TEST_F(SearchFromItemsTest, IndicesOutsideTheTablesTakeNoPart) {
    ASSERT_TRUE(search({a, 999, bb}));
    EXPECT_EQ((*list)[0].Items, (std::array<std::int32_t, 3>{a, bb, 0}));
    EXPECT_FALSE(search({-4, a, 99}));
}

TEST_F(SearchFromItemsTest, AFullListDropsTheRecipe) {
    const TPotionRec filler = modeltest::recipe({a, bb}, {1});
    while (!list->isFull())
        list->AddPotion(filler);
    EXPECT_FALSE(search({a, d, 0}, false));
    EXPECT_EQ(list->PotionCount(), MaxPotions);
    EXPECT_EQ((*list)[MaxPotions - 1].Items[1], bb);
}

} // namespace
} // namespace qor
