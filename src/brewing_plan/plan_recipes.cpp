#include "brewing_plan/plan_recipes.h"

#include "engine/evaluate_potion.h"

#include <algorithm>

namespace qor {

namespace {

bool passesFilters(const TPotionRec &rec, const PlanOptions &options) {
    if (options.kind == PlanKind::Potions && rec.PotionType != 0)
        return false;
    if (options.kind == PlanKind::Poisons && rec.PotionType == 0)
        return false;
    if (options.wantedEffect == 0)
        return true;
    for (int s = 0; s < rec.EffCount; ++s) {
        if (rec.Effects[s].Effect == options.wantedEffect)
            return true;
    }
    return false;
}

// Evaluations between two questions whether to stop: well under a
// millisecond of work, and a tiny stock is always enumerated whole.
constexpr int kEvaluationsPerStopCheck = 2048;

std::int64_t recipeValue(const TPotionRec &rec, PlanObjective objective) {
    return objective == PlanObjective::Price ? rec.Cost : 1;
}

} // namespace

std::vector<PlanColumn> EnumeratePlanColumns(const GameData &data, const EffectStrengths &strengths,
                                             bool perkPurity, std::span<const std::int32_t> stock,
                                             const PlanOptions &options, const std::function<bool()> &stop) {
    std::vector<std::int32_t> inStock;
    for (int i = 1; i <= data.highestItem() && i < static_cast<int>(stock.size()); ++i) {
        if (stock[std::size_t(i)] > 0)
            inStock.push_back(i);
    }
    const int n = static_cast<int>(inStock.size());
    const bool wantPairs = options.ItemsCountMode != 1;
    const bool wantTriples = options.ItemsCountMode != 0;

    // Value of every candidate pair by position in inStock (-1: none); the
    // triples need it for the subset test even when pairs are not wanted.
    std::vector<std::int64_t> pairValue(std::size_t(n) * std::size_t(n), -1);
    std::vector<PlanColumn> out;
    TPotionRec rec;
    int untilCheck = kEvaluationsPerStopCheck;
    const auto stopNow = [&] {
        if (--untilCheck > 0)
            return false;
        untilCheck = kEvaluationsPerStopCheck;
        return stop && stop();
    };
    for (int a = 0; a < n; ++a) {
        for (int b = a + 1; b < n; ++b) {
            if (stopNow())
                return out;
            if (!EvaluatePotion(data, strengths, perkPurity, rec, inStock[a], inStock[b], 0, true) ||
                !passesFilters(rec, options))
                continue;
            const std::int64_t v = recipeValue(rec, options.objective);
            if (v <= 0)
                continue;
            pairValue[std::size_t(a) * n + b] = v;
            if (wantPairs)
                out.push_back({{inStock[a], inStock[b], 0}, std::int32_t(v)});
        }
    }
    if (!wantTriples)
        return out;
    for (int a = 0; a < n; ++a) {
        for (int b = a + 1; b < n; ++b) {
            const std::int64_t ab = wantPairs ? pairValue[std::size_t(a) * n + b] : -1;
            for (int c = b + 1; c < n; ++c) {
                if (stopNow())
                    return out;
                if (!EvaluatePotion(data, strengths, perkPurity, rec, inStock[a], inStock[b], inStock[c],
                                    true) ||
                    !passesFilters(rec, options))
                    continue;
                const std::int64_t v = recipeValue(rec, options.objective);
                if (v <= 0)
                    continue;
                if (wantPairs) {
                    const std::int64_t best =
                        std::max({ab, pairValue[std::size_t(a) * n + c], pairValue[std::size_t(b) * n + c]});
                    if (best >= v)
                        continue;
                }
                out.push_back({{inStock[a], inStock[b], inStock[c]}, std::int32_t(v)});
            }
        }
    }
    return out;
}

PlanRecipe PlanRecipeOf(const GameData &data, const EffectStrengths &strengths, bool perkPurity,
                        const PlanColumn &column) {
    PlanRecipe r;
    EvaluatePotion(data, strengths, perkPurity, r.rec, column.items[0], column.items[1], column.items[2],
                   true);
    r.value = column.value;
    return r;
}

std::vector<PlanRecipe> EnumeratePlanRecipes(const GameData &data, const EffectStrengths &strengths,
                                             bool perkPurity, std::span<const std::int32_t> stock,
                                             const PlanOptions &options, const std::function<bool()> &stop) {
    const auto columns = EnumeratePlanColumns(data, strengths, perkPurity, stock, options, stop);
    std::vector<PlanRecipe> out;
    out.reserve(columns.size());
    for (const PlanColumn &c : columns)
        out.push_back(PlanRecipeOf(data, strengths, perkPurity, c));
    return out;
}

} // namespace qor
