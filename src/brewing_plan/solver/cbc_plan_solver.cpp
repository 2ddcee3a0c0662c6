// The exact plan through COIN-OR CBC (branch and cut over Clp). Every CBC
// type stays in this file; the rest of the program sees only PlanSolver.
//
// Tens of thousands of recipes make one branch and cut over all of them
// slow, so the search is narrowed by the linear relaxation: a recipe whose
// reduced cost exceeds (LP bound − best total) cannot be in any better plan.
// The integer program runs first over the recipes the relaxation likes most
// (a good plan quickly), then over every recipe that could still improve
// that plan; the optimum over that set is proven for all.

#include "brewing_plan/plan_solver.h"

#include <CbcEventHandler.hpp>
#include <CbcHeuristic.hpp>
#include <CbcHeuristicDiveCoefficient.hpp>
#include <CbcHeuristicLocal.hpp>
#include <CbcHeuristicRINS.hpp>
#include <CbcModel.hpp>
#include <CglClique.hpp>
#include <CglGomory.hpp>
#include <CglKnapsackCover.hpp>
#include <CglMixedIntegerRounding2.hpp>
#include <CglProbing.hpp>
#include <CoinError.hpp>
#include <OsiClpSolverInterface.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <vector>

namespace qor {

namespace {

using Clock = std::chrono::steady_clock;

// How many recipes the first, narrowest integer program takes.
constexpr std::size_t kFirstSetSize = 1500;

bool isCancelled(const PlanSolveControl &control) {
    return control.cancel != nullptr && control.cancel->load(std::memory_order_relaxed);
}

// Stops the search on cancel and reports the best total now and then.
class ControlHandler final : public CbcEventHandler {
  public:
    ControlHandler(const PlanSolveControl &control, std::int64_t globalBound)
        : m_control(control), m_globalBound(globalBound) {}

    CbcAction event(CbcEvent whichEvent) override {
        if (isCancelled(m_control)) {
            m_cancelled = true;
            return stop;
        }
        const bool found = whichEvent == solution || whichEvent == heuristicSolution;
        const auto now = Clock::now();
        if (m_control.progress && model_ != nullptr &&
            (found || now - m_lastReport > std::chrono::milliseconds(250))) {
            m_lastReport = now;
            const double best = model_->getObjValue();
            if (std::isfinite(best) && std::abs(best) < 1e15)
                m_control.progress(std::llround(-best), m_globalBound);
        }
        return noAction;
    }

    CbcEventHandler *clone() const override { return new ControlHandler(*this); }
    bool cancelled() const { return m_cancelled; }

