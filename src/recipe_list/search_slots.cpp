#include "recipe_list/search_slots.h"

namespace qor {

bool SearchSlots::save(int slot, const SearchConditions &conditions) {
    if (slot < 0 || slot >= kSearchSlotCount)
        return false;
    Slots[static_cast<std::size_t>(slot)] = conditions;
    return true;
}

const SearchConditions *SearchSlots::slot(int slot) const {
    if (slot < 0 || slot >= kSearchSlotCount)
        return nullptr;
    return &Slots[static_cast<std::size_t>(slot)];
}

QString slotRangeWarning() {
    return QStringLiteral("Слот должен лежать в диапазоне от 1 до ") + QString::number(kNumberedSearchSlots) +
           QStringLiteral("     ");
}

bool SearshRestore(const SearchSlots &slots, int slot, SearchConditions &conditions, CommandGate &gate,
                   const std::function<void(const SearchConditions &)> &setControls,
                   const std::function<void()> &runForcedSearch) {
    const SearchConditions *saved = slots.slot(slot);
    if (!saved)
        return false;
    conditions = *saved;
    // The controls are loaded from a copy: their handlers write into
    // conditions while this runs.
    const SearchConditions restored = *saved;
    {
        // The condition handlers fire while the controls change; the lock
        // makes the searches they request return at once.
        const CommandGate::Scope held(gate, CommandGate::Hold::Searches);
        if (setControls)
            setControls(restored);
    }
    if (runForcedSearch)
        runForcedSearch();
    return true;
}

} // namespace qor
