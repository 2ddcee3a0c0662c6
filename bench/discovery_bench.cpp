// The fewest brews that show every effect on the bundled data, nothing known:
// unlimited ingredients with and without eating, and 2 of each ingredient.
// Counters: steps of the plan, the proven lower bound, whether it was proven
// minimal, and the effects shown. Compare CPU times: a busy machine stretches
// real time. The search's work is budgeted (not timed), so the plan is the
// same on an idle and on a busy machine.

#include "discovery/discovery_plan.h"
#include "discovery/solver/cover_relaxation.h"
#include "game_data/data_loader.h"

#include <benchmark/benchmark.h>

namespace {

using namespace qor;

// The work budget of one plan: the command's default limit. The wall-clock
// limit is far beyond it, so that a busy machine (the benchmark shares it
// with builds) gives the same plan and bound, only later.
constexpr double kSolveSeconds = 30.0;
constexpr double kWallSeconds = 600.0;

// The bundled data, nothing known, and the options of the benchmark's
// arguments: the stock of every ingredient (0: unlimited), eating or not.
struct BundledCase {
    GameData data;
    EffectStrengths strengths;
    StockCounts stock;
    DiscoveryOptions options;
    KnownEffects known;
};

bool loadCase(benchmark::State &state, BundledCase &c) {
    if (loadGameData(QStringLiteral(QOR_SOURCE_DATA_DIR), c.data).has_value()) {
        state.SkipWithError("bundled data not loaded");
        return false;
    }
    c.strengths = RecalcItemEffects(c.data, SkillSettings{});
    const int count = int(state.range(0));
    c.stock.assign(std::size_t(c.data.itemRecordCount()), count);
    c.stock[0] = 0;
    c.options.stock = count > 0 ? &c.stock : nullptr;
    c.options.eating = state.range(1) != 0;
    c.known = KnownEffects::empty(c.data.itemRecordCount());
    return true;
}

void BM_DiscoveryPlan(benchmark::State &state) {
    BundledCase c;
    if (!loadCase(state, c))
        return;
    const auto &[data, strengths, stock, options, known] = c;
    const auto solver = CreateCoverSolver();
    PlanSolveControl control;
    control.timeLimitSeconds = kWallSeconds;
    control.workLimitSeconds = kSolveSeconds;
    DiscoveryPlan plan;
    for (auto _ : state)
        plan = PlanDiscovery(data, strengths, known, options, *solver, control);
    state.counters["steps"] = double(plan.steps.size());
    state.counters["bound"] = double(plan.lowerBound);
    state.counters["proven"] = plan.status == PlanSolveStatus::Optimal ? 1.0 : 0.0;
    state.counters["shown"] = double(plan.revealedCount);
    state.counters["revealable"] = double(plan.revealableCount);
}

// The covering relaxation alone (columns, then rounds of cuts) on the same
// data and stocks: its bound, and what building it costs. Counter bound: the
// relaxation's optimum, which the plan's bound rounds up.
void BM_DiscoveryRelaxation(benchmark::State &state) {
    BundledCase c;
    if (!loadCase(state, c))
        return;
    const auto &[data, strengths, stock, options, known] = c;
    const std::vector<DiscoveryStep> steps = discoverySteps(data, strengths, known, options);
    const CoverProblem problem = discoveryCoverProblem(data, steps, options);
    const CoverLayout layout(problem, true);
    PlanSolveControl control;
    control.timeLimitSeconds = kWallSeconds;
    const PlanStopper stopper(control);
    double bound = -1.0;
    std::size_t cuts = 0;
    for (auto _ : state) {
        SearchWork work(1e12);
        CoverRelaxation relaxation(layout, stopper, work);
        relaxation.solve(greedyCover(problem));
        bound = relaxation.bound();
        cuts = relaxation.cuts().size();
    }
    state.counters["bound"] = bound;
    state.counters["cuts"] = double(cuts);
}

} // namespace

BENCHMARK(BM_DiscoveryRelaxation)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({2, 0})
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

BENCHMARK(BM_DiscoveryPlan)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({2, 0})
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
