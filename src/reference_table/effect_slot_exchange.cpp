#include "reference_table/effect_slot_exchange.h"

#include <utility>

namespace qor {

int exchangeEffectSlots(GameData &data, int effect, int targetSlot) {
    if (effect <= 0 || effect > data.highestEffect() || targetSlot < 1 || targetSlot > kSlotsPerItem)
        return 0;
    const auto target = static_cast<std::size_t>(targetSlot - 1);
    int moved = 0;
    // Record 0 is the placeholder and never shown.
    for (std::size_t i = 1; i < data.ItemTable.size(); ++i) {
        auto &slots = data.ItemTable[i].Eff;
        for (std::size_t j = 0; j < slots.size(); ++j) {
            if (slots[j].Effect != effect)
                continue;
            if (j != target) {
                std::swap(slots[j], slots[target]);
                ++moved;
            }
            break;
        }
    }
    return moved;
}

} // namespace qor
