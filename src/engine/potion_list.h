#pragma once
// The one recipe list: up to MaxPotions records in storage reserved once,
// its sort order and the recipe currently selected. Only the records in use
// are ever written, so the memory a list occupies grows with what it holds.

#include "engine/potion_rec.h"

#include <QtGlobal>

#include <cstdint>
#include <span>
#include <vector>

namespace qor {

inline constexpr int MaxPotions = 100000;

class PotionList {
  public:
    PotionList();
    PotionList(const PotionList &) = delete;
    PotionList &operator=(const PotionList &) = delete;

    int PotionCount() const { return static_cast<int>(m_potions.size()); }
    bool isFull() const { return PotionCount() >= MaxPotions; }

    // The valid records, positions 0..PotionCount-1.
    std::span<TPotionRec> Potions() { return m_potions; }
    std::span<const TPotionRec> Potions() const { return m_potions; }
    // Rows outside 0..PotionCount-1 are the caller's fault (checked in
    // builds with assertions).
    const TPotionRec &operator[](int row) const {
        Q_ASSERT(row >= 0 && row < PotionCount());
        return m_potions[static_cast<std::size_t>(row)];
    }
    TPotionRec &operator[](int row) {
        Q_ASSERT(row >= 0 && row < PotionCount());
        return m_potions[static_cast<std::size_t>(row)];
    }

    // Appends a copy unless the list is full; a full list drops it silently.
    bool AddPotion(const TPotionRec &rec);
    void clear() { m_potions.clear(); }
    // Shrinks the list to its first n records (n <= PotionCount).
    void truncate(int n);

    // Sorts by PotionSortCode (counting sort; equal keys come out reversed).
    void SortPotions();

    // 0 = unsorted; +c ascending by column c, -c descending (c = 1..25).
    std::int32_t PotionSortCode = 0;
    // Copy of the selected recipe; all zero when none is selected.
    TPotionRec CurPotion{};

  private:
    void ensureCounters(std::int64_t n);

    // Both reserve MaxPotions records up front and never reallocate; a
    // reservation costs address space only, pages are touched as records
    // are written.
    std::vector<TPotionRec> m_potions;
    std::vector<TPotionRec> m_scratch; // the sort's copy, filled only while a sort runs
    // One per key value (or the index array of the comparison sort), grown
    // on demand by the sort; all 0 between sorts.
    std::vector<std::int32_t> m_counters;
};

// The sort key of a record for a column code 1..25 (never negative).
std::int32_t potionSortKey(const TPotionRec &rec, int column);

} // namespace qor
