#pragma once
// The search from ingredients: exactly the combination of the up to three
// ingredients the user picked, evaluated leniently.

#include "engine/effect_strength.h"
#include "engine/potion_list.h"
#include "game_data/game_data.h"

#include <array>

namespace qor {

// The chooser value that takes part: the ingredient index when its check box
// is on, else 0.
inline int itemChooserValue(int itemIndex, bool checked) {
    return checked ? itemIndex : 0;
}

// Clears the list first when clearFirst is set, then evaluates items (0 = no
// ingredient) with the lenient rules and appends the recipe, unsorted, when it
// has more than one ingredient and at least one effect. Returns whether a
// recipe was appended (a full list drops it and returns false).
bool SearshFromItems(const GameData &data, const EffectStrengths &strengths, bool perkPurity,
                     const std::array<int, 3> &items, bool clearFirst, PotionList &list);

// The row to select after the search: row 0 with clearing on, else the
// current selection or row 0 when none; -1 for an empty list.
int selectionAfterItemSearch(bool clearFirst, int selectedRow, int potionCount);

// Whether a change of chooser k starts the search (its check box is on), and
// whether a click on check box k does (its chooser holds an ingredient).
inline bool itemChooserChangeSearches(bool checked) {
    return checked;
}
inline bool itemCheckBoxClickSearches(int chooserIndex) {
    return chooserIndex > 0;
}

} // namespace qor
