#include "engine/alt_making.h"
#include "recipe_list/model_test_data.h"

#include <gtest/gtest.h>

#include <numeric>

namespace qor {
namespace {

using modeltest::DataBuilder;
using Ints = std::vector<std::int32_t>;

Ints range(int from, int to) {
    Ints v(static_cast<std::size_t>(to - from + 1));
    std::iota(v.begin(), v.end(), from);
    return v;
}

class AltMakingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int e = 1; e <= 13; ++e)
            b.effect(QStringLiteral("Эффект %1").arg(e));
        b.item(QStringLiteral("И1"), {1, 2, 3, 4});
        b.item(QStringLiteral("И2"), {1, 5, 6, 7});
        b.item(QStringLiteral("И3"), {2, 5, 8, 9});
        b.item(QStringLiteral("И4"), {6, 8, 9, 10});
        b.item(QStringLiteral("И5"), {4, 7, 9, 10});
        b.item(QStringLiteral("И6"), {11, 0, 0, 0}); // empty slots share nothing
        b.item(QStringLiteral("И7"), {12, 0, 0, 0});
        b.item(QStringLiteral("И8"), {2, 11, 12, 13});
        list = std::make_unique<PotionList>();
        sel.candidates = alt.preparePage(b.data(), -1);
    }
    bool addItem(int item) { return alt.AltAddItem(b.data(), b.strengths(), false, *list, item, sel); }
    bool addEffect(int e) { return alt.AltAddEffect(b.data(), b.strengths(), false, *list, e, sel); }
    bool delItem(int pos) { return alt.AltDelItem(b.data(), b.strengths(), false, *list, pos, sel); }
    bool delEffect(int pos) { return alt.AltDelEffect(b.data(), b.strengths(), false, *list, pos, sel); }

    DataBuilder b;
    AltMaking alt;
    AltSelection sel;
    std::unique_ptr<PotionList> list;
};

TEST_F(AltMakingTest, EmptyPageOffersEveryIngredientAndEffect) {
    EXPECT_EQ(alt.AltCandidates, range(1, 8));
    EXPECT_EQ(alt.reachableEffects(true), range(1, 13));
    EXPECT_TRUE(alt.reachableEffects(false).empty());
    EXPECT_EQ(sel.candidates, 0);
}

TEST_F(AltMakingTest, RequiredEffectsAloneSelectTheIngredientsHavingAllOfThem) {
    ASSERT_TRUE(addEffect(1));
    EXPECT_EQ(alt.AltCandidates, (Ints{1, 2}));
    ASSERT_TRUE(delEffect(0));
    ASSERT_TRUE(addEffect(9));
    EXPECT_EQ(alt.AltCandidates, (Ints{3, 4, 5}));
    ASSERT_TRUE(addEffect(10));
    EXPECT_EQ(alt.AltCandidates, (Ints{4, 5}));
    // Adding effects alone never narrows the reachable effects.
    EXPECT_EQ(alt.reachableEffects(true), range(1, 13));
}

TEST_F(AltMakingTest, OneChosenIngredientWithTheRequiredEffect) {
    ASSERT_TRUE(addItem(1));
    ASSERT_TRUE(addEffect(1));
    // m = 1 + 1 = 2: the candidate must share an effect and have effect 1.
    EXPECT_EQ(alt.AltCandidates, (Ints{2}));
    EXPECT_EQ(alt.reachableEffects(true), (Ints{1, 2, 3, 4}));
    EXPECT_EQ(alt.reachableEffects(false), range(5, 13));
    // Rows: the reachable ones first, each group ascending.
    ASSERT_EQ(alt.AltEffectRows.size(), 13u);
    EXPECT_EQ(alt.AltEffectRows[3], (AltEffectRow{4, true}));
    EXPECT_EQ(alt.AltEffectRows[4], (AltEffectRow{5, false}));
}

TEST_F(AltMakingTest, TwoChosenIngredientsHavingTheRequiredEffectAcceptAnySharingIngredient) {
    ASSERT_TRUE(addItem(1));
    ASSERT_TRUE(addItem(2));
    ASSERT_TRUE(addEffect(1));
    // m = 2 at once; the candidate's own effects no longer count.
    EXPECT_EQ(alt.AltCandidates, (Ints{3, 4, 5, 8}));
    EXPECT_EQ(alt.reachableEffects(true), range(1, 7));
}

TEST_F(AltMakingTest, RunningCountOverSeveralRequiredEffects) {
    // Chosen И1 {1,2,3,4} and И3 {2,5,8,9}; required 1 then 2; target 4.
    ASSERT_TRUE(addItem(1));
    ASSERT_TRUE(addItem(3));
    ASSERT_TRUE(addEffect(1));
    ASSERT_TRUE(addEffect(2));
    // И2 has 1: 1 + 1, then + 2 = 4. И8 lacks 1 but has 2: 1, then + 2 = 3,
    // then + 1 = 4 - the running total accepts it too. И4 and И5 reach 3.
    EXPECT_EQ(alt.AltCandidates, (Ints{2, 8}));
}

TEST_F(AltMakingTest, EmptySlotsAreNotSharedEffects) {
    ASSERT_TRUE(addItem(6));
    // И7 has only effect 0 in common with И6; И8 shares effect 11.
    EXPECT_EQ(alt.AltCandidates, (Ints{8}));
    EXPECT_EQ(alt.reachableEffects(true), (Ints{11}));
}

