#include "engine/potion_list.h"

#include <algorithm>

namespace qor {

namespace {

// Every key the engine can produce fits this range: a price is at most five
// slot prices of 30000 each.
constexpr std::int64_t kEngineKeyRange = 5 * 30000 + 1;
// Beyond this key range (only from damaged records) a comparison sort with
// the same ordering rule replaces the counting sort, so no huge counter array
// is ever allocated.
constexpr std::int64_t kMaxCountingRange = 4 * std::int64_t{MaxPotions} + kEngineKeyRange;

} // namespace

std::int32_t potionSortKey(const TPotionRec &rec, int column) {
    switch (column) {
    case PotionColumn::Type:
        return rec.PotionType;
    case PotionColumn::Cost:
        return rec.Cost;
    case 3:
    case 4:
    case 5:
        return rec.Items[column - PotionColumn::Item1];
    default:
        break;
    }
    if (column < PotionColumn::power(1) || column > PotionColumn::effect(kMaxPotionEffects))
        return 0;
    const TPotionEffect &e = rec.Effects[(column - PotionColumn::power(1)) / 4];
    switch ((column - PotionColumn::power(1)) % 4) {
    case 0:
        return e.Power;
    case 1:
        return e.Time;
    case 2:
        return e.Cost;
    default:
        return e.Effect;
    }
}

PotionList::PotionList() {
    m_potions.reserve(MaxPotions);
    m_scratch.reserve(MaxPotions);
}

bool PotionList::AddPotion(const TPotionRec &rec) {
    if (isFull())
        return false;
    m_potions.push_back(rec);
    return true;
}

void PotionList::truncate(int n) {
    m_potions.resize(static_cast<std::size_t>(std::clamp(n, 0, PotionCount())));
}

void PotionList::ensureCounters(std::int64_t n) {
    if (static_cast<std::int64_t>(m_counters.size()) < n)
        m_counters.resize(static_cast<std::size_t>(n), 0);
}

void PotionList::SortPotions() {
    const int code = PotionSortCode;
    const int count = PotionCount();
    if (count < 2 || code == 0 || code < -25 || code > 25)
        return;
    const int column = code > 0 ? code : -code;
    const bool ascending = code > 0;

    m_scratch.assign(m_potions.begin(), m_potions.end());
    const TPotionRec *src = m_scratch.data();
    TPotionRec *dst = m_potions.data();
    std::int32_t minKey = 0;
    std::int32_t maxKey = 0;
    for (int i = 0; i < count; ++i) {
        const std::int32_t key = potionSortKey(src[i], column);
        minKey = std::min(minKey, key);
        maxKey = std::max(maxKey, key);
    }
    // Keys are shifted by the smallest one, so a negative key (never produced
    // by the engine) cannot index before the counters.
    const std::int64_t range = std::int64_t{maxKey} - minKey + 1;

    if (range > kMaxCountingRange) {
        // Same result as the counting sort: by key, equal keys in reverse order.
        // The counters serve as the index array.
        ensureCounters(count);
        std::int32_t *order = m_counters.data();
        for (int i = 0; i < count; ++i)
            order[i] = i;
        std::sort(order, order + count, [&](std::int32_t a, std::int32_t b) {
            const std::int32_t ka = potionSortKey(src[a], column);
            const std::int32_t kb = potionSortKey(src[b], column);
            if (ka != kb)
                return ascending ? ka < kb : ka > kb;
            return a > b;
        });
        for (int i = 0; i < count; ++i)
            dst[i] = src[order[i]];
        std::fill_n(order, count, 0);
        m_scratch.clear();
        return;
    }

    ensureCounters(range);
    std::int32_t *counters = m_counters.data();
    const auto slot = [&](const TPotionRec &rec) {
        return static_cast<std::size_t>(std::int64_t{potionSortKey(rec, column)} - minKey);
    };
    for (int i = 0; i < count; ++i)
        ++counters[slot(src[i])];

    const std::size_t top = static_cast<std::size_t>(range - 1);
    std::int32_t total = 0;
    if (ascending) {
        for (std::size_t k = 0; k <= top; ++k) {
            if (counters[k] > 0) {
                total += counters[k];
                counters[k] = total;
            }
        }
    } else {
        for (std::size_t k = top + 1; k-- > 0;) {
            if (counters[k] > 0) {
                total += counters[k];
                counters[k] = total;
            }
        }
    }
    for (int i = 0; i < count; ++i) {
        const TPotionRec &rec = src[i];
        dst[--counters[slot(rec)]] = rec;
    }
    std::fill_n(counters, top + 1, 0);
    m_scratch.clear();
}

} // namespace qor
