// EvaluatePotion: normalisation, shared effects and their winners, the
// three-way rules, the cut to five, strict rejections, purity and the order
// of the effects.

#include "common/test_data.h"
#include "engine/evaluate_potion.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::addEffect;
using test::addItem;
using test::effect;

// Ingredient index whose slot supplied the values of a potion slot.
int winnerOf(const TPotionEffect &e) {
    return e.Time >= 100 ? e.Time - 100 : e.Time;
}

class EvaluatePotionTest : public ::testing::Test {
  protected:
    // Effects 1..12: 1..6 beneficial, 7..12 harmful.
    void SetUp() override {
        dataSet = test::emptyDataSet();
        for (int e = 1; e <= 12; ++e)
            addEffect(dataSet, effect(e > 6));
    }
    // The tables and their strengths for the default skills.
    GameData build() {
        GameData data = test::buildData(dataSet);
        strengths = RecalcItemEffects(data, SkillSettings{});
        return data;
    }
    // Slot values that identify which ingredient's slot won: Power = cost + 1000,
    // PowerPlain = cost + 2000, Time = item, TimePlain = item + 100.
    void setSlot(int item, int slot, std::int32_t cost, std::int32_t costPlain = -1) {
        SlotStrength &e = strengths.item(item)[std::size_t(slot)];
        e.Cost = cost;
        e.CostPlain = costPlain < 0 ? cost : costPlain;
        e.Power = cost + 1000;
        e.PowerPlain = cost + 2000;
        e.Time = item;
        e.TimePlain = item + 100;
    }
    bool eval(const GameData &data, int i1, int i2, int i3, bool strict, bool purity = false) {
        return EvaluatePotion(data, strengths, purity, rec, i1, i2, i3, strict);
    }
    DataSetDescription dataSet;
    EffectStrengths strengths;
    TPotionRec rec;
};

TEST_F(EvaluatePotionTest, WorkedExampleWithAndWithoutPurity) {
    // P: X (beneficial, 50), Y (harmful, 20); Q: Y (30, plain 24), X (40).
    const int x = 1;
    const int y = 7;
    const int p = addItem(dataSet, {{x, 1, 0}, {y, 1, 0}, {2, 1, 0}, {3, 1, 0}});
    const int q = addItem(dataSet, {{y, 1, 0}, {x, 1, 0}, {4, 1, 0}, {5, 1, 0}});
    GameData data = build();
    setSlot(p, 0, 50);
    setSlot(p, 1, 20);
    setSlot(q, 0, 30, 24);
    setSlot(q, 1, 40);

    ASSERT_TRUE(eval(data, p, q, 0, true));
    EXPECT_EQ(rec.EffCount, 2);
    EXPECT_EQ(rec.ItemCount, 2);
    EXPECT_EQ(rec.MainEffSlot, 1);
    EXPECT_EQ(rec.PotionType, 0);
    EXPECT_EQ(rec.Cost, 74);
    EXPECT_EQ(rec.UselessItem, 0);
    EXPECT_EQ(rec.Effects[0].Effect, x);
    EXPECT_EQ(rec.Effects[0].Power, 1050); // P's bonus values
    EXPECT_EQ(rec.Effects[1].Effect, y);
    EXPECT_EQ(rec.Effects[1].Power, 2030); // Q's plain values
    EXPECT_EQ(rec.Effects[1].Time, q + 100);
    EXPECT_EQ(rec.Effects[1].Cost, 24);
    EXPECT_EQ(rec.Effects[2], TPotionEffect{});
    EXPECT_EQ(rec.Items, (std::array<std::int32_t, 3>{p, q, 0}));

    ASSERT_TRUE(eval(data, p, q, 0, true, true));
    EXPECT_EQ(rec.EffCount, 1);
    EXPECT_EQ(rec.Cost, 50);
    EXPECT_EQ(rec.UselessItem, 0);
    EXPECT_EQ(rec.Effects[1], TPotionEffect{});
}

