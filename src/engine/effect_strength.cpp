#include "engine/effect_strength.h"

#include <cmath>
#include <limits>

namespace qor {

namespace {

constexpr double kPerkFactor = 1.25;
constexpr double kPriceExponent = 1.1;
// A price whose dropped fraction exceeds this is rounded up.
constexpr double kPriceRoundUp = 0.8;

// Half to even, independent of the floating-point rounding mode.
double roundHalfEven(double v) {
    const double lower = std::floor(v);
    const double fraction = v - lower;
    if (fraction > 0.5)
        return lower + 1.0;
    if (fraction < 0.5)
        return lower;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

std::int32_t saturateToInt32(double v) {
    if (std::isnan(v))
        return 0;
    if (v >= double(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (v <= double(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

bool physicianClass(std::uint8_t effClass) {
    return effClass >= 1 && effClass <= 3;
}

} // namespace

std::int32_t ClampValue(std::int64_t v) {
    if (v < 0)
        return 0;
    if (v > MaxValue)
        return MaxValue;
    return static_cast<std::int32_t>(v);
}

std::int32_t roundClamp(double v) {
    // Compare in double before converting: a strength beyond the int32
    // range must not overflow, and NaN fails every comparison.
    if (!(v > 0.0))
        return 0;
    const double r = roundHalfEven(v);
    if (r > double(MaxValue))
        return MaxValue;
    return static_cast<std::int32_t>(r);
}

std::int32_t EffectPrice(const TEffectRec &effect, const TItemEffect &slot, double v) {
    double m;
    if (effect.TimeScaled == 1) {
        m = slot.BasePower > 0 ? v * slot.BasePower : v;
        m = m / 10;
    } else {
        m = slot.BaseTime > 0 ? (slot.BaseTime / 10.0) * v : v;
    }
    // A negative strength (only reachable with a negative skill or fortify
    // from a damaged settings file) has no real power; it prices as 0.
    const double q = m > 0.0 ? std::pow(m, kPriceExponent) : 0.0;
    const double c = effect.BaseCost * q;
    const double whole = std::trunc(c);
    return saturateToInt32(c - whole > kPriceRoundUp ? whole + 1.0 : whole);
}

EffectStrengths RecalcItemEffects(const GameData &data, const SkillSettings &skills) {
    const int effectCount = data.effectRecordCount();
    // 2·S is an integer product; 64 bits keep an absurd skill from overflowing.
    const double skillFactor = double(std::int64_t(2) * skills.AlchemySkill) / 100.0 + 4.0;
    const double fortifyFactor = skills.AlchemyFortify / 100.0 + 1.0;
    const double ranksFactor = skills.AlchemistRanks * 0.2 + 1.0;

    EffectStrengths table(data.itemRecordCount());
    for (int i = 1; i < data.itemRecordCount(); ++i) {
        const TItemRec &item = data.ItemTable[std::size_t(i)];
        ItemStrengths &row = table.item(i);
        for (int j = 0; j < kSlotsPerItem; ++j) {
            const TItemEffect &slot = item.Eff[std::size_t(j)];
            SlotStrength &out = row[std::size_t(j)];
            // An index outside the effect table keeps its row all zero.
            if (slot.Effect < 0 || slot.Effect >= effectCount)
                continue;
            const TEffectRec &e = data.EffectTable[std::size_t(slot.Effect)];
            const bool timeScaled = e.TimeScaled != 0;
            const double base = timeScaled ? slot.BaseTime : slot.BasePower;

            out.Effect = slot.Effect;
            out.Power = out.PowerPlain = ClampValue(slot.BasePower);
            out.Time = out.TimePlain = (!timeScaled && slot.BaseTime > 1) ? ClampValue(slot.BaseTime) : 0;

            // The order of the factors matters for the rounding of ties.
            double x = skillFactor;
            x = x * base;
            x = x * fortifyFactor;
            if (skills.AlchemistRanks > 0)
                x = ranksFactor * x;
            if (physicianClass(e.EffClass) && skills.PerkPhysician)
                x = x * kPerkFactor;
            const double p = x;
            (timeScaled ? out.TimePlain : out.PowerPlain) = roundClamp(p);

            if (e.PerkBoost != 0) {
                if (e.Harmful == 1 && skills.PerkPoisoner)
                    x = x * kPerkFactor;
                else if (e.Harmful == 0 && skills.PerkBenefactor)
                    x = x * kPerkFactor;
            }
            (timeScaled ? out.Time : out.Power) = roundClamp(x);

            out.Cost = ClampValue(EffectPrice(e, slot, x));
            out.CostPlain = ClampValue(EffectPrice(e, slot, p));

            // Class forcing comes after the prices, which keep the strength.
            switch (e.EffClass) {
            case 4:
                out.Power = out.PowerPlain = 0;
                break;
            case 5:
                out.Power = out.PowerPlain = 0;
                out.Time = out.TimePlain = 0;
                break;
            case 6:
            case 7:
            case 8:
                out.Time = out.TimePlain = 0;
                break;
            default:
                break;
            }
        }
    }
    return table;
}

} // namespace qor