  private:
    const PlanSolveControl &m_control;
    std::int64_t m_globalBound;
    Clock::time_point m_lastReport{};
    bool m_cancelled = false;
};

// The integer program over a subset of the recipes.
struct SubResult {
    std::vector<std::int32_t> times; // over the subset; empty when nothing was found
    std::int64_t bound = 0;          // proven bound over the subset
    bool proven = false;
    bool cancelled = false;
};

// Loads the recipes of columns as integer-free columns: one row per
// ingredient, capacity its stock. The matrix is built at once from arrays
// (appending columns one by one copies the matrix each time).
void loadModel(std::span<const PlanRecipe> recipes, std::span<const std::int32_t> stock,
               std::span<const std::size_t> columns, OsiClpSolverInterface &lp) {
    std::vector<CoinBigIndex> starts;
    std::vector<int> rows;
    std::vector<double> upper;
    std::vector<double> objective;
    starts.reserve(columns.size() + 1);
    rows.reserve(columns.size() * kMaxPotionItems);
    starts.push_back(0);
    for (std::size_t r : columns) {
        const TPotionRec &rec = recipes[r].rec;
        for (int k = 0; k < rec.ItemCount; ++k)
            rows.push_back(rec.Items[std::size_t(k)]);
        starts.push_back(static_cast<CoinBigIndex>(rows.size()));
        upper.push_back(MaxBrews(rec, stock));
        // CBC minimises: values enter negated.
        objective.push_back(-double(recipes[r].value));
    }
    const std::vector<double> ones(rows.size(), 1.0);
    const std::vector<double> lower(columns.size(), 0.0);
    const std::vector<double> rowLower(stock.size(), -COIN_DBL_MAX);
    const std::vector<double> rowUpper(stock.begin(), stock.end());
    lp.messageHandler()->setLogLevel(0);
    lp.loadProblem(static_cast<int>(columns.size()), static_cast<int>(stock.size()), starts.data(),
                   rows.data(), ones.data(), lower.data(), upper.data(), objective.data(), rowLower.data(),
                   rowUpper.data());
}

SubResult solveSubset(std::span<const PlanRecipe> recipes, std::span<const std::int32_t> stock,
                      std::span<const std::size_t> columns, const BrewingPlan &incumbent, double seconds,
                      std::int64_t globalBound, const PlanSolveControl &control) {
    OsiClpSolverInterface lp;
    loadModel(recipes, stock, columns, lp);
    const int cols = static_cast<int>(columns.size());
    for (int c = 0; c < cols; ++c)
        lp.setInteger(c);

    CbcModel model(lp);
    model.setLogLevel(0);
    model.messageHandler()->setLogLevel(0);
    model.setUseElapsedTime(true);
    model.setMaximumSeconds(std::max(seconds, 0.05));
    // Totals are integers: a plan is better only by a whole unit.
    model.setCutoffIncrement(0.999);
    model.setAllowableGap(0.999);

    CglProbing probing;
    probing.setUsingObjective(1);
    model.addCutGenerator(&probing, -1, "Probing");
    CglGomory gomory;
    model.addCutGenerator(&gomory, -1, "Gomory");
    CglKnapsackCover knapsack;
    model.addCutGenerator(&knapsack, -1, "Knapsack");
    CglClique clique;
    // Its reports go to stdout, past every message handler.
    clique.setStarCliqueReport(false);
    clique.setRowCliqueReport(false);
    model.addCutGenerator(&clique, -1, "Clique");
    CglMixedIntegerRounding2 mir;
    model.addCutGenerator(&mir, -1, "MIR2");
    CbcRounding rounding(model);
    model.addHeuristic(&rounding);
    CbcHeuristicDiveCoefficient dive(model);
    model.addHeuristic(&dive);
    CbcHeuristicLocal local(model);
    model.addHeuristic(&local);
    CbcHeuristicRINS rins(model);
    model.addHeuristic(&rins);

    std::vector<double> start(columns.size());
    for (std::size_t c = 0; c < columns.size(); ++c)
        start[c] = incumbent.times[columns[c]];
    model.setBestSolution(start.data(), cols, -double(incumbent.total), true);

    ControlHandler handler(control, globalBound);
    model.passInEventHandler(&handler);
    model.branchAndBound();

    SubResult out;
    const auto *used = dynamic_cast<const ControlHandler *>(model.getEventHandler());
    out.cancelled = used != nullptr && used->cancelled();
    out.proven = model.isProvenOptimal() && !out.cancelled && !model.isSecondsLimitReached();
    if (const double *best = model.bestSolution()) {
        out.times.resize(columns.size());
        for (std::size_t c = 0; c < columns.size(); ++c)
            out.times[c] = static_cast<std::int32_t>(std::llround(best[c]));
    }
    const double possible = model.getBestPossibleObjValue();
    out.bound = std::isfinite(possible) && std::abs(possible) < 1e15
                    ? static_cast<std::int64_t>(std::floor(-possible + 1e-6))
                    : std::numeric_limits<std::int64_t>::max();
    return out;
}

class CbcPlanSolver final : public PlanSolver {
  public:
    PlanSolveResult solve(std::span<const PlanRecipe> recipes, std::span<const std::int32_t> stock,
                          const BrewingPlan &start, const PlanSolveControl &control) override;

  private:
    PlanSolveResult solveChecked(std::span<const PlanRecipe> recipes, std::span<const std::int32_t> stock,
                                 const BrewingPlan &start, const PlanSolveControl &control);
};

PlanSolveResult CbcPlanSolver::solve(std::span<const PlanRecipe> recipes, std::span<const std::int32_t> stock,
                                     const BrewingPlan &start, const PlanSolveControl &control) {
    try {
        return solveChecked(recipes, stock, start, control);
    } catch (const CoinError &e) {
        PlanSolveResult failed;
        failed.plan = start;
        failed.plan.times.resize(recipes.size(), 0);
        failed.bound = std::numeric_limits<std::int64_t>::max();
        failed.status = PlanSolveStatus::Failed;
        failed.error = QString::fromStdString(e.message());
        return failed;
    }
}

PlanSolveResult CbcPlanSolver::solveChecked(std::span<const PlanRecipe> recipes,
                                            std::span<const std::int32_t> stock, const BrewingPlan &start,
                                            const PlanSolveControl &control) {
    const auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                             std::chrono::duration<double>(control.timeLimitSeconds));
    PlanSolveResult result;
    result.plan = start;
    result.plan.times.resize(recipes.size(), 0);
    result.plan.total = PlanTotal(recipes, result.plan.times);
    result.status = PlanSolveStatus::Optimal;
    result.bound = result.plan.total;
    if (recipes.empty())
        return result;

