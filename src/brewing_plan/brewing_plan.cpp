#include "brewing_plan/brewing_plan.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace qor {

namespace {

// Keys sorted, or candidates brewed, between two questions whether to stop.
constexpr std::size_t kKeysPerStopCheck = std::size_t{1} << 16;

std::span<const std::int32_t> itemsOf(const PlanRecipe &r) {
    return {r.rec.Items.data(), std::size_t(std::clamp(r.rec.ItemCount, 0, kMaxPotionItems))};
}
std::span<const std::int32_t> itemsOf(const PlanColumn &c) {
    return c.ingredients();
}

template <class Recipe>
std::int64_t total(std::span<const Recipe> recipes, std::span<const std::int32_t> times) {
    std::int64_t sum = 0;
    for (std::size_t r = 0; r < recipes.size() && r < times.size(); ++r)
        sum += std::int64_t(recipes[r].value) * times[r];
    return sum;
}

template <class Recipe>
std::vector<std::int64_t> leftOver(std::span<const Recipe> recipes, std::span<const std::int32_t> times,
                                   std::span<const std::int32_t> stock) {
    std::vector<std::int64_t> left(stock.begin(), stock.end());
    for (std::size_t r = 0; r < recipes.size() && r < times.size(); ++r) {
        for (const std::int32_t item : itemsOf(recipes[r])) {
            if (std::size_t(item) < left.size())
                left[std::size_t(item)] -= times[r];
        }
    }
    return left;
}

template <class Recipe>
bool fitsStock(std::span<const Recipe> recipes, std::span<const std::int32_t> times,
               std::span<const std::int32_t> stock) {
    for (std::size_t r = 0; r < recipes.size() && r < times.size(); ++r) {
        if (times[r] < 0)
            return false;
        for (const std::int32_t item : itemsOf(recipes[r])) {
            if (std::size_t(item) >= stock.size() && times[r] > 0)
                return false;
        }
    }
    const auto left = leftOver(recipes, times, stock);
    return std::all_of(left.begin(), left.end(), [](std::int64_t v) { return v >= 0; });
}

} // namespace

std::int64_t PlanTotal(std::span<const PlanRecipe> recipes, std::span<const std::int32_t> times) {
    return total(recipes, times);
}
std::int64_t PlanTotal(std::span<const PlanColumn> columns, std::span<const std::int32_t> times) {
    return total(columns, times);
}

std::vector<std::int64_t> PlanLeftOver(std::span<const PlanRecipe> recipes,
                                       std::span<const std::int32_t> times,
                                       std::span<const std::int32_t> stock) {
    return leftOver(recipes, times, stock);
}
std::vector<std::int64_t> PlanLeftOver(std::span<const PlanColumn> columns,
                                       std::span<const std::int32_t> times,
                                       std::span<const std::int32_t> stock) {
    return leftOver(columns, times, stock);
}

bool PlanFitsStock(std::span<const PlanRecipe> recipes, std::span<const std::int32_t> times,
                   std::span<const std::int32_t> stock) {
    return fitsStock(recipes, times, stock);
}
bool PlanFitsStock(std::span<const PlanColumn> columns, std::span<const std::int32_t> times,
                   std::span<const std::int32_t> stock) {
    return fitsStock(columns, times, stock);
}

std::int32_t MaxBrews(std::span<const std::int32_t> items, std::span<const std::int32_t> stock) {
    std::int32_t most = std::numeric_limits<std::int32_t>::max();
    for (const std::int32_t item : items)
        most = std::min(most, std::size_t(item) < stock.size() ? stock[std::size_t(item)] : 0);
    return std::max(most, 0);
}

std::int32_t MaxBrews(const TPotionRec &rec, std::span<const std::int32_t> stock) {
    return MaxBrews(std::span(rec.Items.data(), std::size_t(std::clamp(rec.ItemCount, 0, kMaxPotionItems))),
                    stock);
}

std::int64_t PlanBoundByStock(std::span<const PlanColumn> columns, std::span<const std::int32_t> stock) {
    const std::int64_t units =
        std::accumulate(stock.begin(), stock.end(), std::int64_t{0},
                        [](std::int64_t sum, std::int32_t n) { return sum + std::max(n, 0); });
    std::int64_t bound = 0;
    for (const PlanColumn &c : columns)
        bound = std::max(bound, std::int64_t(c.value) * units / c.itemCount());
    return bound;
}

namespace {

// Keys sorted per block and merged pairwise, asking stop after each block
// and merge: on a million and a half keys no unit of work takes more than a
// few milliseconds, and a list of one block is always sorted whole.
// Returns false when stop said yes (the order is then only partly sorted).
bool sortStoppably(std::vector<std::uint64_t> &keys, const std::function<bool()> &stop) {
    const std::size_t n = keys.size();
    const auto at = [&](std::size_t i) { return keys.begin() + std::ptrdiff_t(std::min(i, n)); };
    const auto stopNow = [&] { return stop && stop(); };
    for (std::size_t from = 0; from < n; from += kKeysPerStopCheck) {
        std::sort(at(from), at(from + kKeysPerStopCheck));
        if (from + kKeysPerStopCheck < n && stopNow())
            return false;
    }
    for (std::size_t width = kKeysPerStopCheck; width < n; width *= 2) {
        for (std::size_t from = 0; from + width < n; from += 2 * width) {
            std::inplace_merge(at(from), at(from + width), at(from + 2 * width));
            if (stopNow())
                return false;
        }
    }
    return true;
}

} // namespace

BrewingPlan GreedyPlan(std::span<const PlanColumn> columns, std::span<const std::int32_t> stock,
                       const std::function<bool()> &stop) {
    // One key per candidate sorts a million of them in a blink: value
    // descending (values are positive), pairs first, then list order.
    std::vector<std::uint64_t> order(columns.size());
    for (std::size_t r = 0; r < columns.size(); ++r) {
        order[r] =
            (std::uint64_t(std::numeric_limits<std::int32_t>::max() - std::max(columns[r].value, 0)) << 33) |
            (std::uint64_t(columns[r].itemCount() == 3) << 32) | std::uint64_t(r);
    }
    BrewingPlan plan;
    plan.times.assign(columns.size(), 0);
    if (!sortStoppably(order, stop))
        return plan;

    std::vector<std::int32_t> left(stock.begin(), stock.end());
    for (std::size_t k = 0; k < order.size(); ++k) {
        if (k % kKeysPerStopCheck == kKeysPerStopCheck - 1 && stop && stop())
            break;
        const auto r = std::size_t(order[k] & 0xffffffffu);
        const auto items = columns[r].ingredients();
        const std::int32_t n = MaxBrews(items, left);
        if (n == 0)
            continue;
        for (const std::int32_t item : items)
            left[std::size_t(item)] -= n;
        plan.times[r] = n;
        plan.total += std::int64_t(columns[r].value) * n;
    }
    return plan;
}

} // namespace qor
