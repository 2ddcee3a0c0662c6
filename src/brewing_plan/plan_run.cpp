#include "brewing_plan/plan_run.h"

namespace qor {

namespace {

// Keeps the recipes either plan brews, full records and all, and narrows
// both plans to them.
void keepBrewedRecipes(const GameData &data, const EffectStrengths &strengths, bool perkPurity,
                       std::span<const PlanColumn> columns, BrewingPlanOutcome &out) {
    std::vector<std::int32_t> greedy;
    std::vector<std::int32_t> exact;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const std::int32_t g = c < out.greedy.times.size() ? out.greedy.times[c] : 0;
        const std::int32_t x = c < out.exact.plan.times.size() ? out.exact.plan.times[c] : 0;
        if (g == 0 && x == 0)
            continue;
        out.recipes.push_back(PlanRecipeOf(data, strengths, perkPurity, columns[c]));
        greedy.push_back(g);
        exact.push_back(x);
    }
    out.greedy.times = std::move(greedy);
    out.exact.plan.times = std::move(exact);
}

// What the run would end with if cancelled now: `out` so far with `best`
// as the exact plan.
std::shared_ptr<const BrewingPlanOutcome> cancelledNow(const GameData &data, const EffectStrengths &strengths,
                                                       bool perkPurity, std::span<const PlanColumn> columns,
                                                       const BrewingPlanOutcome &out, const BrewingPlan &best,
                                                       std::int64_t bound) {
    auto snapshot = std::make_shared<BrewingPlanOutcome>();
    snapshot->stock = out.stock;
    snapshot->options = out.options;
    snapshot->candidateCount = out.candidateCount;
    snapshot->greedy = out.greedy;
    snapshot->exact.plan = best;
    snapshot->exact.bound = bound;
    snapshot->exact.status = PlanSolveStatus::Cancelled;
    keepBrewedRecipes(data, strengths, perkPurity, columns, *snapshot);
    return snapshot;
}

} // namespace

void BestPlanSoFar::publish(std::shared_ptr<const BrewingPlanOutcome> outcome) {
    const std::lock_guard lock(m_mutex);
    m_latest = std::move(outcome);
}

std::shared_ptr<const BrewingPlanOutcome> BestPlanSoFar::latest() const {
    const std::lock_guard lock(m_mutex);
    return m_latest;
}

double BrewingPlanOutcome::gainOverGreedy() const {
    if (greedy.total <= 0)
        return 0.0;
    return double(exact.plan.total - greedy.total) / double(greedy.total);
}

BrewingPlanOutcome ComputeBrewingPlan(const GameData &data, const EffectStrengths &strengths, bool perkPurity,
                                      const StockCounts &stock, const PlanOptions &options,
                                      PlanSolver &solver, const PlanSolveControl &control,
                                      BestPlanSoFar *bestSoFar) {
    const auto started = PlanStopper::Clock::now();
    const PlanStopper stopper(control);
    BrewingPlanOutcome out;
    out.stock = stock;
    out.options = options;
    bool cutShort = false;
    const std::function<bool()> stop = [&] { return cutShort = stopper.stop(); };
    const std::vector<PlanColumn> columns =
        EnumeratePlanColumns(data, strengths, perkPurity, stock, options, stop);
    out.candidateCount = columns.size();
    // Over a list cut short, the greedy plan is made only when it is small.
    out.greedy = GreedyPlan(columns, stock, stop);
    if (cutShort) {
        // The list or the greedy plan may be cut short, so nothing bounds
        // the plan yet.
        out.exact.plan = out.greedy;
        out.exact.bound = kUnknownPlanBound;
        out.exact.status = stopper.stopStatus();
    } else {
        // The solver gets what is left of the time limit.
        PlanSolveControl rest = control;
        rest.workLimitSeconds =
            control.workLimitSeconds >= 0.0 ? control.workLimitSeconds : control.timeLimitSeconds;
        rest.timeLimitSeconds -= std::chrono::duration<double>(PlanStopper::Clock::now() - started).count();
        if (bestSoFar != nullptr) {
            bestSoFar->publish(
                cancelledNow(data, strengths, perkPurity, columns, out, out.greedy, kUnknownPlanBound));
            rest.improved = [&](const BrewingPlan &best, std::int64_t bound) {
                if (control.improved)
                    control.improved(best, bound);
                bestSoFar->publish(cancelledNow(data, strengths, perkPurity, columns, out, best, bound));
            };
        }
        out.exact = solver.solve(columns, stock, out.greedy, rest);
    }
    keepBrewedRecipes(data, strengths, perkPurity, columns, out);
    return out;
}

} // namespace qor