    // The linear relaxation over every recipe: its optimum bounds every
    // plan, its reduced costs say which recipes may take part in a better one.
    std::vector<std::size_t> all(recipes.size());
    for (std::size_t r = 0; r < all.size(); ++r)
        all[r] = r;
    OsiClpSolverInterface relaxation;
    loadModel(recipes, stock, all, relaxation);
    relaxation.setHintParam(OsiDoPresolveInInitial, true, OsiHintTry);
    relaxation.setHintParam(OsiDoDualInInitial, false, OsiHintTry);
    relaxation.initialSolve();
    if (!relaxation.isProvenOptimal()) {
        result.status = PlanSolveStatus::Failed;
        result.error = QStringLiteral("linear relaxation not solved");
        result.bound = std::numeric_limits<std::int64_t>::max();
        return result;
    }
    std::int64_t bound = static_cast<std::int64_t>(std::floor(-relaxation.getObjValue() + 1e-6));
    const double *reduced = relaxation.getReducedCost();
    // Loss of the bound per brew; recipes at their upper bound lose nothing.
    std::vector<double> loss(recipes.size());
    for (std::size_t r = 0; r < loss.size(); ++r)
        loss[r] = std::max(reduced[r], 0.0);
    std::vector<double> sorted = loss;
    double threshold = 0.0;
    if (sorted.size() > kFirstSetSize) {
        std::nth_element(sorted.begin(), sorted.begin() + kFirstSetSize, sorted.end());
        threshold = sorted[kFirstSetSize];
    } else {
        threshold = *std::max_element(sorted.begin(), sorted.end());
    }

    if (control.progress)
        control.progress(result.plan.total, bound);
    for (;;) {
        const double seconds = std::chrono::duration<double>(deadline - Clock::now()).count();
        const auto room = double(bound - result.plan.total);
        if (room < 1.0) {
            result.status = PlanSolveStatus::Optimal;
            result.bound = result.plan.total;
            return result;
        }
        if (isCancelled(control) || seconds <= 0.0) {
            result.status = isCancelled(control) ? PlanSolveStatus::Cancelled : PlanSolveStatus::TimeLimit;
            result.bound = bound;
            return result;
        }
        // Complete: the set holds every recipe that could be in a better plan.
        const bool complete = threshold >= room;
        const double cut = complete ? room + 1e-6 : threshold;
        std::vector<std::size_t> columns;
        for (std::size_t r = 0; r < recipes.size(); ++r) {
            if (loss[r] <= cut || result.plan.times[r] > 0)
                columns.push_back(r);
        }
        const SubResult sub = solveSubset(recipes, stock, columns, result.plan, seconds, bound, control);
        if (!sub.times.empty()) {
            BrewingPlan found;
            found.times.assign(recipes.size(), 0);
            for (std::size_t c = 0; c < columns.size(); ++c)
                found.times[columns[c]] = sub.times[c];
            found.total = PlanTotal(recipes, found.times);
            // A rounded answer must still fit the stock and be better.
            if (found.total > result.plan.total && PlanFitsStock(recipes, found.times, stock))
                result.plan = std::move(found);
        }
        if (complete) {
            // A better plan lies in this set, so its bound holds for all.
            bound = std::min(bound, std::max(sub.bound, result.plan.total));
            if (sub.proven)
                bound = result.plan.total;
        }
        if (control.progress)
            control.progress(result.plan.total, bound);
        if (complete && sub.proven) {
            result.status = PlanSolveStatus::Optimal;
            result.bound = result.plan.total;
            return result;
        }
        if (!sub.proven) {
            result.status = sub.cancelled ? PlanSolveStatus::Cancelled : PlanSolveStatus::TimeLimit;
            result.bound = bound;
            return result;
        }
        // The narrow set gave a good plan; the next set is the complete one.
        threshold = room;
    }
}

} // namespace

std::unique_ptr<PlanSolver> CreatePlanSolver() {
    return std::make_unique<CbcPlanSolver>();
}

} // namespace qor
