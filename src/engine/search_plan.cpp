#include "engine/search_plan.h"

#include <QtGlobal>

#include <algorithm>

namespace qor {

namespace {

bool isOptionalFilter(std::int32_t code) {
    return code == FilterCode::NoneOrAny || code == FilterCode::NoneOrHarmful ||
           code == FilterCode::NoneOrBeneficial;
}

// Moves every entry that belongs to the pass to the last position, examining
// positions 4, 3, 2, 1 (the last one itself is never examined).
template <typename Pred> void moveToBack(std::array<std::int32_t, kEffectLines> &list, Pred belongs) {
    for (int i = kEffectLines - 2; i >= 0; --i) {
        if (!belongs(list[i]))
            continue;
        const std::int32_t v = list[i];
        std::copy(list.begin() + i + 1, list.end(), list.begin() + i);
        list.back() = v;
    }
}

} // namespace

EffectSearchPlan buildEffectSearchPlan(const GameData &data, const SearchConditions &cond) {
    EffectSearchPlan plan;

    // Required ingredients. A negative index (damaged settings) names no
    // ingredient and counts as none.
    std::int32_t r1 = cond.RequiredItem1Enabled ? std::max(cond.RequiredItem1, 0) : 0;
    std::int32_t r2 = cond.RequiredItem2Enabled ? std::max(cond.RequiredItem2, 0) : 0;
    if (r1 == r2)
        r2 = 0;
    if (r1 == 0) {
        r1 = r2;
        r2 = 0;
    }
    plan.requiredC = r1;
    plan.requiredB = r2;

    // Price range; an index outside the price steps means no price test.
    const auto costCount = static_cast<std::int64_t>(data.CostList.size());
    const auto inRange = [&](std::int32_t i) { return i >= 0 && i < costCount; };
    if (cond.CheckCost && inRange(cond.CostMinIndex) && inRange(cond.CostMaxIndex)) {
        plan.checkCost = true;
        plan.priceMin = data.CostList[cond.CostMinIndex];
        plan.priceMax = data.CostList[cond.CostMaxIndex];
        if (plan.priceMin > plan.priceMax)
            std::swap(plan.priceMin, plan.priceMax);
    }

    // The five lines; a filter overrides the effect of its line. A negative
    // effect index (damaged settings) names no effect.
    auto &list = plan.WantedList;
    int optional = 0;
    for (int i = 0; i < kEffectLines; ++i) {
        std::int32_t v = std::max(cond.WantedEffect[i], 0);
        if (cond.FilterCode[i] > 0)
            v = -cond.FilterCode[i];
        if (!cond.EffectEnabled[i]) {
            list[i] = 0;
            continue;
        }
        list[i] = v;
        if (isOptionalFilter(cond.FilterCode[i]))
            ++optional;
    }

    // Specific effects and named filters first, then "Вредный"/"Полезный",
    // then their optional forms, then the "any" entries.
    moveToBack(list,
               [](std::int32_t v) { return v == -FilterCode::Harmful || v == -FilterCode::Beneficial; });
    moveToBack(list, [](std::int32_t v) {
        return v == -FilterCode::NoneOrHarmful || v == -FilterCode::NoneOrBeneficial;
    });
    moveToBack(list, [](std::int32_t v) { return v == -FilterCode::NoneOrAny || v == -FilterCode::Any; });

    // A repeated effect counts once; repeated filters stay.
    for (int i = 0; i < kEffectLines - 1; ++i) {
        for (int j = i + 1; j < kEffectLines; ++j) {
            if (list[j] == list[i] && list[i] > 0)
                list[j] = 0;
        }
    }
    // Close the gaps.
    for (int i = kEffectLines - 2; i >= 0; --i) {
        if (list[i] != 0)
            continue;
        std::copy(list.begin() + i + 1, list.end(), list.begin() + i);
        list.back() = 0;
    }
    plan.wantedCount =
        static_cast<int>(std::count_if(list.begin(), list.end(), [](auto v) { return v != 0; }));
    if (plan.wantedCount == 0)
        return plan;

    int effMin = plan.wantedCount - optional;
    if (effMin == 0) {
        effMin = 1;
        if (optional > 0)
            --optional;
    }
    plan.optionalCount = optional;
    plan.effMin = effMin;
    plan.effMax = effMin + optional;
    // The search's window of effect counts lies within one recipe's slots.
    Q_ASSERT(plan.effMin >= 1 && plan.effMax <= kEffectLines && plan.effMin <= plan.effMax);
    return plan;
}

bool wantedEntryAccepts(const GameData &data, std::int32_t v, std::int32_t effect) {
    if (v > 0)
        return effect == v;
    if (effect < 0 || effect >= data.effectRecordCount())
        return false;
    switch (-v) {
    case FilterCode::NoneOrAny:
    case FilterCode::Any:
        return true;
    case FilterCode::NoneOrHarmful:
    case FilterCode::Harmful:
        return data.EffectTable[effect].Harmful == 1;
    case FilterCode::NoneOrBeneficial:
    case FilterCode::Beneficial:
        return data.EffectTable[effect].Harmful != 1;
    default:
        break;
    }
    if (-v < FilterCode::FirstNamed || effect >= static_cast<int>(data.EffectFilterGroup.size()))
        return false;
    return data.EffectFilterGroup[effect] == -v - FilterCode::FirstNamed;
}

bool matchWantedEffects(const GameData &data, const EffectSearchPlan &plan, const TPotionRec &rec) {
    const int count = std::clamp(rec.EffCount, 0, kMaxPotionEffects);
    std::array<bool, kMaxPotionEffects> matched{};
    for (int w = 0; w < count; ++w) {
        const std::int32_t v = plan.WantedList[w];
        bool claimed = false;
        for (int k = 0; k < count && !claimed; ++k) {
            if (!matched[k] && v != 0 && wantedEntryAccepts(data, v, rec.Effects[k].Effect)) {
                matched[k] = true;
                claimed = true;
            }
        }
        if (!claimed)
            return false;
    }
    return true;
}

} // namespace qor
