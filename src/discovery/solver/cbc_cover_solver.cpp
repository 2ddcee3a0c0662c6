// The fewest experiments through COIN-OR CBC, set up as the brewing plan's
// solver is (Clp relaxation, the same cut generators, quiet handlers).
//
// Hundreds of thousands of brews make one branch and cut over all of them
// slow, yet a plan uses a few dozen. So the relaxation grows by columns: it
// starts from the quick plan's brews and the best brew for each element, and
// adds the brews whose reduced cost is negative until none is left; then its
// optimum bounds every plan. A brew whose reduced cost lifts that bound past
// the quick plan's score cannot be in a better plan, so branch and cut runs
// over the few brews left, with the quick plan's score as cutoff: what it
// finds, or proves absent, is the best plan over all brews.
//
// Relaxation (CBC minimises): Σ x_j − W·Σ y_e with W = elements + 1, so
// that each element shown outweighs every column; y_e ≤ Σ_{j shows e} x_j,
// y_e ≤ 1; Σ_{j uses i} x_j ≤ stock_i; Σ_{brews} x_j ≤ N; x in [0, 1]. It is
// feasible whatever the stock. Without a brew limit the search asks for
// plans that show every element some column shows (Σ_{j shows e} x_j ≥ 1,
// no y): a plain set cover, which branch and cut handles far better; the
// relaxation's value plus W·(elements shown) bounds it, and the reduced
// costs carry over. Only when the stock allows no such plan does the search
// fall back to the weighted model.

#include "discovery/cover_problem.h"

#include <CbcEventHandler.hpp>
#include <CbcHeuristic.hpp>
#include <CbcModel.hpp>
#include <CglGomory.hpp>
#include <ClpEventHandler.hpp>
#include <CoinError.hpp>
#include <OsiClpSolverInterface.hpp>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

namespace qor {

namespace {

constexpr double kTolerance = 1e-6;
// Columns added to the relaxation per round of pricing.
constexpr std::size_t kColumnsPerRound = 400;
// The first step takes the columns whose reduced cost is at most this; each
// further step doubles the reach. A step short of the full reach searches at
// most kStepNodes nodes.
constexpr double kFirstReach = 0.1;
// The cost of no plan at all in the cover model.
constexpr double kNoPlan = 1e9;
constexpr int kStepNodes = 2000;
constexpr int kUnlimitedNodes = std::numeric_limits<int>::max();

class LpStopHandler final : public ClpEventHandler {
  public:
    explicit LpStopHandler(const PlanStopper &stopper) : m_stopper(&stopper) {}
    int event(Event whichEvent) override {
        return whichEvent == endOfIteration && m_stopper->stop() ? 0 : -1;
    }
    ClpEventHandler *clone() const override { return new LpStopHandler(*this); }

  private:
    const PlanStopper *m_stopper;
};

class StopHandler final : public CbcEventHandler {
  public:
    explicit StopHandler(const PlanStopper &stopper) : m_stopper(&stopper) {}
    CbcAction event(CbcEvent) override { return m_stopper->stop() ? stop : noAction; }
    CbcEventHandler *clone() const override { return new StopHandler(*this); }

