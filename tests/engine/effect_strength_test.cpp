// Magnitudes, durations and prices of ingredient effects for the skill
// settings: the worked examples, rounding, perks, classes and bad settings.

#include "engine/effect_strength.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace qor {
namespace {

struct EffectProps {
    double baseCost = 1.0;
    int timeScaled = 0;
    int perkBoost = 0;
    int harmful = 0;
    int effClass = 0;
};

// One ingredient (index 1) with one effect (index 1) in slot 1; the other
// slots are empty.
GameData oneSlot(const EffectProps &props, int basePower, int baseTime) {
    GameData data;
    data.EffectTable.resize(2);
    TEffectRec &e = data.EffectTable[1];
    e.BaseCost = props.baseCost;
    e.TimeScaled = std::uint8_t(props.timeScaled);
    e.PerkBoost = std::uint8_t(props.perkBoost);
    e.Harmful = std::uint8_t(props.harmful);
    e.EffClass = std::uint8_t(props.effClass);
    data.ItemTable.resize(2);
    TItemEffect &slot = data.ItemTable[1].Eff[0];
    slot.Effect = 1;
    slot.BasePower = basePower;
    slot.BaseTime = baseTime;
    return data;
}

SkillSettings skills(int s, int f = 0, int r = 0) {
    SkillSettings k;
    k.AlchemySkill = s;
    k.AlchemyFortify = f;
    k.AlchemistRanks = r;
    return k;
}

SlotStrength computed(const EffectProps &props, int basePower, int baseTime, const SkillSettings &k) {
    return RecalcItemEffects(oneSlot(props, basePower, baseTime), k).slot(1, 0);
}

TEST(EffectStrength, WorkedExampleMagnitudeScaled) {
    const SlotStrength r = computed({.baseCost = 0.5}, 10, 0, skills(100));
    EXPECT_EQ(r.Power, 60);
    EXPECT_EQ(r.Time, 0);
    EXPECT_EQ(r.Cost, 45);
    EXPECT_EQ(r.PowerPlain, 60);
    EXPECT_EQ(r.CostPlain, 45);
}

TEST(EffectStrength, WorkedExampleDurationScaled) {
    const SlotStrength r = computed({.baseCost = 1.0, .timeScaled = 1}, 5, 10, skills(15));
    EXPECT_EQ(r.Power, 5);
    EXPECT_EQ(r.PowerPlain, 5);
    EXPECT_EQ(r.Time, 43);
    EXPECT_EQ(r.TimePlain, 43);
    EXPECT_EQ(r.Cost, 29);
}

TEST(EffectStrength, WorkedExamplePhysicianAndBenefactor) {
    SkillSettings k = skills(50, 25, 2);
    k.PerkPhysician = true;
    k.PerkBenefactor = true;
    const SlotStrength r =
        computed({.baseCost = 2.5, .timeScaled = 0, .perkBoost = 1, .harmful = 0, .effClass = 1}, 2, 60, k);
    EXPECT_EQ(r.PowerPlain, 22);
    EXPECT_EQ(r.Power, 27);
    EXPECT_EQ(r.Time, 60);
    EXPECT_EQ(r.TimePlain, 60);
    EXPECT_EQ(r.CostPlain, 534);
    EXPECT_EQ(r.Cost, 683);
}

TEST(EffectStrength, WorkedExamplePoisonerWithFiveRanks) {
    SkillSettings k = skills(100, 0, 5);
    k.PerkPoisoner = true;
    const SlotStrength r = computed({.baseCost = 1.2, .perkBoost = 1, .harmful = 1}, 3, 10, k);
    EXPECT_EQ(r.PowerPlain, 36);
    EXPECT_EQ(r.Power, 45);
    EXPECT_EQ(r.Time, 10);
    EXPECT_EQ(r.CostPlain, 62);
    EXPECT_EQ(r.Cost, 79);
}

TEST(EffectStrength, NoSkillGivesFourTimesTheBase) {
    EXPECT_EQ(computed({}, 7, 0, skills(0)).Power, 28);
    EXPECT_EQ(computed({.timeScaled = 1}, 7, 9, skills(0)).Time, 36);
}

TEST(EffectStrength, TiesRoundToEven) {
    // 4.3 × 5 and 4.5 × 5 are exact ties only in plain double arithmetic.
    EXPECT_EQ(computed({}, 5, 0, skills(15)).Power, 22); // 21.5
    EXPECT_EQ(computed({}, 5, 0, skills(25)).Power, 22); // 22.5
    EXPECT_EQ(computed({}, 3, 0, skills(25)).Power, 14); // 13.5
    EXPECT_EQ(roundClamp(12.5), 12);
    EXPECT_EQ(roundClamp(13.5), 14);
    EXPECT_EQ(roundClamp(0.5), 0);
    EXPECT_EQ(roundClamp(1.5), 2);
    EXPECT_EQ(roundClamp(12.500001), 13);
    EXPECT_EQ(roundClamp(12.499999), 12);
}

TEST(EffectStrength, DurationOfMagnitudeScaledEffects) {
    // Base duration 1 is not shown, but prices with the factor 0.1.
    const SlotStrength one = computed({}, 10, 1, skills(0));
    EXPECT_EQ(one.Time, 0);
    EXPECT_EQ(one.TimePlain, 0);
    EXPECT_EQ(one.Cost, 4);
    // Base duration 0 prices the strength alone.
    EXPECT_EQ(computed({}, 10, 0, skills(0)).Cost, 58);
    const SlotStrength two = computed({}, 10, 2, skills(0));
    EXPECT_EQ(two.Time, 2);
    EXPECT_EQ(two.Cost, 10);
}

TEST(EffectStrength, PriceOfDurationScaledEffects) {
    // With base magnitude 0 the duration alone, divided by 10, is priced.
    EXPECT_EQ(computed({.timeScaled = 1}, 0, 10, skills(0)).Cost, 4);
    EXPECT_EQ(computed({.timeScaled = 1}, 3, 10, skills(0)).Cost, 15);
}

TEST(EffectPrice, TruncatesAndRoundsUpAboveFourFifths) {
    // Strength 1 with no base duration makes m = 1, so the price is the base cost.
    TEffectRec e;
    const TItemEffect slot{};
    e.BaseCost = 45.8;
    EXPECT_EQ(EffectPrice(e, slot, 1.0), 45);
    e.BaseCost = 45.81;
    EXPECT_EQ(EffectPrice(e, slot, 1.0), 46);
    e.BaseCost = 45.79;
    EXPECT_EQ(EffectPrice(e, slot, 1.0), 45);
    e.BaseCost = 7.0;
    EXPECT_EQ(EffectPrice(e, slot, 0.0), 0);
}

TEST(EffectPrice, NeverUndefinedForAbsurdInput) {
    TEffectRec e;
    const TItemEffect slot{};
    e.BaseCost = 1e300;
    EXPECT_EQ(EffectPrice(e, slot, 1e10), std::numeric_limits<std::int32_t>::max());
    e.BaseCost = -1e300;
    EXPECT_EQ(EffectPrice(e, slot, 1e10), std::numeric_limits<std::int32_t>::min());
    // A negative strength has no real power of 1.1.
    e.BaseCost = 2.0;
    EXPECT_EQ(EffectPrice(e, slot, -50.0), 0);
    EXPECT_EQ(EffectPrice(e, slot, std::nan("")), 0);
}

TEST(EffectStrength, PhysicianBoostsBothSetsBenefactorOnlyTheBonusSet) {
    SkillSettings k = skills(0);
    k.PerkPhysician = true;
    k.PerkBenefactor = true;
    const EffectProps healing{.perkBoost = 1, .harmful = 0, .effClass = 2};
    const SlotStrength r = computed(healing, 10, 0, k);
    EXPECT_EQ(r.PowerPlain, 50);
    EXPECT_EQ(r.Power, 62); // 62.5
    EXPECT_EQ(r.CostPlain, 74);
    EXPECT_EQ(r.Cost, 94);

    // Physician only for classes 1 to 3.
    EXPECT_EQ(computed({.effClass = 0}, 10, 0, k).Power, 40);
    EXPECT_EQ(computed({.effClass = 9}, 10, 0, k).Power, 40);
    EXPECT_EQ(computed({.effClass = 3}, 10, 0, k).PowerPlain, 50);
}

TEST(EffectStrength, BonusPerkMustMatchTheKindAndNeedsPerkBoost) {
    SkillSettings benefactor = skills(0);
    benefactor.PerkBenefactor = true;
    SkillSettings poisoner = skills(0);
    poisoner.PerkPoisoner = true;
    const EffectProps good{.perkBoost = 1, .harmful = 0};
    const EffectProps bad{.perkBoost = 1, .harmful = 1};
    EXPECT_EQ(computed(good, 10, 0, benefactor).Power, 50);
    EXPECT_EQ(computed(good, 10, 0, poisoner).Power, 40);
    EXPECT_EQ(computed(bad, 10, 0, poisoner).Power, 50);
    EXPECT_EQ(computed(bad, 10, 0, benefactor).Power, 40);
    EXPECT_EQ(computed(bad, 10, 0, poisoner).PowerPlain, 40);
    EXPECT_EQ(computed({.perkBoost = 0, .harmful = 1}, 10, 0, poisoner).Power, 40);
    // A duration-scaled effect gets the bonus on its duration.
    const SlotStrength t = computed({.timeScaled = 1, .perkBoost = 1, .harmful = 1}, 3, 10, poisoner);
    EXPECT_EQ(t.TimePlain, 40);
    EXPECT_EQ(t.Time, 50);
    EXPECT_EQ(t.Power, 3);
}

TEST(EffectStrength, ClassForcingKeepsThePrice) {
    const SlotStrength c4 = computed({.baseCost = 2.0, .effClass = 4}, 10, 30, skills(0));
    EXPECT_EQ(c4.Power, 0);
    EXPECT_EQ(c4.PowerPlain, 0);
    EXPECT_EQ(c4.Time, 30);
    EXPECT_GT(c4.Cost, 0);

    const SlotStrength c5 = computed({.baseCost = 2.0, .effClass = 5}, 10, 0, skills(0));
    EXPECT_EQ(c5.Power, 0);
    EXPECT_EQ(c5.Time, 0);
    EXPECT_EQ(c5.PowerPlain, 0);
    EXPECT_EQ(c5.TimePlain, 0);
    EXPECT_EQ(c5.Cost, 115);
    EXPECT_EQ(c5.CostPlain, 115);

    for (int cls : {6, 7, 8}) {
        const SlotStrength c = computed({.effClass = cls}, 10, 30, skills(0));
        EXPECT_EQ(c.Time, 0) << cls;
        EXPECT_EQ(c.TimePlain, 0) << cls;
        EXPECT_EQ(c.Power, 40) << cls;
    }
    // A duration-scaled class-6 effect loses the duration it was scaled by.
    const SlotStrength scaled = computed({.timeScaled = 1, .effClass = 6}, 3, 10, skills(0));
    EXPECT_EQ(scaled.Time, 0);
    EXPECT_EQ(scaled.Power, 3);
    EXPECT_EQ(scaled.Cost, 15);
}

TEST(EffectStrength, ValuesClampToTheRange) {
    EXPECT_EQ(roundClamp(29999.5), 30000);
    EXPECT_EQ(roundClamp(1e300), 30000);
    EXPECT_EQ(roundClamp(std::numeric_limits<double>::infinity()), 30000);
    EXPECT_EQ(roundClamp(-std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(roundClamp(std::nan("")), 0);

    // A base value beyond the range is stored clamped.
    const SlotStrength big = computed({.timeScaled = 1}, 40000, 10, skills(0));
    EXPECT_EQ(big.Power, 30000);
    const SlotStrength huge = computed({.baseCost = 1.0}, 1000000, 5, skills(200, 400, 5));
    EXPECT_EQ(huge.Power, 30000);
    EXPECT_EQ(huge.Time, 5);
    EXPECT_EQ(huge.Cost, 30000);
}

TEST(EffectStrength, DamagedSettingsGiveZerosNotNaN) {
    const int absurd[][3] = {{-1000, 0, 0},
                             {0, -300, 0},
                             {std::numeric_limits<std::int32_t>::min(), 0, -5},
                             {std::numeric_limits<std::int32_t>::max(),
                              std::numeric_limits<std::int32_t>::max(),
                              std::numeric_limits<std::int32_t>::max()}};
    for (const auto &s : absurd) {
        SkillSettings k = skills(s[0], s[1], s[2]);
        k.PerkPhysician = k.PerkBenefactor = true;
        for (int ts : {0, 1}) {
            const SlotStrength r =
                computed({.baseCost = 3.0, .timeScaled = ts, .perkBoost = 1, .effClass = 1}, 7, 9, k);
            for (int v : {r.Power, r.Time, r.Cost, r.PowerPlain, r.TimePlain, r.CostPlain}) {
                EXPECT_GE(v, 0);
                EXPECT_LE(v, MaxValue);
            }
            const bool negative = s[0] < 0 || s[1] < -100;
            if (negative) {
                EXPECT_EQ(ts ? r.Time : r.Power, 0);
                EXPECT_EQ(r.Cost, 0);
            } else {
                EXPECT_EQ(ts ? r.Time : r.Power, MaxValue);
            }
        }
    }
}

TEST(RecalcItemEffects, OneRowPerRecordWithThePlaceholderAndBadIndicesZero) {
    GameData data = oneSlot({}, 10, 0);
    data.ItemTable.push_back(data.ItemTable[1]);
    data.ItemTable[2].Eff[3] = data.ItemTable[1].Eff[0];
    data.ItemTable[0].Eff[0] = data.ItemTable[1].Eff[0];
    // Indices the effect table does not have: no effect, no strength.
    data.ItemTable[2].Eff[1] = {.Effect = 2, .BasePower = 10, .BaseTime = 5};
    data.ItemTable[2].Eff[2] = {.Effect = -1, .BasePower = 10, .BaseTime = 5};
    const EffectStrengths table = RecalcItemEffects(data, skills(0));
    ASSERT_EQ(table.itemRecordCount(), data.itemRecordCount());
    EXPECT_TRUE(table.fits(data));
    EXPECT_EQ(table.slot(1, 0).Power, 40);
    EXPECT_EQ(table.slot(2, 0).Power, 40);
    EXPECT_EQ(table.slot(2, 3).Power, 40);
    EXPECT_EQ(table.slot(2, 3).Effect, 1);
    EXPECT_EQ(table.item(0), ItemStrengths{});
    EXPECT_EQ(table.slot(2, 1), SlotStrength{});
    EXPECT_EQ(table.slot(2, 2), SlotStrength{});
    // The game data is left as it was.
    EXPECT_EQ(data.ItemTable[2].Eff[1].Effect, 2);

    // Other skills give another table; the same skills the same one.
    const EffectStrengths other = RecalcItemEffects(data, skills(100));
    EXPECT_EQ(other.slot(2, 3).Power, 60);
    EXPECT_EQ(RecalcItemEffects(data, skills(0)), table);
    EXPECT_EQ(table.slot(2, 3).Cost, 58);

    data.ItemTable.pop_back();
    EXPECT_FALSE(table.fits(data));
}

} // namespace
} // namespace qor
