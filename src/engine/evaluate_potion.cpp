#include "engine/evaluate_potion.h"

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

namespace qor {

namespace {

// Position bits of the ingredients 1, 2, 3 of a combination.
constexpr std::uint8_t kPos1 = 1;
constexpr std::uint8_t kPos2 = 2;
constexpr std::uint8_t kPos3 = 4;
constexpr std::uint8_t kAllPositions = kPos1 | kPos2 | kPos3;

constexpr int kMaxShared = 6;
constexpr int kMaxSlots = 3 * kSlotsPerItem;

// An effect that at least two ingredients of the combination have.
// Filled when an entry is created; left uninitialised before, because the
// evaluator runs once per search candidate.
struct SharedEffect {
    std::uint8_t contributors;
    bool threeWay;
    const SlotStrength *winner;
    std::array<const SlotStrength *, 3> refs; // the matching slots of positions 1, 2, 3 in order found
};

// Number of entries (pairs only, the entry under decision excluded by being
// three-way) that credit the position bit.
int others(const std::array<SharedEffect, kMaxShared> &shared, int count, std::uint8_t bit) {
    int n = 0;
    for (int i = 0; i < count; ++i) {
        const std::uint8_t c = shared[i].contributors;
        if ((c & bit) != 0 && c != kAllPositions)
            ++n;
    }
    return n;
}

// Resolves an effect of all three positions: reduces the credit to two
// positions (or keeps all three on a tie) and picks the winning slot.
void resolveThreeWay(std::array<SharedEffect, kMaxShared> &shared, int count, SharedEffect &e) {
    const std::int32_t a = e.refs[0]->Cost;
    const std::int32_t b = e.refs[1]->Cost;
    const std::int32_t c = e.refs[2]->Cost;
    if (!(a > b && a > c) && others(shared, count, kPos1) == 0) {
        e.contributors = kPos2 | kPos3;
        e.winner = b > c ? e.refs[1] : e.refs[2];
    } else if (!(b > a && b > c) && others(shared, count, kPos2) == 0) {
        e.contributors = kPos1 | kPos3;
        e.winner = c > a ? e.refs[2] : e.refs[0];
    } else if (!(c > a && c > b) && others(shared, count, kPos3) == 0) {
        e.contributors = kPos1 | kPos2;
        e.winner = b > a ? e.refs[1] : e.refs[0];
    } else if (a > b && a >= c) {
        e.contributors = b > c ? (kPos1 | kPos2) : (kPos1 | kPos3);
        e.winner = e.refs[0];
    } else if (b > a && b >= c) {
        e.contributors = c > a ? (kPos2 | kPos3) : (kPos1 | kPos2);
        e.winner = e.refs[1];
    } else if (c > a && c >= b) {
        e.contributors = a < b ? (kPos2 | kPos3) : (kPos1 | kPos3);
        e.winner = e.refs[2];
    } else {
        e.contributors = kAllPositions;
        e.winner = e.refs[0];
    }
}

// The ingredient of the first position (1, 2, 3 in order) that no entry credits.
std::int32_t findUselessItem(const std::array<SharedEffect, kMaxShared> &shared, int count,
                             const std::array<std::int32_t, 3> &items, int n) {
    std::uint8_t credited = 0;
    for (int i = 0; i < count; ++i)
        credited |= shared[i].contributors;
    for (int p = 0; p < n; ++p) {
        if ((credited & (1u << p)) == 0)
            return items[p];
    }
    return 0;
}

} // namespace

bool EvaluatePotion(const GameData &data, const EffectStrengths &strengths, bool perkPurity, TPotionRec &rec,
                    int item1, int item2, int item3, bool strict) {
    Q_ASSERT(strengths.fits(data));
    const int highest = strengths.itemRecordCount() - 1;
    for (int item : {item1, item2, item3}) {
        if (item < 0 || item > highest)
            return false;
    }

    // Normalisation: repeated ingredients count once, gaps close to the left.
    if (item1 == item2)
        item2 = 0;
    if (item1 == item3)
        item3 = 0;
    if (item2 == item3)
        item3 = 0;
    if (item1 == 0) {
        item1 = item2;
        item2 = item3;
        item3 = 0;
    }
    if (item2 == 0) {
        item2 = item3;
        item3 = 0;
    }
    if (item1 == 0 || item2 == 0)
        return false;
    const std::array<std::int32_t, 3> items{item1, item2, item3};
    const int n = item3 != 0 ? 3 : 2;

    // Slot list: positions in order, slots in order. The table gives an
    // empty slot and an index outside the effect table as effect 0, so that
    // neither is ever shared.
    std::array<const SlotStrength *, kMaxSlots> slots{};
    std::array<std::int32_t, kMaxSlots> effects{};
    for (int p = 0; p < n; ++p) {
        const ItemStrengths &row = strengths.item(items[p]);
        for (int j = 0; j < kSlotsPerItem; ++j) {
            const int k = p * kSlotsPerItem + j;
            slots[k] = &row[j];
            effects[k] = row[j].Effect;
        }
    }

    // Shared effects in order of discovery. The later slots that name the
    // effect are found at once as a bit mask (fewer unpredictable branches);
    // taking them in list order is the same as scanning them one by one.
    std::array<SharedEffect, kMaxShared> shared;
    int count = 0;
    unsigned struck = 0;
    const int slotCount = n * kSlotsPerItem;
    for (int g = 0; g < n - 1; ++g) {
        for (int j = g * kSlotsPerItem; j < (g + 1) * kSlotsPerItem; ++j) {
            const std::int32_t e = effects[j];
            if (e == 0 || (struck & (1u << j)) != 0)
                continue;
            unsigned matches = 0;
            for (int k = (g + 1) * kSlotsPerItem; k < slotCount; ++k)
                matches |= static_cast<unsigned>(effects[k] == e) << k;
            matches &= ~struck;
            if (matches == 0)
                continue;
            struck |= matches;
            // At most six entries arise from four different effects per
            // ingredient; broken data cannot overrun the array.
            if (count == kMaxShared)
                continue;
            const int second = std::countr_zero(matches);
            matches &= matches - 1;
            SharedEffect &entry = shared[count++];
            entry.winner = nullptr;
            entry.refs = {slots[j], slots[second], nullptr};
            if (matches == 0) {
                entry.threeWay = false;
                entry.contributors = static_cast<std::uint8_t>((1u << g) | (1u << (second / kSlotsPerItem)));
            } else {
                entry.refs[2] = slots[std::countr_zero(matches)];
                entry.threeWay = true;
                entry.contributors = kAllPositions;
            }
        }
    }
    if (count == 0)
        return false;

    // Winners by the bonus price, in order of discovery.
    for (int i = 0; i < count; ++i) {
        SharedEffect &e = shared[i];
        if (e.threeWay)
            resolveThreeWay(shared, count, e);
        else
            e.winner = e.refs[1]->Cost > e.refs[0]->Cost ? e.refs[1] : e.refs[0];
    }

    count = count > kMaxPotionEffects ? kMaxPotionEffects : count;
    if (strict && n == 3 && count == 1)
        return false;
    std::int32_t useless = findUselessItem(shared, count, items, n);
    if (strict && useless != 0)
        return false;

    // Stable sort by the winner's price, largest first.
    std::array<int, kMaxPotionEffects> order{0, 1, 2, 3, 4};
    for (int pass = 0; pass < count - 1; ++pass) {
        for (int i = 0; i < count - 1 - pass; ++i) {
            if (shared[order[i]].winner->Cost < shared[order[i + 1]].winner->Cost) {
                const int t = order[i];
                order[i] = order[i + 1];
                order[i + 1] = t;
            }
        }
    }

    rec = TPotionRec{};
    rec.Items = items;
    int filled = 0;
    std::int32_t total = 0;
    for (int i = 0; i < count; ++i) {
        SharedEffect &e = shared[order[i]];
        const SlotStrength &w = *e.winner;
        Q_ASSERT(w.Effect > 0 && w.Effect < data.effectRecordCount());
        const std::uint8_t harmful = data.EffectTable[w.Effect].Harmful;
        TPotionEffect &slot = rec.Effects[filled];
        if (i == 0)
            rec.PotionType = harmful;
        if (i == 0 || harmful == rec.PotionType) {
            slot = {w.Effect, w.Power, w.Time, w.Cost};
        } else if (perkPurity) {
            e.contributors = 0;
            continue;
        } else {
            slot = {w.Effect, w.PowerPlain, w.TimePlain, w.CostPlain};
        }
        total += slot.Cost;
        ++filled;
    }

    if (perkPurity) {
        useless = findUselessItem(shared, count, items, n);
        if (strict && useless != 0)
            return false;
    }

    rec.Cost = total;
    rec.EffCount = filled;
    rec.ItemCount = n;
    rec.UselessItem = useless;
    rec.MainEffSlot = 1;
    // What every reader of a recipe relies on.
    Q_ASSERT(filled >= 1 && filled <= kMaxPotionEffects);
    Q_ASSERT(total >= 0 && total <= kMaxPotionEffects * MaxValue);
    return true;
}

} // namespace qor
