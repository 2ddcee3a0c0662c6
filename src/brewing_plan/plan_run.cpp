#include "brewing_plan/plan_run.h"

namespace qor {

double BrewingPlanOutcome::gainOverGreedy() const {
    if (greedy.total <= 0)
        return 0.0;
    return double(exact.plan.total - greedy.total) / double(greedy.total);
}

BrewingPlanOutcome ComputeBrewingPlan(const GameData &data, const EffectStrengths &strengths, bool perkPurity,
                                      const StockCounts &stock, const PlanOptions &options,
                                      PlanSolver &solver, const PlanSolveControl &control) {
    const auto started = PlanStopper::Clock::now();
    const PlanStopper stopper(control);
    BrewingPlanOutcome out;
    out.stock = stock;
    out.options = options;
    bool cutShort = false;
    out.recipes = EnumeratePlanRecipes(data, strengths, perkPurity, stock, options,
                                       [&] { return cutShort = stopper.stop(); });
    out.greedy = GreedyPlan(out.recipes, stock);
    if (cutShort) {
        // The list may be cut short, so nothing bounds the plan yet.
        out.exact.plan = out.greedy;
        out.exact.bound = kUnknownPlanBound;
        out.exact.status = stopper.stopStatus();
        return out;
    }
    // The solver gets what is left of the time limit.
    PlanSolveControl rest = control;
    rest.timeLimitSeconds -= std::chrono::duration<double>(PlanStopper::Clock::now() - started).count();
    out.exact = solver.solve(out.recipes, stock, out.greedy, rest);
    return out;
}

} // namespace qor