  private:
    const PlanStopper *m_stopper;
};

// Row layout: elements first, then the stock rows (when limited), then the
// brew limit (when set).
struct Rows {
    int elements = 0;
    bool cover = false; // elements are rows Σ x ≥ 1 (no y columns)
    std::vector<bool> coverable;
    int stockFirst = 0;
    int stockCount = 0;
    int brewRow = -1;
    int count = 0;
};

Rows rowsOf(const CoverProblem &p) {
    Rows r;
    r.elements = p.elementCount;
    r.coverable.assign(std::size_t(p.elementCount), false);
    for (const std::int32_t e : p.elements)
        r.coverable[std::size_t(e)] = true;
    r.stockFirst = r.elements;
    r.stockCount = int(p.stock.size());
    r.count = r.elements + r.stockCount;
    if (p.maxBrews >= 0)
        r.brewRow = r.count++;
    return r;
}

// The rows of column j with their coefficients.
void columnEntries(const CoverProblem &p, const Rows &rows, int j, std::vector<int> &index,
                   std::vector<double> &value) {
    for (const std::int32_t e : p.elementsOf(j)) {
        index.push_back(e);
        value.push_back(-1.0);
    }
    const CoverColumn &c = p.columns[std::size_t(j)];
    if (rows.stockCount > 0) {
        for (const std::int32_t item : c.uses) {
            if (item != 0) {
                index.push_back(rows.stockFirst + item);
                value.push_back(1.0);
            }
        }
    }
    if (rows.brewRow >= 0 && c.brew) {
        index.push_back(rows.brewRow);
        value.push_back(1.0);
    }
}

double weightOf(const CoverProblem &p) {
    return double(p.elementCount + 1);
}

// The y columns and every row, with the given x columns after the y's.
void loadModel(const CoverProblem &p, const Rows &rows, std::span<const int> columns,
               OsiClpSolverInterface &lp) {
    std::vector<CoinBigIndex> starts{0};
    std::vector<int> index;
    std::vector<double> value;
    std::vector<double> lower;
    std::vector<double> upper;
    std::vector<double> objective;
    for (int e = 0; e < (rows.cover ? 0 : rows.elements); ++e) {
        index.push_back(e);
        value.push_back(1.0);
        starts.push_back(CoinBigIndex(index.size()));
        lower.push_back(0.0);
        upper.push_back(1.0);
        objective.push_back(-weightOf(p));
    }
    for (const int j : columns) {
        columnEntries(p, rows, j, index, value);
        starts.push_back(CoinBigIndex(index.size()));
        lower.push_back(0.0);
        upper.push_back(1.0);
        objective.push_back(1.0);
    }
    std::vector<double> rowLower(std::size_t(rows.count), -COIN_DBL_MAX);
    std::vector<double> rowUpper(std::size_t(rows.count), 0.0);
    for (int e = 0; rows.cover && e < rows.elements; ++e)
        rowUpper[std::size_t(e)] = rows.coverable[std::size_t(e)] ? -1.0 : 0.0;
    for (int i = 0; i < rows.stockCount; ++i)
        rowUpper[std::size_t(rows.stockFirst + i)] = double(std::max(p.stock[std::size_t(i)], 0));
    if (rows.brewRow >= 0)
        rowUpper[std::size_t(rows.brewRow)] = double(p.maxBrews);
    lp.messageHandler()->setLogLevel(0);
    lp.loadProblem(int(starts.size() - 1), rows.count, starts.data(), index.data(), value.data(),
                   lower.data(), upper.data(), objective.data(), rowLower.data(), rowUpper.data());
}

double reducedCost(const CoverProblem &p, const Rows &rows, int j, const double *duals) {
    double d = 1.0;
    for (const std::int32_t e : p.elementsOf(j))
        d += duals[e];
    const CoverColumn &c = p.columns[std::size_t(j)];
    if (rows.stockCount > 0) {
        for (const std::int32_t item : c.uses) {
            if (item != 0)
                d -= duals[rows.stockFirst + item];
        }
    }
    if (rows.brewRow >= 0 && c.brew)
        d -= duals[rows.brewRow];
    return d;
}

// The relaxation over every column by pricing; false when stopped or failed.
bool solveRelaxation(const CoverProblem &p, const Rows &rows, std::span<const int> start,
                     const PlanStopper &stopper, double &bound, std::vector<double> &reduced) {
    std::vector<bool> in(p.columns.size(), false);
    std::vector<int> columns;
    auto take = [&](int j) {
        if (!in[std::size_t(j)]) {
            in[std::size_t(j)] = true;
            columns.push_back(j);
        }
    };
    for (const int j : start)
        take(j);
    // The widest column of every element, so the first rounds have choice.
    std::vector<int> widest(std::size_t(p.elementCount), -1);
    for (int j = 0; j < p.columnCount(); ++j) {
        for (const std::int32_t e : p.elementsOf(j)) {
            const int w = widest[std::size_t(e)];
            if (w < 0 || p.elementsOf(w).size() < p.elementsOf(j).size())
                widest[std::size_t(e)] = j;
        }
    }
    for (const int j : widest) {
        if (j >= 0)
            take(j);
    }

    OsiClpSolverInterface lp;
    loadModel(p, rows, columns, lp);
    const LpStopHandler lpStop(stopper);
    lp.getModelPtr()->passInEventHandler(&lpStop);
    lp.initialSolve();
    reduced.assign(p.columns.size(), 0.0);
    std::vector<std::pair<double, int>> priced;
    std::vector<int> index;
    std::vector<double> value;
    for (;;) {
        if (stopper.stop() || !lp.isProvenOptimal())
            return false;
        const double *duals = lp.getRowPrice();
        priced.clear();
        for (int j = 0; j < p.columnCount(); ++j) {
            reduced[std::size_t(j)] = reducedCost(p, rows, j, duals);
            if (!in[std::size_t(j)] && reduced[std::size_t(j)] < -kTolerance)
                priced.emplace_back(reduced[std::size_t(j)], j);
        }
        if (priced.empty())
            break;
        const std::size_t n = std::min(priced.size(), kColumnsPerRound);
        std::partial_sort(priced.begin(), priced.begin() + std::ptrdiff_t(n), priced.end());
        for (std::size_t k = 0; k < n; ++k) {
            const int j = priced[k].second;
            in[std::size_t(j)] = true;
            index.clear();
            value.clear();
            columnEntries(p, rows, j, index, value);
            lp.addCol(int(index.size()), index.data(), value.data(), 0.0, 1.0, 1.0);
        }
        lp.resolve();
    }
    bound = lp.getObjValue();
    return true;
}

// A plan from the relaxation over columns: fix the largest fractional
// column at 1, solve again, until the solution is whole. Branch and cut's
// own rounding rarely finds a cover; this finds one within a brew or two of
// the bound. Empty when stopped or when the model has no solution.
std::vector<int> diveForPlan(const CoverProblem &p, const Rows &rows, std::span<const int> columns,
                             const PlanStopper &stopper) {
    OsiClpSolverInterface lp;
    loadModel(p, rows, columns, lp);
    const LpStopHandler lpStop(stopper);
    lp.getModelPtr()->passInEventHandler(&lpStop);
    lp.initialSolve();
    const int first = rows.cover ? 0 : p.elementCount;
    for (;;) {
        if (stopper.stop() || !lp.isProvenOptimal())
            return {};
        const double *x = lp.getColSolution();
        int pick = -1;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const double v = x[std::size_t(first) + c];
            if (v > kTolerance && v < 1.0 - kTolerance && (pick < 0 || v > x[first + pick]))
                pick = int(c);
        }
        if (pick < 0)
            break;
        lp.setColLower(first + pick, 1.0);
        lp.resolve();
    }
    std::vector<int> chosen;
    const double *x = lp.getColSolution();
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (x[std::size_t(first) + c] > 0.5)
            chosen.push_back(columns[c]);
    }
    return chosen;
}

