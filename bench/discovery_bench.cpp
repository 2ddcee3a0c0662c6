// The fewest brews that show every effect on the bundled data, nothing known:
// unlimited ingredients with and without eating, and 2 of each ingredient.
// Counters: steps of the plan, the proven lower bound, whether it was proven
// minimal, and the effects shown. Compare CPU times: a busy machine stretches
// real time, and the time limit is wall-clock.

#include "discovery/discovery_plan.h"
#include "game_data/data_loader.h"

#include <benchmark/benchmark.h>

namespace {

using namespace qor;

// Time limit of one plan in the benchmark.
constexpr double kSolveSeconds = 30.0;

void BM_DiscoveryPlan(benchmark::State &state) {
    GameData data;
    if (loadGameData(QStringLiteral(QOR_SOURCE_DATA_DIR), data).has_value()) {
        state.SkipWithError("bundled data not loaded");
        return;
    }
    const EffectStrengths strengths = RecalcItemEffects(data, SkillSettings{});
    const int count = int(state.range(0)); // 0: unlimited
    StockCounts stock(std::size_t(data.itemRecordCount()), count);
    stock[0] = 0;
    DiscoveryOptions options;
    options.stock = count > 0 ? &stock : nullptr;
    options.eating = state.range(1) != 0;
    const KnownEffects known = KnownEffects::empty(data.itemRecordCount());
    const auto solver = CreateCoverSolver();
    PlanSolveControl control;
    control.timeLimitSeconds = kSolveSeconds;
    DiscoveryPlan plan;
    for (auto _ : state)
        plan = PlanDiscovery(data, strengths, known, options, *solver, control);
    state.counters["steps"] = double(plan.steps.size());
    state.counters["bound"] = double(plan.lowerBound);
    state.counters["proven"] = plan.status == PlanSolveStatus::Optimal ? 1.0 : 0.0;
    state.counters["shown"] = double(plan.revealedCount);
    state.counters["revealable"] = double(plan.revealableCount);
}

} // namespace

BENCHMARK(BM_DiscoveryPlan)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({2, 0})
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
