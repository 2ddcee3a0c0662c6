// EvaluatePotion against a slow, step-by-step evaluator kept here: a slot
// list with struck-out entries scanned one by one, others(k) recounted for
// every three-way entry, the cut to five, both strict parts, the stable sort
// and the bonus or plain values. Random data with few effects and few price
// values, so that three-way effects, six shared effects and ties are common.

#include "common/test_data.h"
#include "engine/evaluate_potion.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

namespace qor {
namespace {

struct RefEntry {
    int contributors = 0; // position bits 1, 2, 4
    std::array<const SlotStrength *, 3> refs{};
    const SlotStrength *winner = nullptr;
};

int refOthers(const std::array<RefEntry, 6> &entries, int count, int bit) {
    int n = 0;
    for (int i = 0; i < count; ++i) {
        if ((entries[std::size_t(i)].contributors & bit) != 0 && entries[std::size_t(i)].contributors != 7)
            ++n;
    }
    return n;
}

int refUseless(const std::array<RefEntry, 6> &entries, int count, const std::array<int, 3> &items, int n) {
    for (int p = 0; p < n; ++p) {
        bool credited = false;
        for (int i = 0; i < count; ++i)
            credited = credited || (entries[std::size_t(i)].contributors & (1 << p)) != 0;
        if (!credited)
            return items[std::size_t(p)];
    }
    return 0;
}

bool referenceEvaluate(const GameData &data, const EffectStrengths &strengths, bool purity, TPotionRec &rec,
                       int i1, int i2, int i3, bool strict) {
    if (i1 == i2)
        i2 = 0;
    if (i1 == i3)
        i3 = 0;
    if (i2 == i3)
        i3 = 0;
    if (i1 == 0) {
        i1 = i2;
        i2 = i3;
        i3 = 0;
    }
    if (i2 == 0) {
        i2 = i3;
        i3 = 0;
    }
    if (i1 == 0 || i2 == 0)
        return false;
    const std::array<int, 3> items{i1, i2, i3};
    const int n = i3 != 0 ? 3 : 2;

    struct Slot {
        const TItemEffect *eff;
        const SlotStrength *str;
        int position; // 0-based
        bool struck;
    };
    std::array<Slot, 12> slots{};
    for (int p = 0; p < n; ++p) {
        for (int j = 0; j < 4; ++j)
            slots[std::size_t(p * 4 + j)] = {
                &data.ItemTable[std::size_t(items[std::size_t(p)])].Eff[std::size_t(j)],
                &strengths.item(items[std::size_t(p)])[std::size_t(j)], p, false};
    }
    std::array<RefEntry, 6> entries{};
    int count = 0;
    for (int g = 0; g < n - 1; ++g) {
        for (int j = g * 4; j < g * 4 + 4; ++j) {
            // An empty slot (effect 0) is no effect and is never shared.
            if (slots[std::size_t(j)].struck || slots[std::size_t(j)].eff->Effect == 0)
                continue;
            int matchesFound = 0;
            for (int k = (g + 1) * 4; k < n * 4; ++k) {
                Slot &s = slots[std::size_t(k)];
                if (s.struck || s.eff->Effect != slots[std::size_t(j)].eff->Effect)
                    continue;
                if (matchesFound == 0) {
                    RefEntry &e = entries[std::size_t(count++)];
                    e.refs = {slots[std::size_t(j)].str, s.str, nullptr};
                    e.contributors = (1 << g) | (1 << s.position);
                } else {
                    RefEntry &e = entries[std::size_t(count - 1)];
                    e.refs[2] = s.str;
                    e.contributors = 7;
                }
                ++matchesFound;
                s.struck = true;
            }
        }
    }
    if (count == 0)
        return false;

    for (int i = 0; i < count; ++i) {
        RefEntry &e = entries[std::size_t(i)];
        if (e.contributors != 7) {
            e.winner = e.refs[1]->Cost > e.refs[0]->Cost ? e.refs[1] : e.refs[0];
            continue;
        }
        const int a = e.refs[0]->Cost;
        const int b = e.refs[1]->Cost;
        const int c = e.refs[2]->Cost;
        if (!(a > b && a > c) && refOthers(entries, count, 1) == 0) {
            e.contributors = 2 | 4;
            e.winner = b > c ? e.refs[1] : e.refs[2];
        } else if (!(b > a && b > c) && refOthers(entries, count, 2) == 0) {
            e.contributors = 1 | 4;
            e.winner = c > a ? e.refs[2] : e.refs[0];
        } else if (!(c > a && c > b) && refOthers(entries, count, 4) == 0) {
            e.contributors = 1 | 2;
            e.winner = b > a ? e.refs[1] : e.refs[0];
        } else if (a > b && a >= c) {
            e.contributors = b > c ? (1 | 2) : (1 | 4);
            e.winner = e.refs[0];
        } else if (b > a && b >= c) {
            e.contributors = c > a ? (2 | 4) : (1 | 2);
            e.winner = e.refs[1];
        } else if (c > a && c >= b) {
            e.contributors = a < b ? (2 | 4) : (1 | 4);
            e.winner = e.refs[2];
        } else {
            e.winner = e.refs[0];
        }
    }
    if (count > 5)
        count = 5;
    if (strict && n == 3 && count == 1)
        return false;
    int useless = refUseless(entries, count, items, n);
    if (strict && useless != 0)
        return false;

    std::array<int, 5> order{0, 1, 2, 3, 4};
    for (int pass = 0; pass < count; ++pass) {
        for (int i = 0; i + 1 < count; ++i) {
            if (entries[std::size_t(order[std::size_t(i)])].winner->Cost <
                entries[std::size_t(order[std::size_t(i + 1)])].winner->Cost)
                std::swap(order[std::size_t(i)], order[std::size_t(i + 1)]);
        }
    }

    rec = TPotionRec{};
    rec.Items = items;
    int filled = 0;
    int total = 0;
    for (int i = 0; i < count; ++i) {
        RefEntry &e = entries[std::size_t(order[std::size_t(i)])];
        const SlotStrength &w = *e.winner;
        const std::uint8_t harmful = data.EffectTable[std::size_t(w.Effect)].Harmful;
        if (i == 0)
            rec.PotionType = harmful;
        TPotionEffect &slot = rec.Effects[std::size_t(filled)];
        if (i == 0 || harmful == rec.PotionType) {
            slot = {w.Effect, w.Power, w.Time, w.Cost};
        } else if (purity) {
            e.contributors = 0;
            continue;
        } else {
            slot = {w.Effect, w.PowerPlain, w.TimePlain, w.CostPlain};
        }
        total += slot.Cost;
        ++filled;
    }
    if (purity) {
        useless = refUseless(entries, count, items, n);
        if (strict && useless != 0)
            return false;
    }
    rec.Cost = total;
    rec.EffCount = filled;
    rec.ItemCount = n;
    rec.UselessItem = useless;
    rec.MainEffSlot = 1;
    return true;
}

TEST(EvaluateReference, RandomCombinationsMatchTheStepByStepEvaluator) {
    int threeWay = 0;
    int accepted = 0;
    for (std::uint64_t seed = 1; seed <= 25; ++seed) {
        std::mt19937_64 rng(seed);
        const auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        const int items = uniform(6, 12);
        // Few effects: many shared ones, effects of all three, six at a time.
        const GameData data = test::buildData(test::randomSmallDataSet(rng, items, uniform(5, 8)));
        EffectStrengths strengths = RecalcItemEffects(data, SkillSettings{});
        // Few distinct prices: ties everywhere.
        for (int i = 1; i < data.itemRecordCount(); ++i) {
            for (SlotStrength &slot : strengths.item(i)) {
                slot.Cost = uniform(0, 4) * 10;
                slot.CostPlain = slot.Cost / 2 + 1;
                slot.Power = slot.Cost + 1000 + i;
                slot.PowerPlain = slot.Cost + 2000 + i;
                slot.Time = i;
                slot.TimePlain = i + 100;
            }
        }
        const int h = data.highestItem();
        for (int a = 0; a <= h; ++a) {
            for (int b = 0; b <= h; ++b) {
                for (int c = 0; c <= h; ++c) {
                    for (int mode = 0; mode < 4; ++mode) {
                        const bool strict = (mode & 1) != 0;
                        const bool purity = (mode & 2) != 0;
                        TPotionRec expected;
                        TPotionRec actual;
                        const bool want =
                            referenceEvaluate(data, strengths, purity, expected, a, b, c, strict);
                        const bool got = EvaluatePotion(data, strengths, purity, actual, a, b, c, strict);
                        ASSERT_EQ(want, got) << "seed " << seed << " (" << a << ", " << b << ", " << c
                                             << ") strict " << strict << " purity " << purity;
                        if (!want)
                            continue;
                        ++accepted;
                        ASSERT_EQ(expected, actual) << "seed " << seed << " (" << a << ", " << b << ", " << c
                                                    << ") strict " << strict << " purity " << purity;
                    }
                }
            }
        }
        // Count the combinations that exercise the three-way rules.
        for (int a = 1; a <= h; ++a)
            for (int b = a + 1; b <= h; ++b)
                for (int c = b + 1; c <= h; ++c)
                    for (const TItemEffect &s : data.ItemTable[std::size_t(a)].Eff) {
                        const auto has = [&](int item) {
                            for (const TItemEffect &t : data.ItemTable[std::size_t(item)].Eff)
                                if (t.Effect == s.Effect)
                                    return true;
                            return false;
                        };
                        threeWay += has(b) && has(c) ? 1 : 0;
                    }
    }
    EXPECT_GT(accepted, 10000);
    EXPECT_GT(threeWay, 500);
}

} // namespace
} // namespace qor
