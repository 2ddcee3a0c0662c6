#include "engine/search_from_items.h"

#include "engine/evaluate_potion.h"

namespace qor {

bool SearshFromItems(const GameData &data, const EffectStrengths &strengths, bool perkPurity,
                     const std::array<int, 3> &items, bool clearFirst, PotionList &list) {
    if (clearFirst)
        list.clear();

    // An index the tables do not have (a damaged chooser value or a typed
    // argument) takes no part, like an unchecked chooser.
    std::array<int, 3> used{};
    for (std::size_t k = 0; k < items.size(); ++k)
        used[k] = items[k] >= 1 && items[k] <= data.highestItem() ? items[k] : 0;

    TPotionRec rec{};
    if (!EvaluatePotion(data, strengths, perkPurity, rec, used[0], used[1], used[2], false))
        return false;
    if (rec.ItemCount <= 1 || rec.EffCount <= 0)
        return false;
    return list.AddPotion(rec);
}

int selectionAfterItemSearch(bool clearFirst, int selectedRow, int potionCount) {
    if (potionCount <= 0)
        return -1;
    if (clearFirst || selectedRow < 0 || selectedRow >= potionCount)
        return 0;
    return selectedRow;
}

} // namespace qor
