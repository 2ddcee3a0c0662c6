#pragma once
// The recipes a brewing plan chooses from: every pair and triple of
// ingredients in stock that the current skill settings make into a recipe,
// filtered by kind and wanted effect, each with the value the plan maximises.

#include "engine/effect_strength.h"
#include "engine/potion_rec.h"
#include "game_data/game_data.h"

#include <array>
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

// A candidate recipe as the plan's search keeps it: its ingredients and
// value only. A million candidates take 16 MB this way; the full record is
// evaluated again for the few recipes a plan brews.
struct PlanColumn {
    std::array<std::int32_t, kMaxPotionItems> items{}; // ascending; 0 for no third ingredient
    std::int32_t value = 0;

    int itemCount() const { return items[2] != 0 ? 3 : 2; }
    std::span<const std::int32_t> ingredients() const { return {items.data(), std::size_t(itemCount())}; }
};

// Every recipe (strict evaluation, as the search finds them) between
// ingredients with a positive count in stock (indexed by ingredient index),
// ordered by ingredients. A recipe is left out when one made of a subset of
// its ingredients is also a candidate and worth at least as much: brewing
// that one instead never makes a plan worse and leaves more in stock.
// stop is asked every few thousand evaluations; when it says yes, the list
// ends where the enumeration stopped.
std::vector<PlanColumn> EnumeratePlanColumns(const GameData &data, const EffectStrengths &strengths,
                                             bool perkPurity, std::span<const std::int32_t> stock,
                                             const PlanOptions &options,
                                             const std::function<bool()> &stop = {});

// The full record of a candidate, evaluated again.
PlanRecipe PlanRecipeOf(const GameData &data, const EffectStrengths &strengths, bool perkPurity,
                        const PlanColumn &column);

// The same list as EnumeratePlanColumns, with full records.
std::vector<PlanRecipe> EnumeratePlanRecipes(const GameData &data, const EffectStrengths &strengths,
                                             bool perkPurity, std::span<const std::int32_t> stock,
                                             const PlanOptions &options,
                                             const std::function<bool()> &stop = {});

} // namespace qor