TEST_F(EvaluatePotionTest, NormalisesRepeatedAndMissingIngredients) {
    const int i5 = addItem(dataSet, {{1, 1, 0}, {2, 1, 0}, {3, 1, 0}, {4, 1, 0}});
    const int i7 = addItem(dataSet, {{1, 1, 0}, {8, 1, 0}, {9, 1, 0}, {10, 1, 0}});
    const GameData data = build();
    EXPECT_FALSE(eval(data, i5, i5, 0, false));
    EXPECT_FALSE(eval(data, i5, i5, i5, false));
    EXPECT_FALSE(eval(data, 0, 0, i5, false));
    for (auto [a, b, c] : {std::array{i5, i7, i5}, std::array{0, i5, i7}, std::array{i5, 0, i7}}) {
        ASSERT_TRUE(eval(data, a, b, c, true)) << a << ' ' << b << ' ' << c;
        EXPECT_EQ(rec.Items, (std::array<std::int32_t, 3>{i5, i7, 0}));
        EXPECT_EQ(rec.ItemCount, 2);
    }
}

TEST_F(EvaluatePotionTest, RejectsIndicesOutsideTheTableAndUnsharedOrEmptySlots) {
    const int a = addItem(dataSet, {{1, 1, 0}, {0, 0, 0}, {3, 1, 0}, {4, 1, 0}});
    const int b = addItem(dataSet, {{2, 1, 0}, {0, 0, 0}, {5, 1, 0}, {6, 1, 0}});
    const GameData data = build();
    EXPECT_FALSE(eval(data, a, b, 0, false)); // only the empty slots agree
    EXPECT_FALSE(eval(data, a, b + 1, 0, false));
    EXPECT_FALSE(eval(data, -1, a, b, false));
    EXPECT_FALSE(eval(data, a, 1 << 30, 0, false));
}

TEST_F(EvaluatePotionTest, EffectIndicesOutsideTheTableAreNeverShared) {
    const int a = addItem(dataSet, {{1, 1, 0}, {2, 1, 0}, {3, 1, 0}, {4, 1, 0}});
    const int b = addItem(dataSet, {{1, 1, 0}, {2, 1, 0}, {5, 1, 0}, {6, 1, 0}});
    GameData data = build();
    data.ItemTable[std::size_t(a)].Eff[0].Effect = 40;
    data.ItemTable[std::size_t(b)].Eff[0].Effect = 40;
    strengths = RecalcItemEffects(data, SkillSettings{});
    ASSERT_TRUE(eval(data, a, b, 0, true));
    EXPECT_EQ(rec.EffCount, 1);
    EXPECT_EQ(rec.Effects[0].Effect, 2);
    // Tables built without any effect record.
    data.EffectTable.resize(1);
    strengths = RecalcItemEffects(data, SkillSettings{});
    EXPECT_FALSE(eval(data, a, b, 0, false));
}

TEST_F(EvaluatePotionTest, EqualPricesGoToTheFirstIngredient) {
    const int a = addItem(dataSet, {{1, 1, 0}, {2, 1, 0}, {3, 1, 0}, {4, 1, 0}});
    const int b = addItem(dataSet, {{5, 1, 0}, {1, 1, 0}, {8, 1, 0}, {9, 1, 0}});
    GameData data = build();
    setSlot(a, 0, 40);
    setSlot(b, 1, 40);
    ASSERT_TRUE(eval(data, b, a, 0, true));
    EXPECT_EQ(winnerOf(rec.Effects[0]), b);
    ASSERT_TRUE(eval(data, a, b, 0, true));
    EXPECT_EQ(winnerOf(rec.Effects[0]), a);
    setSlot(b, 1, 41);
    ASSERT_TRUE(eval(data, a, b, 0, true));
    EXPECT_EQ(winnerOf(rec.Effects[0]), b);
}

TEST_F(EvaluatePotionTest, ThirdIngredientThatSharesNothingIsUseless) {
    const int a = addItem(dataSet, {{1, 1, 0}, {2, 1, 0}, {3, 1, 0}, {4, 1, 0}});
    const int b = addItem(dataSet, {{1, 1, 0}, {2, 1, 0}, {9, 1, 0}, {10, 1, 0}});
    const int c = addItem(dataSet, {{5, 1, 0}, {6, 1, 0}, {11, 1, 0}, {12, 1, 0}});
    const GameData data = build();
    ASSERT_TRUE(eval(data, a, b, c, false));
    EXPECT_EQ(rec.UselessItem, c);
    EXPECT_EQ(rec.ItemCount, 3);
    EXPECT_EQ(rec.EffCount, 2);
    EXPECT_FALSE(eval(data, a, b, c, true));
    // Also when the useless one stands first.
    ASSERT_TRUE(eval(data, c, a, b, false));
    EXPECT_EQ(rec.UselessItem, c);
}

