#pragma once
// Alternative making: the user collects up to three ingredients and up to
// five required effects; after every change the reachable effects, the
// ingredients that can still be added and the one resulting recipe are
// recomputed. The arrays are the rows of the four lists of the page.

#include "engine/effect_strength.h"
#include "engine/potion_list.h"
#include "game_data/game_data.h"

#include <cstdint>
#include <vector>

namespace qor {

inline constexpr int kAltMaxItems = 3;
inline constexpr int kAltMaxEffects = 5;

struct AltEffectRow {
    std::int32_t effect = 0;
    bool reachable = false;

    friend bool operator==(const AltEffectRow &, const AltEffectRow &) = default;
};

// Selected rows of the page's lists (-1 = none). The operations read and
// update them the way the list boxes would.
struct AltSelection {
    int amountItems = -1;   // LbAltAmountItems (rows of AltItems)
    int amountEffects = -1; // LbAltAmountEffects (rows of AltEffects)
    int candidates = -1;    // LbAltItemsList (rows of AltCandidates)
};

// The state of the page and its recomputations. The recipe list and the game
// data are passed in; nothing here is persisted.
struct AltMaking {
    std::vector<std::int32_t> AltItems;       // chosen ingredients, in order added
    std::vector<std::int32_t> AltEffects;     // required effects, in order added
    std::vector<std::int32_t> AltItemEffects; // four slot effects per chosen ingredient
    std::vector<AltEffectRow> AltEffectRows;  // one row per effect 1..M
    std::vector<std::int32_t> AltCandidates;  // ingredients that can be added, ascending
    bool prepared = false;                    // the page was entered once

    // First entry of the page: one row per effect, the reachable effects and
    // the candidates. Returns the new candidate selection.
    int preparePage(const GameData &data, int candidateSelection);

    // Append an ingredient / a required effect and run the four
    // recomputations. Refused (false, nothing changes) when out of range,
    // already present or the list is full.
    bool AltAddItem(const GameData &data, const EffectStrengths &strengths, bool perkPurity, PotionList &list,
                    int item, AltSelection &selection);
    bool AltAddEffect(const GameData &data, const EffectStrengths &strengths, bool perkPurity,
                      PotionList &list, int effect, AltSelection &selection);
    // Remove the entry at a position (0-based row of the amount list) and run
    // the recomputations; the amount list's selection keeps its row or moves
    // to the new last row. False for a position outside the array.
    bool AltDelItem(const GameData &data, const EffectStrengths &strengths, bool perkPurity, PotionList &list,
                    int position, AltSelection &selection);
    bool AltDelEffect(const GameData &data, const EffectStrengths &strengths, bool perkPurity,
                      PotionList &list, int position, AltSelection &selection);

    // The four recomputations, always in this order after a change.
    void AltFillMakeEffAmount(const GameData &data);
    void AltCalcMakeEffects(const GameData &data);
    // Rebuilds the candidates; returns the row to select: the previously
    // selected ingredient, else the largest candidate below it, else row 0
    // (-1 without candidates).
    int AltCalcMakeItems(const GameData &data, int candidateSelection);
    // Replaces the whole recipe list with the chosen ingredients' recipe, or
    // empties it. Returns whether the list holds a recipe (the view then
    // selects its last row).
    bool AltMakePotion(const GameData &data, const EffectStrengths &strengths, bool perkPurity,
                       PotionList &list) const;

    // All four recomputations; updates selection.candidates.
    void recalc(const GameData &data, const EffectStrengths &strengths, bool perkPurity, PotionList &list,
                AltSelection &selection);

    // Effect indices of AltEffectRows that are (not) reachable, in row order.
    std::vector<std::int32_t> reachableEffects(bool reachable) const;
};

} // namespace qor
