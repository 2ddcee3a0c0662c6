#include "engine/literal_search.h"

#include "engine/evaluate_potion.h"
#include "engine/search_plan.h"

#include <array>

namespace qor::test {

namespace {

// The effect test, written independently of the engine's matcher.
bool accepts(const GameData &data, std::int32_t v, std::int32_t x) {
    if (v > 0)
        return x == v;
    const int f = -v;
    const bool harmful = data.EffectTable[std::size_t(x)].Harmful == 1;
    if (f == 1 || f == 2)
        return true;
    if (f == 3 || f == 4)
        return harmful;
    if (f == 5 || f == 6)
        return !harmful;
    return data.EffectFilterGroup[std::size_t(x)] == f - 7;
}

bool matches(const GameData &data, const EffectSearchPlan &plan, const TPotionRec &rec) {
    std::array<bool, 5> matched{};
    for (int w = 0; w < rec.EffCount; ++w) {
        for (int k = 0; k < rec.EffCount; ++k) {
            if (!matched[std::size_t(k)] &&
                accepts(data, plan.WantedList[std::size_t(w)], rec.Effects[std::size_t(k)].Effect)) {
                matched[std::size_t(k)] = true;
                break;
            }
        }
    }
    for (int k = 0; k < rec.EffCount; ++k) {
        if (!matched[std::size_t(k)])
            return false;
    }
    return true;
}

} // namespace

void literalSearchFromEffects(const GameData &data, const EffectStrengths &strengths, bool perkPurity,
                              const SearchConditions &cond, std::span<const std::uint8_t> itemAvailable,
                              bool clearFirst, PotionList &list) {
    if (clearFirst)
        list.clear();
    const EffectSearchPlan plan = buildEffectSearchPlan(data, cond);
    if (plan.wantedCount > 0) {
        const int h = data.highestItem();
        const int r1 = plan.requiredC;
        const int r2 = plan.requiredB;
        const int mode = cond.ItemsCountMode;
        const auto available = [&](int i) {
            return std::size_t(i) < itemAvailable.size() && itemAvailable[std::size_t(i)] != 0;
        };
        TPotionRec rec;
        const auto test = [&](int c, int b, int a) {
            if (!EvaluatePotion(data, strengths, perkPurity, rec, c, b, a, true))
                return;
            if (rec.EffCount < plan.effMin || rec.EffCount > plan.effMax)
                return;
            if (plan.checkCost && (rec.Cost < plan.priceMin || rec.Cost > plan.priceMax))
                return;
            if (!matches(data, plan, rec))
                return;
            list.AddPotion(rec);
        };
        int a = mode == 1 ? 1 : 0;
        for (;;) {
            if (r1 > 0 && a == r1)
                ++a;
            if (r2 > 0 && a == r2)
                ++a;
            if (r1 > 0 && a == r1)
                ++a;
            if (a > h)
                break;
            if (a == 0 || available(a)) {
                int b = r2 > 0 ? r2 : a + 1;
                for (;;) {
                    if (r1 > 0 && b == r1)
                        ++b;
                    if (b > h)
                        break;
                    if (available(b)) {
                        int c = r1 > 0 ? r1 : b + 1;
                        for (;;) {
                            if (c > h)
                                break;
                            if (available(c))
                                test(c, b, a);
                            if (r1 > 0)
                                break;
                            ++c;
                        }
                    }
                    if (r2 > 0)
                        break;
                    ++b;
                }
            }
            if (mode == 0)
                break;
            ++a;
        }
    }
    list.SortPotions();
}

} // namespace qor::test
