#pragma once
// The one recipe list: a fixed array of up to MaxPotions records allocated
// once, its count, its sort order and the recipe currently selected.

#include "engine/potion_rec.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace qor {

inline constexpr int MaxPotions = 100000;

class PotionList {
public:
    PotionList();
    PotionList(const PotionList &) = delete;
    PotionList &operator=(const PotionList &) = delete;

    int PotionCount() const { return m_count; }
    bool isFull() const { return m_count >= MaxPotions; }

    // The valid records, positions 0..PotionCount-1.
    std::span<TPotionRec> Potions() { return {m_potions.get(), static_cast<std::size_t>(m_count)}; }
    std::span<const TPotionRec> Potions() const { return {m_potions.get(), static_cast<std::size_t>(m_count)}; }
    const TPotionRec &operator[](int row) const { return m_potions[row]; }
    TPotionRec &operator[](int row) { return m_potions[row]; }

    // Appends a copy unless the list is full; a full list drops it silently.
    bool AddPotion(const TPotionRec &rec);
    void clear() { m_count = 0; }
    // Shrinks the list to its first n records (n <= PotionCount).
    void truncate(int n);

    // Sorts by PotionSortCode (counting sort; equal keys come out reversed).
    void SortPotions();

    // Scratch array of the same capacity, for operations that rebuild the list.
    std::span<TPotionRec> scratch() { return {m_scratch.get(), static_cast<std::size_t>(MaxPotions)}; }

    // 0 = unsorted; +c ascending by column c, -c descending (c = 1..25).
    std::int32_t PotionSortCode = 0;
    // Copy of the selected recipe; all zero when none is selected.
    TPotionRec CurPotion{};

private:
    std::unique_ptr<TPotionRec[]> m_potions;
    std::unique_ptr<TPotionRec[]> m_scratch;
    std::vector<std::int32_t> m_counters; // one per key value, all 0 between sorts
    int m_count = 0;
};

// The sort key of a record for a column code 1..25 (never negative).
std::int32_t potionSortKey(const TPotionRec &rec, int column);

} // namespace qor
