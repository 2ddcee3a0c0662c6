#pragma once
// The part of the search from effects that does not depend on the ingredients:
// required ingredients, price range, the ordered wanted list and the window of
// effect counts a recipe must fall into; and the test of one recipe's effects
// against the wanted list.

#include "engine/potion_rec.h"
#include "engine/search_conditions.h"
#include "game_data/game_data.h"

#include <array>
#include <cstdint>

namespace qor {

struct EffectSearchPlan {
    // Required ingredients after merging: R1 stands in the c position, R2 in b.
    std::int32_t requiredC = 0; // R1
    std::int32_t requiredB = 0; // R2
    bool checkCost = false;
    std::int32_t priceMin = 0;
    std::int32_t priceMax = 0;
    // Positive: an effect index; -f: filter code f; 0: no condition.
    std::array<std::int32_t, kEffectLines> WantedList{};
    int wantedCount = 0;   // N, the non-zero entries in front
    int optionalCount = 0; // after the adjustment for Emin = 0
    int effMin = 0;        // Emin
    int effMax = 0;        // Emax
};

// Builds the plan from the conditions. A price index outside CostList means
// no price test (a damaged settings file must not read out of bounds).
EffectSearchPlan buildEffectSearchPlan(const GameData &data, const SearchConditions &cond);

// True when effect X satisfies the wanted entry v (v != 0).
bool wantedEntryAccepts(const GameData &data, std::int32_t v, std::int32_t effect);

// The effect matching of a candidate: each of the first EffCount wanted
// entries claims the first still unmatched recipe slot that satisfies it;
// true when every slot is claimed.
bool matchWantedEffects(const GameData &data, const EffectSearchPlan &plan, const TPotionRec &rec);

} // namespace qor
