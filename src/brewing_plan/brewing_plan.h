#pragma once
// A brewing plan: how many times to brew each candidate recipe. The exact
// plan maximises the total value with no ingredient used more often than it
// is in stock; the greedy plan is the baseline it is measured against.

#include "brewing_plan/plan_recipes.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace qor {

struct BrewingPlan {
    std::vector<std::int32_t> times; // parallel to the recipe list
    std::int64_t total = 0;          // Σ value · times
};

// Σ value · times.
std::int64_t PlanTotal(std::span<const PlanRecipe> recipes, std::span<const std::int32_t> times);
std::int64_t PlanTotal(std::span<const PlanColumn> columns, std::span<const std::int32_t> times);

// What is left of every ingredient after the plan; negative where the plan
// uses more than the stock holds.
std::vector<std::int64_t> PlanLeftOver(std::span<const PlanRecipe> recipes,
                                       std::span<const std::int32_t> times,
                                       std::span<const std::int32_t> stock);
std::vector<std::int64_t> PlanLeftOver(std::span<const PlanColumn> columns,
                                       std::span<const std::int32_t> times,
                                       std::span<const std::int32_t> stock);

// True when no ingredient is used more often than it is in stock.
bool PlanFitsStock(std::span<const PlanRecipe> recipes, std::span<const std::int32_t> times,
                   std::span<const std::int32_t> stock);
bool PlanFitsStock(std::span<const PlanColumn> columns, std::span<const std::int32_t> times,
                   std::span<const std::int32_t> stock);

// Best recipe first (higher value, then fewer ingredients, then list order),
// brewed as often as the stock allows; then the next. stop is asked every
// few milliseconds of work; when it says yes, the plan holds what was
// brewed so far (nothing, if the order was not sorted yet).
BrewingPlan GreedyPlan(std::span<const PlanColumn> columns, std::span<const std::int32_t> stock,
                       const std::function<bool()> &stop = {});

// A bound on every plan without solving anything: each brew of a recipe uses
// its ingredients once, so no plan is worth more than the stock's total count
// times the best value per ingredient of any recipe.
std::int64_t PlanBoundByStock(std::span<const PlanColumn> columns, std::span<const std::int32_t> stock);

// How many times a recipe can be brewed from the stock at most.
std::int32_t MaxBrews(std::span<const std::int32_t> items, std::span<const std::int32_t> stock);
std::int32_t MaxBrews(const TPotionRec &rec, std::span<const std::int32_t> stock);

} // namespace qor