struct StepResult {
    std::vector<int> chosen; // empty: nothing below the cutoff found
    bool complete = false;   // searched to the end
};

// Branch and cut over the given columns for a plan cheaper than cost.
StepResult solveStep(const CoverProblem &p, const Rows &rows, std::span<const int> columns, double cost,
                     int maxNodes, const PlanStopper &stopper) {
    OsiClpSolverInterface lp;
    loadModel(p, rows, columns, lp);
    const LpStopHandler lpStop(stopper);
    lp.getModelPtr()->passInEventHandler(&lpStop);
    const int first = rows.cover ? 0 : p.elementCount;
    for (std::size_t c = 0; c < columns.size(); ++c)
        lp.setInteger(first + int(c));

    CbcModel model(lp);
    model.setLogLevel(0);
    model.messageHandler()->setLogLevel(0);
    model.setUseElapsedTime(true);
    model.setMaximumSeconds(std::max(stopper.secondsLeft(), 0.01));
    model.setMaximumNodes(maxNodes);
    // Costs are whole: a plan is better only by a whole unit.
    model.setCutoffIncrement(0.999);
    model.setAllowableGap(0.999);
    if (cost < kNoPlan)
        model.setCutoff(cost - 0.5);
    // Of the plan solver's set-up only the Gomory cuts and the rounding pay
    // here: probing and the other heuristics spend the whole budget at the
    // root of a covering problem, and so does strong branching over
    // thousands of columns; pseudo-costs from the start branch better.
    CglGomory gomory;
    model.addCutGenerator(&gomory, -1, "Gomory");
    CbcRounding rounding(model);
    model.addHeuristic(&rounding);
    model.setNumberStrong(0);
    model.setNumberBeforeTrust(0);
    StopHandler handler(stopper);
    model.passInEventHandler(&handler);
    model.branchAndBound();

    StepResult out;
    out.complete = (model.isProvenOptimal() || model.isProvenInfeasible()) &&
                   !model.isSecondsLimitReached() && !model.isNodeLimitReached() && !stopper.stop();
    if (const double *best = model.bestSolution()) {
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (best[std::size_t(first) + c] > 0.5)
                out.chosen.push_back(columns[c]);
        }
    }
    return out;
}

} // namespace