TEST_F(AltMakingTest, ThreeChosenIngredientsCloseTheLists) {
    ASSERT_TRUE(addItem(1));
    ASSERT_TRUE(addItem(2));
    ASSERT_TRUE(addItem(3));
    EXPECT_TRUE(alt.AltCandidates.empty());
    EXPECT_EQ(sel.candidates, -1);
    EXPECT_TRUE(alt.reachableEffects(true).empty());
    EXPECT_EQ(alt.reachableEffects(false), range(1, 13));
    EXPECT_EQ(alt.AltItemEffects, (Ints{1, 2, 3, 4, 1, 5, 6, 7, 2, 5, 8, 9}));
}

TEST_F(AltMakingTest, RefusedAdditionsChangeNothing) {
    ASSERT_TRUE(addItem(1));
    EXPECT_FALSE(addItem(1));
    EXPECT_FALSE(addItem(0));
    EXPECT_FALSE(addItem(9));
    ASSERT_TRUE(addItem(2));
    ASSERT_TRUE(addItem(3));
    EXPECT_FALSE(addItem(4));
    EXPECT_EQ(alt.AltItems, (Ints{1, 2, 3}));

    for (int e = 1; e <= 5; ++e)
        ASSERT_TRUE(addEffect(e));
    EXPECT_FALSE(addEffect(6));
    EXPECT_FALSE(addEffect(3));
    EXPECT_FALSE(addEffect(0));
    EXPECT_FALSE(addEffect(14));
    EXPECT_EQ(alt.AltEffects, range(1, 5));
}

TEST_F(AltMakingTest, RemovalKeepsTheRowOrMovesToTheNewLastRow) {
    ASSERT_TRUE(addItem(1));
    ASSERT_TRUE(addItem(2));
    ASSERT_TRUE(addItem(3));
    sel.amountItems = 2;
    ASSERT_TRUE(delItem(2));
    EXPECT_EQ(alt.AltItems, (Ints{1, 2}));
    EXPECT_EQ(sel.amountItems, 1);
    // The lists open again once fewer than three are chosen.
    EXPECT_EQ(alt.AltCandidates, (Ints{3, 4, 5, 8}));

    ASSERT_TRUE(addItem(4));
    sel.amountItems = 1;
    ASSERT_TRUE(delItem(1));
    EXPECT_EQ(alt.AltItems, (Ints{1, 4}));
    EXPECT_EQ(sel.amountItems, 1);
    EXPECT_FALSE(delItem(2));
    EXPECT_FALSE(delItem(-1));

    ASSERT_TRUE(addEffect(9));
    sel.amountEffects = 0;
    ASSERT_TRUE(delEffect(0));
    EXPECT_TRUE(alt.AltEffects.empty());
    EXPECT_EQ(sel.amountEffects, -1);
    EXPECT_FALSE(delEffect(0));
}

TEST_F(AltMakingTest, CandidateSelectionFollowsTheRememberedIngredient) {
    ASSERT_TRUE(addEffect(9)); // candidates 3, 4, 5
    sel.candidates = 2;        // ingredient 5
    ASSERT_TRUE(addEffect(4)); // candidates 5 only
    EXPECT_EQ(alt.AltCandidates, (Ints{5}));
    EXPECT_EQ(sel.candidates, 0);
    ASSERT_TRUE(delEffect(1)); // back to 3, 4, 5: still ingredient 5
    EXPECT_EQ(sel.candidates, 2);
    ASSERT_TRUE(addEffect(8)); // 3, 4: ingredient 5 gone, the largest below it
    EXPECT_EQ(alt.AltCandidates, (Ints{3, 4}));
    EXPECT_EQ(sel.candidates, 1);
    sel.candidates = 0; // ingredient 3
    ASSERT_TRUE(delEffect(1));
    ASSERT_TRUE(addEffect(10)); // 4, 5: nothing at or below 3, first row
    EXPECT_EQ(alt.AltCandidates, (Ints{4, 5}));
    EXPECT_EQ(sel.candidates, 0);
    ASSERT_TRUE(addEffect(1)); // nobody
    EXPECT_EQ(sel.candidates, -1);
}

TEST_F(AltMakingTest, RunningCountStopsAtTwoWithoutChosenIngredients) {
    // И4 has 9, 8 and 10, but the count reaches 2 after the second effect and
    // the third is then not added: three required effects alone find nobody.
    ASSERT_TRUE(addEffect(9));
    ASSERT_TRUE(addEffect(8));
    EXPECT_EQ(alt.AltCandidates, (Ints{3, 4}));
    ASSERT_TRUE(addEffect(10));
    EXPECT_TRUE(alt.AltCandidates.empty());
}

TEST_F(AltMakingTest, TheRecipeListHoldsOnlyTheChosenPotion) {
    list->AddPotion(modeltest::recipe({4, 5}, {9}));
    list->AddPotion(modeltest::recipe({3, 4}, {9}));
    ASSERT_TRUE(addItem(1));
    EXPECT_EQ(list->PotionCount(), 0);
    ASSERT_TRUE(addItem(2));
    ASSERT_EQ(list->PotionCount(), 1);
    EXPECT_EQ((*list)[0].Items, (std::array<std::int32_t, 3>{1, 2, 0}));
    EXPECT_EQ((*list)[0].Effects[0].Effect, 1);
    // A third ingredient that shares nothing more is still evaluated leniently.
    ASSERT_TRUE(addItem(6));
    ASSERT_EQ(list->PotionCount(), 1);
    EXPECT_EQ((*list)[0].UselessItem, 6);
    ASSERT_TRUE(delItem(0));
    EXPECT_EQ(list->PotionCount(), 0); // И2 and И6 share nothing
    EXPECT_TRUE(alt.AltMakePotion(b.data(), b.strengths(), false, *list) == false);
}

} // namespace
} // namespace qor
