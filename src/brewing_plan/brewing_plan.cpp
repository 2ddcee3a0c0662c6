#include "brewing_plan/brewing_plan.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace qor {

std::int64_t PlanTotal(std::span<const PlanRecipe> recipes, std::span<const std::int32_t> times) {
    std::int64_t total = 0;
    for (std::size_t r = 0; r < recipes.size() && r < times.size(); ++r)
        total += recipes[r].value * times[r];
    return total;
}

std::vector<std::int64_t> PlanLeftOver(std::span<const PlanRecipe> recipes,
                                       std::span<const std::int32_t> times,
                                       std::span<const std::int32_t> stock) {
    std::vector<std::int64_t> left(stock.begin(), stock.end());
    for (std::size_t r = 0; r < recipes.size() && r < times.size(); ++r) {
        const TPotionRec &rec = recipes[r].rec;
        for (int k = 0; k < rec.ItemCount; ++k) {
            const auto item = std::size_t(rec.Items[std::size_t(k)]);
            if (item < left.size())
                left[item] -= times[r];
        }
    }
    return left;
}

bool PlanFitsStock(std::span<const PlanRecipe> recipes, std::span<const std::int32_t> times,
                   std::span<const std::int32_t> stock) {
    for (std::size_t r = 0; r < recipes.size() && r < times.size(); ++r) {
        if (times[r] < 0)
            return false;
        const TPotionRec &rec = recipes[r].rec;
        for (int k = 0; k < rec.ItemCount; ++k) {
            if (std::size_t(rec.Items[std::size_t(k)]) >= stock.size() && times[r] > 0)
                return false;
        }
    }
    const auto left = PlanLeftOver(recipes, times, stock);
    return std::all_of(left.begin(), left.end(), [](std::int64_t v) { return v >= 0; });
}

std::int32_t MaxBrews(const TPotionRec &rec, std::span<const std::int32_t> stock) {
    std::int32_t most = std::numeric_limits<std::int32_t>::max();
    for (int k = 0; k < rec.ItemCount; ++k) {
        const auto item = std::size_t(rec.Items[std::size_t(k)]);
        most = std::min(most, item < stock.size() ? stock[item] : 0);
    }
    return std::max(most, 0);
}

std::int64_t PlanBoundByStock(std::span<const PlanRecipe> recipes, std::span<const std::int32_t> stock) {
    const std::int64_t units =
        std::accumulate(stock.begin(), stock.end(), std::int64_t{0},
                        [](std::int64_t sum, std::int32_t n) { return sum + std::max(n, 0); });
    std::int64_t bound = 0;
    for (const PlanRecipe &r : recipes) {
        if (r.rec.ItemCount > 0)
            bound = std::max(bound, r.value * units / r.rec.ItemCount);
    }
    return bound;
}

BrewingPlan GreedyPlan(std::span<const PlanRecipe> recipes, std::span<const std::int32_t> stock) {
    std::vector<std::size_t> order(recipes.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (recipes[a].value != recipes[b].value)
            return recipes[a].value > recipes[b].value;
        return recipes[a].rec.ItemCount < recipes[b].rec.ItemCount;
    });

    std::vector<std::int32_t> left(stock.begin(), stock.end());
    BrewingPlan plan;
    plan.times.assign(recipes.size(), 0);
    for (std::size_t r : order) {
        const TPotionRec &rec = recipes[r].rec;
        const std::int32_t n = MaxBrews(rec, left);
        if (n == 0)
            continue;
        for (int k = 0; k < rec.ItemCount; ++k)
            left[std::size_t(rec.Items[std::size_t(k)])] -= n;
        plan.times[r] = n;
        plan.total += recipes[r].value * n;
    }
    return plan;
}

} // namespace qor
