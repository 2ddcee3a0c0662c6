// The recipe list: the cap of AddPotion, the keys of the columns and the
// counting sort with its order of equal keys.

#include "engine/potion_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <random>

namespace qor {
namespace {

TPotionRec withCost(std::int32_t cost, std::int32_t tag) {
    TPotionRec rec;
    rec.Cost = cost;
    rec.UselessItem = tag; // identifies the record
    return rec;
}

std::vector<std::int32_t> tags(const PotionList &list) {
    std::vector<std::int32_t> out;
    for (const TPotionRec &rec : list.Potions())
        out.push_back(rec.UselessItem);
    return out;
}

// What the sort must give: by key, records with equal keys in the reverse
// of their previous order.
std::vector<std::int32_t> expectedOrder(const PotionList &list, int code) {
    std::vector<std::pair<std::int64_t, int>> keyed;
    for (int i = 0; i < list.PotionCount(); ++i) {
        const std::int64_t key = potionSortKey(list[i], std::abs(code));
        keyed.emplace_back(code > 0 ? key : -key, -i);
    }
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::int32_t> out;
    for (const auto &k : keyed)
        out.push_back(list[-k.second].UselessItem);
    return out;
}

class PotionListTest : public ::testing::Test {
  protected:
    std::unique_ptr<PotionList> list = std::make_unique<PotionList>();
};

TEST_F(PotionListTest, AddPotionDropsRecordsBeyondTheCapacity) {
    for (int i = 0; i < MaxPotions; ++i)
        ASSERT_TRUE(list->AddPotion(withCost(i, i)));
    EXPECT_TRUE(list->isFull());
    EXPECT_FALSE(list->AddPotion(withCost(7, -1)));
    EXPECT_EQ(list->PotionCount(), MaxPotions);
    EXPECT_EQ((*list)[MaxPotions - 1].UselessItem, MaxPotions - 1);
}

TEST_F(PotionListTest, EveryColumnHasItsKey) {
    TPotionRec rec;
    rec.PotionType = 1;
    rec.Cost = 2;
    rec.Items = {3, 4, 5};
    for (int s = 1; s <= 5; ++s)
        rec.Effects[std::size_t(s - 1)] = {4 * s + 5, 4 * s + 2, 4 * s + 3, 4 * s + 4};
    for (int column = 1; column <= 25; ++column)
        EXPECT_EQ(potionSortKey(rec, column), column) << column;
}

TEST_F(PotionListTest, EqualKeysComeOutReversedAndTwoSortsRestoreThem) {
    const std::array<std::int32_t, 6> costs{5, 3, 5, 3, 9, 3};
    for (int i = 0; i < 6; ++i)
        list->AddPotion(withCost(costs[std::size_t(i)], i));
    list->PotionSortCode = 2;
    list->SortPotions();
    EXPECT_EQ(tags(*list), (std::vector<std::int32_t>{5, 3, 1, 2, 0, 4}));
    list->SortPotions();
    EXPECT_EQ(tags(*list), (std::vector<std::int32_t>{1, 3, 5, 0, 2, 4}));
    list->PotionSortCode = -2;
    list->SortPotions();
    EXPECT_EQ(tags(*list), (std::vector<std::int32_t>{4, 2, 0, 5, 3, 1}));
}

TEST_F(PotionListTest, ThirdIngredientColumnPutsPairsFirstOrLast) {
    TPotionRec pair = withCost(0, 1);
    pair.Items = {4, 5, 0};
    TPotionRec triple = withCost(0, 2);
    triple.Items = {4, 5, 6};
    list->AddPotion(triple);
    list->AddPotion(pair);
    list->PotionSortCode = 5;
    list->SortPotions();
    EXPECT_EQ(tags(*list), (std::vector<std::int32_t>{1, 2}));
    list->PotionSortCode = -5;
    list->SortPotions();
    EXPECT_EQ(tags(*list), (std::vector<std::int32_t>{2, 1}));
}

TEST_F(PotionListTest, NoSortForFewRecordsOrAnInvalidCode) {
    list->AddPotion(withCost(9, 0));
    list->PotionSortCode = 2;
    list->SortPotions();
    EXPECT_EQ(tags(*list), (std::vector<std::int32_t>{0}));
    list->AddPotion(withCost(1, 1));
    for (std::int32_t code : {0, 26, -26, 1000, std::numeric_limits<std::int32_t>::min()}) {
        list->PotionSortCode = code;
        list->SortPotions();
        EXPECT_EQ(tags(*list), (std::vector<std::int32_t>{0, 1})) << code;
    }
}

TEST_F(PotionListTest, KeysBeyondNinetyThousandSortWithTheSameRule) {
    // Five slot prices of 30000 make a potion price of 150000; indices and
    // damaged records can hold any value, negative ones included.
    std::mt19937 rng(3);
    const std::array<std::int32_t, 9> specials{
        150000, 90001, 95000, 0, 250000, -7, 2000000000, std::numeric_limits<std::int32_t>::min(), 150000};
    for (int round = 0; round < 3; ++round) {
        list->clear();
        std::uniform_int_distribution<int> pick(0, round == 0 ? 4 : (round == 1 ? 5 : 8));
        for (int i = 0; i < 3000; ++i)
            list->AddPotion(
                withCost(specials[std::size_t(pick(rng))] + (round == 0 ? int(rng() % 3) : 0), i));
        for (int code : {2, -2, 2}) {
            const std::vector<std::int32_t> expected = expectedOrder(*list, code);
            list->PotionSortCode = code;
            list->SortPotions();
            ASSERT_EQ(tags(*list), expected) << "round " << round << " code " << code;
        }
    }
}

TEST_F(PotionListTest, SortScratchGrowsWithTheListItSorts) {
    // The counters start empty and grow as far as a sort needs them: first a
    // narrow key range, then the index array of the comparison sort for more
    // records than that range had keys.
    for (int i = 0; i < 40; ++i)
        list->AddPotion(withCost(i % 4, i));
    list->PotionSortCode = 2;
    list->SortPotions();
    EXPECT_EQ(list->Potions().front().Cost, 0);
    EXPECT_EQ(list->Potions().back().Cost, 3);
    std::mt19937 rng(17);
    for (int i = 0; i < 2000; ++i)
        list->AddPotion(withCost(int(rng()), 100 + i));
    for (int code : {-2, 2}) {
        const std::vector<std::int32_t> expected = expectedOrder(*list, code);
        list->PotionSortCode = code;
        list->SortPotions();
        ASSERT_EQ(tags(*list), expected) << code;
    }
    list->truncate(3);
    EXPECT_EQ(list->PotionCount(), 3);
    list->truncate(10);
    EXPECT_EQ(list->PotionCount(), 3);
    EXPECT_TRUE(list->AddPotion(withCost(5, -5)));
    EXPECT_EQ((*list)[3].UselessItem, -5);
}

TEST_F(PotionListTest, RandomRecordsSortByEveryColumn) {
    std::mt19937 rng(9);
    std::uniform_int_distribution<int> small(0, 12);
    for (int i = 0; i < 500; ++i) {
        TPotionRec rec = withCost(small(rng) * 1000, i);
        rec.PotionType = std::uint8_t(small(rng) % 2);
        rec.Items = {small(rng), small(rng), small(rng)};
        for (TPotionEffect &e : rec.Effects)
            e = {small(rng), small(rng), small(rng), small(rng)};
        list->AddPotion(rec);
    }
    for (int column = 1; column <= 25; ++column) {
        for (int code : {column, -column}) {
            const std::vector<std::int32_t> expected = expectedOrder(*list, code);
            list->PotionSortCode = code;
            list->SortPotions();
            ASSERT_EQ(tags(*list), expected) << code;
        }
    }
}

} // namespace
} // namespace qor
