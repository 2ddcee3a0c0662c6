#pragma once
// One brewing-plan run from stock to answer: the candidate recipes, the
// greedy baseline and the exact plan. Shared by the CLI and the window.

#include "brewing_plan/plan_solver.h"
#include "brewing_plan/stock_file.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace qor {

struct BrewingPlanOutcome {
    StockCounts stock;              // the stock the plan was made for
    PlanOptions options;            // and its options
    std::size_t candidateCount = 0; // recipes the plan could choose from
    // The recipes either plan brews, in candidate order; the plans' times
    // are parallel to this list.
    std::vector<PlanRecipe> recipes;
    BrewingPlan greedy;
    PlanSolveResult exact; // never worse than greedy

    // Share by which the exact total beats the greedy one (0.05 = 5 %).
    double gainOverGreedy() const;
};

// The best plan of a run still going, as the outcome a cancel ends with:
// the run replaces it with every better plan or bound, and a cancel shows it
// at once instead of waiting for the solver to notice.
class BestPlanSoFar {
  public:
    void publish(std::shared_ptr<const BrewingPlanOutcome> outcome);
    // nullptr until the greedy plan is made.
    std::shared_ptr<const BrewingPlanOutcome> latest() const;

  private:
    mutable std::mutex m_mutex;
    std::shared_ptr<const BrewingPlanOutcome> m_latest;
};

// Enumerates, plans greedily, then improves with the solver. Called from a
// worker thread by the window: it reads data and writes nothing shared but
// bestSoFar (when given), which gets every better plan, marked cancelled.
BrewingPlanOutcome ComputeBrewingPlan(const GameData &data, const EffectStrengths &strengths, bool perkPurity,
                                      const StockCounts &stock, const PlanOptions &options,
                                      PlanSolver &solver, const PlanSolveControl &control,
                                      BestPlanSoFar *bestSoFar = nullptr);

} // namespace qor