class CbcCoverSolver final : public CoverSolver {
  public:
    CoverResult solve(const CoverProblem &p, std::span<const int> start,
                      const PlanSolveControl &control) override {
        CoverResult out;
        out.chosen.assign(start.begin(), start.end());
        const PlanStopper stopper(control);
        try {
            run(p, stopper, out);
        } catch (const CoinError &e) {
            out.status = PlanSolveStatus::Failed;
            out.error = QString::fromStdString(e.message());
        }
        return out;
    }

  private:
    static void run(const CoverProblem &p, const PlanStopper &stopper, CoverResult &out) {
        if (p.columns.empty() || p.elementCount == 0) {
            out.status = PlanSolveStatus::Optimal;
            return;
        }
        Rows rows = rowsOf(p);
        double relaxed = 0.0;
        std::vector<double> reduced;
        if (!solveRelaxation(p, rows, out.chosen, stopper, relaxed, reduced)) {
            out.status = stopper.cancelled() ? PlanSolveStatus::Cancelled
                         : stopper.stop()    ? stopper.stopStatus()
                                             : PlanSolveStatus::Failed;
            return;
        }
        const int coverable = int(std::count(rows.coverable.begin(), rows.coverable.end(), true));
        rows.cover = p.maxBrews < 0;
        if (rows.cover && search(p, rows, relaxed + weightOf(p) * coverable, reduced, stopper, out))
            return;
        rows.cover = false;
        out.lowerBound = -1;
        search(p, rows, relaxed, reduced, stopper, out);
    }

    // A plan's cost in the model's terms: lower is better. In the cover
    // model a plan that misses an element has none.
    static double costOf(const CoverProblem &p, const Rows &rows, std::span<const int> chosen,
                         int coverable) {
        if (!rows.cover)
            return -double(coverScore(p, chosen));
        return p.coveredCount(chosen) == coverable ? double(chosen.size()) : kNoPlan;
    }

    // Steps over the columns whose reduced cost is within reach: the cheap
    // ones first, where the better plans lie, then wider until the reach
    // takes every column that could still improve the plan. False when the
    // cover model has no plan (out is left alone then).
    static bool search(const CoverProblem &p, const Rows &rows, double bound, std::span<const double> reduced,
                       const PlanStopper &stopper, CoverResult &out) {
        const int coverable = int(std::count(rows.coverable.begin(), rows.coverable.end(), true));
        if (rows.cover)
            out.lowerBound = int(std::ceil(bound - kTolerance));
        double cost = costOf(p, rows, out.chosen, coverable);
        double reach = kFirstReach;
        for (;;) {
            // Costs are whole: a better plan costs at most cost − 1.
            const double limit = cost - 1.0 - bound + kTolerance;
            if (limit < 0.0) {
                out.status = PlanSolveStatus::Optimal;
                return true;
            }
            const bool full = reach >= limit;
            std::vector<int> columns;
            for (int j = 0; j < p.columnCount(); ++j) {
                if (reduced[std::size_t(j)] <= std::min(reach, limit))
                    columns.push_back(j);
            }
            std::vector<int> dived = diveForPlan(p, rows, columns, stopper);
            dropRedundant(p, dived);
            if (!dived.empty() && p.fits(dived) && costOf(p, rows, dived, coverable) < cost) {
                out.chosen = dived;
                cost = costOf(p, rows, out.chosen, coverable);
                if (cost - 1.0 - bound + kTolerance < 0.0)
                    continue;
            }
            const StepResult step =
                solveStep(p, rows, columns, cost, full ? kUnlimitedNodes : kStepNodes, stopper);
            if (!step.chosen.empty() && p.fits(step.chosen) &&
                costOf(p, rows, step.chosen, coverable) < cost) {
                out.chosen = step.chosen;
                cost = costOf(p, rows, out.chosen, coverable);
            }
            if (stopper.stop()) {
                out.status = stopper.stopStatus();
                return true;
            }
            if (full && step.complete) {
                out.status = PlanSolveStatus::Optimal;
                return cost < kNoPlan;
            }
            reach *= 2.0;
        }
    }
};

std::unique_ptr<CoverSolver> CreateCoverSolver() {
    return std::make_unique<CbcCoverSolver>();
}

} // namespace qor
