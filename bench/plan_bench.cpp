// The brewing plan on the bundled data with 1, 2, 5 and 20 of each
// ingredient and three random stocks of 0..10 of each (skill 15 and 100):
// recipe enumeration, the greedy baseline and the exact plan, for pairs and
// triples together and for triples alone (the hardest case: its relaxation
// stays loose); and on large generated data. Counters: the totals, the
// proven bound, the share by which the exact plan beats greedy and whether
// it was proven optimal in time, and the simplex iterations of the search
// (the same on every run: compare changes by them). Compare CPU times: the
// search is budgeted by work, so its answer does not depend on the load, but
// a busy machine stretches real time, and the time limit is wall-clock.

#include "brewing_plan/brewing_plan.h"
#include "brewing_plan/plan_run.h"
#include "brewing_plan/plan_solver.h"
#include "engine/effect_strength.h"
#include "game_data/data_loader.h"
#include "gen_data/search_data_gen.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <ctime>
#include <random>
#include <thread>

namespace {

using namespace qor;

// Time limit of one exact solve on the bundled data: the search's work
// budget is sized by it, and this one leaves room for every proof.
constexpr double kSolveSeconds = 60.0;
// The player's default on large generated data.
constexpr double kLargeSolveSeconds = 10.0;

struct PlanBenchData {
    GameData data;
    EffectStrengths strengths;
    StockCounts stock;
    bool ok = false;
};

PlanBenchData load(int skill, int count) {
    PlanBenchData b;
    b.ok = !loadGameData(QStringLiteral(QOR_SOURCE_DATA_DIR), b.data).has_value();
    if (!b.ok)
        return b;
    SkillSettings skills;
    skills.AlchemySkill = skill;
    b.strengths = RecalcItemEffects(b.data, skills);
    b.stock.assign(std::size_t(b.data.itemRecordCount()), count);
    if (count < 0) {
        // A random stock of 0..10 of each, seeded by −count.
        std::mt19937_64 rng(std::uint64_t(-count));
        for (std::int32_t &n : b.stock)
            n = std::uniform_int_distribution<std::int32_t>(0, 10)(rng);
    }
    b.stock[0] = 0;
    return b;
}

void BM_PlanEnumerate(benchmark::State &state) {
    const PlanBenchData b = load(int(state.range(0)), int(state.range(1)));
    if (!b.ok) {
        state.SkipWithError("bundled data not loaded");
        return;
    }
    std::size_t recipes = 0;
    for (auto _ : state) {
        const auto list = EnumeratePlanColumns(b.data, b.strengths, false, b.stock, {});
        recipes = list.size();
        benchmark::DoNotOptimize(list.data());
    }
    state.counters["recipes"] = double(recipes);
}

void BM_PlanGreedy(benchmark::State &state) {
    const PlanBenchData b = load(int(state.range(0)), int(state.range(1)));
    if (!b.ok) {
        state.SkipWithError("bundled data not loaded");
        return;
    }
    const auto recipes = EnumeratePlanColumns(b.data, b.strengths, false, b.stock, {});
    for (auto _ : state)
        benchmark::DoNotOptimize(GreedyPlan(recipes, b.stock).total);
}

void reportOutcome(benchmark::State &state, const BrewingPlanOutcome &outcome) {
    state.counters["candidates"] = double(outcome.candidateCount);
    state.counters["total"] = double(outcome.exact.plan.total);
    state.counters["greedy"] = double(outcome.greedy.total);
    state.counters["bound"] = double(outcome.exact.bound);
    state.counters["gain_pct"] = 100.0 * outcome.gainOverGreedy();
    state.counters["gap_pct"] = 100.0 * outcome.exact.gap();
    state.counters["proven"] = outcome.exact.status == PlanSolveStatus::Optimal ? 1.0 : 0.0;
    state.counters["iterations"] = double(outcome.exact.searchIterations);
}

// Enumeration, greedy and exact together, as the window and the CLI run it.
void BM_PlanExact(benchmark::State &state) {
    const PlanBenchData b = load(int(state.range(0)), int(state.range(1)));
    if (!b.ok) {
        state.SkipWithError("bundled data not loaded");
        return;
    }
    const auto solver = CreatePlanSolver();
    PlanSolveControl control;
    control.timeLimitSeconds = kSolveSeconds;
    PlanOptions options;
    options.ItemsCountMode = int(state.range(2));
    BrewingPlanOutcome outcome;
    for (auto _ : state)
        outcome = ComputeBrewingPlan(b.data, b.strengths, false, b.stock, options, *solver, control);
    reportOutcome(state, outcome);
}

// Generated data with 400 ingredients and 60 effects, `count` of each: a
// million and a half candidates, priced by column generation. Counters as
// above, and the candidates.
void BM_PlanLarge(benchmark::State &state) {
    const GameData data = buildGameData(generateDataSet(1, 400, 60));
    const EffectStrengths strengths = RecalcItemEffects(data, SkillSettings{});
    StockCounts stock(std::size_t(data.itemRecordCount()), int(state.range(0)));
    stock[0] = 0;
    const auto solver = CreatePlanSolver();
    PlanSolveControl control;
    control.timeLimitSeconds = kLargeSolveSeconds;
    BrewingPlanOutcome outcome;
    for (auto _ : state)
        outcome = ComputeBrewingPlan(data, strengths, false, stock, {}, *solver, control);
    reportOutcome(state, outcome);
}

// Runs one plan and cancels it once the process has spent cancelAfterMs of
// CPU time; returns the real time in milliseconds from the cancel to the
// outcome.
double cancelLatencyMs(const GameData &data, const EffectStrengths &strengths, const StockCounts &stock,
                       const PlanOptions &options, PlanSolver &solver, std::int64_t cancelAfterMs) {
    std::atomic<bool> cancel{false};
    std::atomic<bool> done{false};
    PlanSolveControl control;
    control.timeLimitSeconds = 3600.0;
    control.cancel = &cancel;
    std::chrono::steady_clock::time_point cancelledAt{};
    const std::clock_t cancelAt = std::clock() + std::clock_t(double(cancelAfterMs) * CLOCKS_PER_SEC / 1000);
    std::thread canceller([&] {
        while (std::clock() < cancelAt && !done)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        cancelledAt = std::chrono::steady_clock::now();
        cancel = true;
    });
    const BrewingPlanOutcome outcome =
        ComputeBrewingPlan(data, strengths, false, stock, options, solver, control);
    const auto finished = std::chrono::steady_clock::now();
    done = true;
    canceller.join();
    benchmark::DoNotOptimize(outcome.exact.plan.total);
    return std::chrono::duration<double, std::milli>(finished - cancelledAt).count();
}

// How long a cancel takes to end a run on the same large data, cancelled
// once the run has spent range(0) milliseconds of CPU time (so in the
// enumeration, the greedy plan, the relaxation or the search, whatever the
// load): counter cancel_ms, the real time from the cancel to the outcome.
void BM_PlanLargeCancel(benchmark::State &state) {
    const GameData data = buildGameData(generateDataSet(1, 400, 60));
    const EffectStrengths strengths = RecalcItemEffects(data, SkillSettings{});
    StockCounts stock(std::size_t(data.itemRecordCount()), 3);
    stock[0] = 0;
    const auto solver = CreatePlanSolver();
    double cancelMs = 0.0;
    for (auto _ : state)
        cancelMs = cancelLatencyMs(data, strengths, stock, {}, *solver, state.range(0));
    state.counters["cancel_ms"] = cancelMs;
}

// The same on the bundled data with one of each ingredient, triples only
// (skill 15): past its first half second the run is nearly all branch and
// bound, so the cancel lands inside a search step.
void BM_PlanExactCancel(benchmark::State &state) {
    const PlanBenchData b = load(15, 1);
    if (!b.ok) {
        state.SkipWithError("bundled data not loaded");
        return;
    }
    const auto solver = CreatePlanSolver();
    PlanOptions options;
    options.ItemsCountMode = 1;
    double cancelMs = 0.0;
    for (auto _ : state)
        cancelMs = cancelLatencyMs(b.data, b.strengths, b.stock, options, *solver, state.range(0));
    state.counters["cancel_ms"] = cancelMs;
}

// Arguments: skill, count of each ingredient (negative: a random stock of
// 0..10 of each, that seed), and for the exact plan the count mode: 2 pairs
// and triples, 1 triples only.
BENCHMARK(BM_PlanEnumerate)->Args({15, 5})->Args({100, 5})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlanGreedy)->Args({15, 5})->Args({15, 20})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlanExact)
    ->ArgsProduct({{15}, {1, 2, 5, 20}, {2, 1}})
    ->Args({15, -1, 2})
    ->Args({15, -2, 2})
    ->Args({15, -3, 2})
    ->Args({15, -1, 1})
    ->Args({15, -2, 1})
    ->Args({15, -3, 1})
    ->Args({100, 5, 2})
    ->Args({100, 20, 2})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_PlanLarge)
    ->Arg(3)
    ->Arg(10)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

BENCHMARK(BM_PlanLargeCancel)
    ->DenseRange(100, 2100, 250)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_PlanExactCancel)
    ->DenseRange(400, 6400, 500)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
