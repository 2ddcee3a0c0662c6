#include "brewing_plan/plan_run.h"

namespace qor {

double BrewingPlanOutcome::gainOverGreedy() const {
    if (greedy.total <= 0)
        return 0.0;
    return double(exact.plan.total - greedy.total) / double(greedy.total);
}

BrewingPlanOutcome ComputeBrewingPlan(const GameData &data, bool perkPurity, const StockCounts &stock,
                                      const PlanOptions &options, PlanSolver &solver,
                                      const PlanSolveControl &control) {
    BrewingPlanOutcome out;
    out.stock = stock;
    out.options = options;
    out.recipes = EnumeratePlanRecipes(data, perkPurity, stock, options);
    out.greedy = GreedyPlan(out.recipes, stock);
    out.exact = solver.solve(out.recipes, stock, out.greedy, control);
    return out;
}

} // namespace qor