TEST_F(EvaluatePotionTest, ThreeIngredientsWithOneSharedEffectAreStrictlyRejected) {
    const int a = addItem(dataSet, {{1, 1, 0}, {2, 1, 0}, {3, 1, 0}, {4, 1, 0}});
    const int b = addItem(dataSet, {{1, 1, 0}, {5, 1, 0}, {6, 1, 0}, {7, 1, 0}});
    const int c = addItem(dataSet, {{2, 1, 0}, {8, 1, 0}, {9, 1, 0}, {10, 1, 0}});
    const int d = addItem(dataSet, {{1, 1, 0}, {11, 1, 0}, {12, 1, 0}, {8, 1, 0}});
    const GameData data = build();
    // a-b share 1, a-c share 2: two effects, everyone credited.
    EXPECT_TRUE(eval(data, a, b, c, true));
    // a, b, d all have 1 and nothing else.
    EXPECT_FALSE(eval(data, a, b, d, true));
    EXPECT_TRUE(eval(data, a, b, d, false));
    EXPECT_EQ(rec.EffCount, 1);
    EXPECT_EQ(rec.ItemCount, 3);
}

TEST_F(EvaluatePotionTest, SixthSharedEffectIsDroppedEvenWhenMostValuable) {
    const int a = addItem(dataSet, {{1, 1, 0}, {2, 1, 0}, {3, 1, 0}, {4, 1, 0}});
    const int b = addItem(dataSet, {{1, 1, 0}, {2, 1, 0}, {5, 1, 0}, {6, 1, 0}});
    const int c = addItem(dataSet, {{3, 1, 0}, {4, 1, 0}, {5, 1, 0}, {6, 1, 0}});
    GameData data = build();
    for (int item : {a, b, c}) {
        for (int s = 0; s < 4; ++s)
            setSlot(item, s, 10 * data.ItemTable[std::size_t(item)].Eff[std::size_t(s)].Effect);
    }
    // Effect 6 would be the most valuable; it is found last (between b and c).
    ASSERT_TRUE(eval(data, a, b, c, true));
    EXPECT_EQ(rec.EffCount, 5);
    const std::array<int, 5> expected{5, 4, 3, 2, 1};
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(rec.Effects[std::size_t(k)].Effect, expected[std::size_t(k)]);
    EXPECT_EQ(rec.Cost, 150);
}

TEST_F(EvaluatePotionTest, EqualPricesKeepTheOrderOfDiscovery) {
    // Discovery: a's slots in order (3 then 1 shared with b), then b-c (5).
    const int a = addItem(dataSet, {{3, 1, 0}, {1, 1, 0}, {9, 1, 0}, {10, 1, 0}});
    const int b = addItem(dataSet, {{1, 1, 0}, {5, 1, 0}, {3, 1, 0}, {11, 1, 0}});
    const int c = addItem(dataSet, {{5, 1, 0}, {12, 1, 0}, {2, 1, 0}, {4, 1, 0}});
    GameData data = build();
    for (int item : {a, b, c}) {
        for (int s = 0; s < 4; ++s)
            setSlot(item, s, 10);
    }
    ASSERT_TRUE(eval(data, a, b, c, true));
    EXPECT_EQ(rec.Effects[0].Effect, 3);
    EXPECT_EQ(rec.Effects[1].Effect, 1);
    EXPECT_EQ(rec.Effects[2].Effect, 5);
    setSlot(c, 0, 11);
    ASSERT_TRUE(eval(data, a, b, c, true));
    EXPECT_EQ(rec.Effects[0].Effect, 5);
    EXPECT_EQ(rec.Effects[1].Effect, 3);
}

