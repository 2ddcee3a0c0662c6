#pragma once
// The recipes a brewing plan chooses from: every pair and triple of
// ingredients in stock that the current skill settings make into a recipe,
// filtered by kind and wanted effect, each with the value the plan maximises.

#include "engine/effect_strength.h"
#include "engine/potion_rec.h"
#include "game_data/game_data.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace qor {

enum class PlanKind : std::uint8_t { Potions, Poisons, Both };
// Price: the total price of the brewed potions. Count: their number (with a
// wanted effect, the number of potions that have it).
enum class PlanObjective : std::uint8_t { Price, Count };

struct PlanOptions {
    std::int32_t ItemsCountMode = 2; // 0 pairs, 1 triples, 2 both
    PlanKind kind = PlanKind::Both;
    std::int32_t wantedEffect = 0; // 0: any recipe
    PlanObjective objective = PlanObjective::Price;

    friend bool operator==(const PlanOptions &, const PlanOptions &) = default;
};

struct PlanRecipe {
    TPotionRec rec;
    std::int64_t value = 0; // what one brew adds to the objective
};

// Every recipe (strict evaluation, as the search finds them) between
// ingredients with a positive count in stock (indexed by ingredient index),
// ordered by ingredients. A recipe is left out when one made of a subset of
// its ingredients is also a candidate and worth at least as much: brewing
// that one instead never makes a plan worse and leaves more in stock.
// stop is asked every few thousand evaluations; when it says yes, the list
// ends where the enumeration stopped.
std::vector<PlanRecipe> EnumeratePlanRecipes(const GameData &data, const EffectStrengths &strengths,
                                             bool perkPurity, std::span<const std::int32_t> stock,
                                             const PlanOptions &options,
                                             const std::function<bool()> &stop = {});

} // namespace qor
