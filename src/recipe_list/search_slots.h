#pragma once
// Saved copies of the search conditions: slot 0 is the quick slot, 1..3 the
// numbered slots. Restoring copies a slot back and runs exactly one search.

#include "common/command_gate.h"
#include "engine/search_conditions.h"

#include <QString>

#include <array>
#include <functional>

namespace qor {

inline constexpr int kSearchSlotCount = 4;
inline constexpr int kNumberedSearchSlots = 3;

struct SearchSlots {
    std::array<SearchConditions, kSearchSlotCount> Slots{};

    // Copies the conditions into a slot 0..3; false (nothing saved) otherwise.
    bool save(int slot, const SearchConditions &conditions);
    // The slot's conditions; nullptr outside 0..3.
    const SearchConditions *slot(int slot) const;
};

// Whether a number typed for a numbered slot is accepted (1..3).
inline bool isNumberedSlot(int slot) {
    return slot >= 1 && slot <= kNumberedSearchSlots;
}
// The warning shown for any other number.
QString slotRangeWarning();

// Restores a slot: copies it into conditions, holds the gate's searches while
// setControls loads the condition controls (searches their handlers request
// meanwhile must return at once), releases them and calls runForcedSearch
// exactly once. A slot outside 0..3 does nothing and returns false.
bool SearshRestore(const SearchSlots &slots, int slot, SearchConditions &conditions, CommandGate &gate,
                   const std::function<void(const SearchConditions &)> &setControls,
                   const std::function<void()> &runForcedSearch);

} // namespace qor