// An effect of all three ingredients and nothing else shared.
class ThreeWayTest : public EvaluatePotionTest {
  protected:
    void SetUp() override {
        EvaluatePotionTest::SetUp();
        i1 = addItem(dataSet, {{1, 1, 0}, {2, 1, 0}, {3, 1, 0}, {4, 1, 0}});
        i2 = addItem(dataSet, {{5, 1, 0}, {1, 1, 0}, {6, 1, 0}, {7, 1, 0}});
        i3 = addItem(dataSet, {{8, 1, 0}, {9, 1, 0}, {1, 1, 0}, {10, 1, 0}});
        data = build();
    }
    void prices(int a, int b, int c) {
        setSlot(i1, 0, a);
        setSlot(i2, 1, b);
        setSlot(i3, 2, c);
    }
    int i1 = 0, i2 = 0, i3 = 0;
    GameData data;
};

TEST_F(ThreeWayTest, StrongestFirstIngredientLeavesTheSecondUseless) {
    prices(30, 10, 20);
    ASSERT_TRUE(eval(data, i1, i2, i3, false));
    EXPECT_EQ(winnerOf(rec.Effects[0]), i1);
    EXPECT_EQ(rec.UselessItem, i2);
    EXPECT_FALSE(eval(data, i1, i2, i3, true));
}

TEST_F(ThreeWayTest, RuleOneCreditsTheOtherTwo) {
    prices(10, 20, 20); // b = c: position 3 wins
    ASSERT_TRUE(eval(data, i1, i2, i3, false));
    EXPECT_EQ(winnerOf(rec.Effects[0]), i3);
    EXPECT_EQ(rec.UselessItem, i1);
    prices(10, 25, 20);
    ASSERT_TRUE(eval(data, i1, i2, i3, false));
    EXPECT_EQ(winnerOf(rec.Effects[0]), i2);
}

TEST_F(EvaluatePotionTest, RuleThreeDropsTheThirdWhenOnlyItHasNoOtherEffect) {
    // X = 1 in all three; the first two also share 2.
    const int i1 = addItem(dataSet, {{1, 1, 0}, {2, 1, 0}, {3, 1, 0}, {4, 1, 0}});
    const int i2 = addItem(dataSet, {{1, 1, 0}, {2, 1, 0}, {5, 1, 0}, {6, 1, 0}});
    const int i3 = addItem(dataSet, {{1, 1, 0}, {7, 1, 0}, {8, 1, 0}, {9, 1, 0}});
    GameData data = build();
    setSlot(i1, 0, 20);
    setSlot(i2, 0, 30);
    setSlot(i3, 0, 10);
    ASSERT_TRUE(eval(data, i1, i2, i3, false));
    EXPECT_EQ(rec.Effects[0].Effect, 1);
    EXPECT_EQ(winnerOf(rec.Effects[0]), i2);
    EXPECT_EQ(rec.UselessItem, i3);
    EXPECT_FALSE(eval(data, i1, i2, i3, true));
    // The third as the strongest: rules 1-3 do not apply, rule 6 credits it.
    setSlot(i3, 0, 40);
    ASSERT_TRUE(eval(data, i1, i2, i3, true));
    EXPECT_EQ(winnerOf(rec.Effects[0]), i3);
    EXPECT_EQ(rec.UselessItem, 0);
}

TEST_F(EvaluatePotionTest, ThreeWayRulesFourToSevenWhenEveryoneHasOtherEffects) {
    // X = 1 in all three; pairs: 2 (i1-i2), 3 (i1-i3), 4 (i2-i3).
    const int i1 = addItem(dataSet, {{1, 1, 0}, {2, 1, 0}, {3, 1, 0}, {9, 1, 0}});
    const int i2 = addItem(dataSet, {{1, 1, 0}, {2, 1, 0}, {4, 1, 0}, {10, 1, 0}});
    const int i3 = addItem(dataSet, {{1, 1, 0}, {3, 1, 0}, {4, 1, 0}, {11, 1, 0}});
    GameData data = build();
    const auto winner = [&](int a, int b, int c) {
        setSlot(i1, 0, a);
        setSlot(i2, 0, b);
        setSlot(i3, 0, c);
        EXPECT_TRUE(eval(data, i1, i2, i3, true));
        for (const TPotionEffect &e : rec.Effects) {
            if (e.Effect == 1)
                return winnerOf(e);
        }
        return -1;
    };
    EXPECT_EQ(winner(30, 20, 10), i1); // rule 4
    EXPECT_EQ(winner(20, 30, 30), i2); // rule 5
    EXPECT_EQ(winner(10, 20, 30), i3); // rule 6
    EXPECT_EQ(winner(30, 30, 10), i1); // rule 7
    EXPECT_EQ(rec.UselessItem, 0);
}

TEST_F(EvaluatePotionTest, OthersCountOnlyEntriesAlreadyReducedToPairs) {
    // Two effects of all three ingredients (1 and 2), nothing else shared.
    const int i1 = addItem(dataSet, {{1, 1, 0}, {2, 1, 0}, {3, 1, 0}, {4, 1, 0}});
    const int i2 = addItem(dataSet, {{1, 1, 0}, {2, 1, 0}, {5, 1, 0}, {6, 1, 0}});
    const int i3 = addItem(dataSet, {{1, 1, 0}, {2, 1, 0}, {7, 1, 0}, {8, 1, 0}});
    GameData data = build();
    // Effect 1: a = 10, b = c = 20. While it is resolved effect 2 is still
    // three-way and does not count, so rule 1 applies: credit {2, 3},
    // position 3 wins the tie.
    setSlot(i1, 0, 10);
    setSlot(i2, 0, 20);
    setSlot(i3, 0, 20);
    // Effect 2: a = 30 the strict maximum; others(2) = others(3) = 1 now
    // (effect 1), so rule 4 decides: credit {1, 3}, position 1 wins.
    setSlot(i1, 1, 30);
    setSlot(i2, 1, 10);
    setSlot(i3, 1, 20);
    ASSERT_TRUE(eval(data, i1, i2, i3, true));
    EXPECT_EQ(rec.Effects[0].Effect, 2);
    EXPECT_EQ(winnerOf(rec.Effects[0]), i1);
    EXPECT_EQ(rec.Effects[1].Effect, 1);
    EXPECT_EQ(winnerOf(rec.Effects[1]), i3);
    EXPECT_EQ(rec.UselessItem, 0);
}

TEST_F(EvaluatePotionTest, PurityDropsTheOtherKindAndCanMakeAnIngredientUseless) {
    // a-b share the beneficial 1 (valuable); b-c share the harmful 7.
    const int a = addItem(dataSet, {{1, 1, 0}, {2, 1, 0}, {3, 1, 0}, {4, 1, 0}});
    const int b = addItem(dataSet, {{1, 1, 0}, {7, 1, 0}, {5, 1, 0}, {6, 1, 0}});
    const int c = addItem(dataSet, {{7, 1, 0}, {8, 1, 0}, {9, 1, 0}, {10, 1, 0}});
    GameData data = build();
    setSlot(a, 0, 90);
    setSlot(b, 0, 80);
    setSlot(b, 1, 30, 20);
    setSlot(c, 0, 40, 25);

    ASSERT_TRUE(eval(data, a, b, c, true));
    EXPECT_EQ(rec.EffCount, 2);
    EXPECT_EQ(rec.PotionType, 0);
    EXPECT_EQ(rec.Effects[1].Effect, 7);
    EXPECT_EQ(rec.Effects[1].Cost, 25); // c's plain price, not its bonus price
    EXPECT_EQ(rec.Effects[1].Power, 2040);
    EXPECT_EQ(rec.Cost, 115);

    EXPECT_FALSE(eval(data, a, b, c, true, true));
    ASSERT_TRUE(eval(data, a, b, c, false, true));
    EXPECT_EQ(rec.EffCount, 1);
    EXPECT_EQ(rec.Cost, 90);
    EXPECT_EQ(rec.UselessItem, c);

    // A harmful main effect: the beneficial one takes plain values.
    setSlot(c, 0, 100, 70);
    ASSERT_TRUE(eval(data, a, b, c, true));
    EXPECT_EQ(rec.PotionType, 1);
    EXPECT_EQ(rec.Effects[0].Cost, 100);
    EXPECT_EQ(rec.Effects[1].Effect, 1);
    EXPECT_EQ(rec.Effects[1].Power, 2090);
}

} // namespace
} // namespace qor
