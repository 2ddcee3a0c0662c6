// The fewest experiments through COIN-OR CBC (branch and cut over Clp).
//
// Tens of thousands of brews make one branch and cut over all of them slow,
// yet a plan uses a few dozen. So the relaxation grows by columns and cuts
// (cover_relaxation.h); its bound and reduced costs then say how much each
// brew costs at least. A brew whose reduced cost lifts the bound past the
// plan in hand cannot be in a better plan, so branch and cut runs over the
// few brews left, the relaxation's cuts included, with the plan in hand as
// cutoff: what it finds, or proves absent, is the best plan over all brews.
//
// The dive's plan is then improved by neighbourhoods (cover_neighbourhood.h):
// on the bundled data this takes it from 80 to 79 brews, where branch and cut
// alone stays at 80; with two of each ingredient from 84 to 81 brews that
// show all 548 slots.
//
// Without a brew limit the search asks for plans that show every element
// some column shows: a plain set cover, which the cuts tighten and branch
// and cut handles far better. Only when the stock allows no such plan does
// the search fall back to the weighted model (most elements shown, then
// fewest columns).
//
// Every budget is counted in work (simplex iterations, nodes, cut rounds),
// never in seconds, so a run that ends within the time limit gives the same
// plan and bound on an idle and on a busy machine; the time limit and the
// cancel only cut a run short.

#include "discovery/cover_problem.h"
#include "discovery/solver/cover_neighbourhood.h"
#include "discovery/solver/cover_relaxation.h"

#include <CbcHeuristic.hpp>
#include <CbcModel.hpp>
#include <CglGomory.hpp>
#include <CoinError.hpp>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace qor {

namespace {

constexpr double kTolerance = 1e-6;
// Columns the dive fixes at once.
constexpr std::size_t kFixTogether = 3;
// The first step takes the columns whose reduced cost is at most this; each
// further step doubles the reach. A step short of the full reach searches at
// most kStepNodes nodes.
constexpr double kFirstReach = 0.25;
constexpr int kStepNodes = 2000;
constexpr std::size_t kStepColumns = 2500;
constexpr int kUnlimitedNodes = std::numeric_limits<int>::max();
// Simplex work (iterations times program size) per second of CPU time on a
// small desktop machine, and the share of the time limit the search's work
// is sized by.
constexpr double kWorkPerSecond = 2.5e7;
constexpr double kWorkShare = 0.5;

double searchWorkBudget(const PlanSolveControl &control) {
    const double seconds =
        control.workLimitSeconds >= 0.0 ? control.workLimitSeconds : control.timeLimitSeconds;
    return std::max(kWorkShare * seconds * kWorkPerSecond, 0.0);
}

// The model over the given columns; the slacks of the weighted model stay
// as continuous columns in front of them. Returns the first column's index.
int loadSearchModel(const CoverLayout &layout, const CoverCuts &cuts, std::span<const int> columns,
                    OsiClpSolverInterface &lp) {
    layout.load(columns, cuts, !layout.cover, lp);
    return lp.getNumCols() - int(columns.size());
}

std::vector<int> chosenOf(std::span<const int> columns, const double *x, int first) {
    std::vector<int> chosen;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (x[std::size_t(first) + c] > 0.5)
            chosen.push_back(columns[c]);
    }
    return chosen;
}

// A plan from a relaxation: fix the largest fractional column at 1, solve
// again, until the solution is whole. Branch and cut's own rounding rarely
// finds a cover; this finds one close to the bound. lp is solved already;
// position[c] is the program's column of columns[c]. Empty when stopped or
// when the model has no solution.
std::vector<int> diveForPlan(OsiClpSolverInterface &lp, std::span<const int> columns,
                             std::span<const int> position, const PlanStopper &stopper, SearchWork &work) {
    const LpStopHandler lpStop(stopper, &work);
    lp.getModelPtr()->passInEventHandler(&lpStop);
    std::vector<std::pair<double, int>> fractional;
    // The columns fixed last. Within a stock they may leave no solution:
    // then they are unfixed one by one, the smallest first, and the largest,
    // when it alone leaves none, is left out. A dive that gave up there left
    // the plan in hand, which may not show everything.
    std::vector<int> fixedLast;
    for (;;) {
        if (stopper.stop() || work.spent())
            return {};
        if (!lp.isProvenOptimal()) {
            if (fixedLast.empty())
                return {};
            lp.setColLower(fixedLast.back(), 0.0);
            if (fixedLast.size() == 1)
                lp.setColUpper(fixedLast.back(), 0.0);
            fixedLast.pop_back();
            lp.resolve();
            continue;
        }
        fixedLast.clear();
        const double *x = lp.getColSolution();
        // The largest fractional columns go in together: fewer solves,
        // much the same plan.
        fractional.clear();
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const double v = x[position[c]];
            if (v > kTolerance && v < 1.0 - kTolerance)
                fractional.emplace_back(-v, position[c]);
        }
        if (fractional.empty())
            break;
        const std::size_t n = std::min(fractional.size(), kFixTogether);
        std::partial_sort(fractional.begin(), fractional.begin() + std::ptrdiff_t(n), fractional.end());
        for (std::size_t k = 0; k < n; ++k) {
            lp.setColLower(fractional[k].second, 1.0);
            fixedLast.push_back(fractional[k].second);
        }
        lp.resolve();
    }
    std::vector<int> chosen;
    const double *x = lp.getColSolution();
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (x[position[c]] > 0.5)
            chosen.push_back(columns[c]);
    }
    return chosen;
}

// The dive from the relaxation's own program, warm: in the cover model its
// slacks are closed first.
std::vector<int> diveFromRelaxation(const CoverLayout &layout, const CoverRelaxation &relaxation,
                                    const PlanStopper &stopper, SearchWork &work) {
    OsiClpSolverInterface lp(relaxation.program());
    const auto position = relaxation.programColumns();
    if (layout.cover) {
        std::vector<bool> slack(std::size_t(lp.getNumCols()), true);
        for (const int c : position)
            slack[std::size_t(c)] = false;
        for (int c = 0; c < lp.getNumCols(); ++c) {
            if (slack[std::size_t(c)])
                lp.setColUpper(c, 0.0);
        }
        lp.resolve();
    }
    return diveForPlan(lp, relaxation.inPlay(), position, stopper, work);
}

// The dive over the given columns from scratch.
std::vector<int> diveOver(const CoverLayout &layout, const CoverCuts &cuts, std::span<const int> columns,
                          const PlanStopper &stopper, SearchWork &work) {
    OsiClpSolverInterface lp;
    const int first = loadSearchModel(layout, cuts, columns, lp);
    const LpStopHandler lpStop(stopper, &work);
    lp.getModelPtr()->passInEventHandler(&lpStop);
    lp.initialSolve();
    std::vector<int> position(columns.size());
    for (std::size_t c = 0; c < columns.size(); ++c)
        position[c] = first + int(c);
    return diveForPlan(lp, columns, position, stopper, work);
}

// Gomory cuts whose work counts: each cut is a row of the simplex tableau,
// a pass over the whole matrix. Over thousands of columns the cut passes
// take much of a branch and cut's time; a budget that left them out would
// let branch and cut run far longer than its share.
class CountedGomory final : public CglGomory {
  public:
    explicit CountedGomory(SearchWork &work) : m_work(&work) {}
    void generateCuts(const OsiSolverInterface &si, OsiCuts &cs,
                      const CglTreeInfo info = CglTreeInfo()) override {
        const double *x = si.getColSolution();
        int fractional = 0;
        for (int c = 0; c < si.getNumCols(); ++c) {
            if (si.isInteger(c) && std::abs(x[c] - std::round(x[c])) > kTolerance)
                ++fractional;
        }
        m_work->add(double(fractional) * double(si.getNumRows() + si.getNumElements()));
        CglGomory::generateCuts(si, cs, info);
    }
    CglCutGenerator *clone() const override { return new CountedGomory(*this); }

  private:
    SearchWork *m_work;
};

struct StepResult {
    std::vector<int> chosen; // empty: nothing below the cutoff found
    bool complete = false;   // searched to the end
};

// Branch and cut over the given columns for a plan cheaper than cost.
StepResult solveStep(const CoverLayout &layout, const CoverCuts &cuts, std::span<const int> columns,
                     double cost, int maxNodes, const PlanStopper &stopper, SearchWork &work) {
    OsiClpSolverInterface lp;
    const int first = loadSearchModel(layout, cuts, columns, lp);
    // Branch and bound works on copies of lp, which copy the handler too.
    const LpStopHandler lpStop(stopper, &work);
    lp.getModelPtr()->passInEventHandler(&lpStop);
    for (std::size_t c = 0; c < columns.size(); ++c)
        lp.setInteger(first + int(c));

    CbcModel model(lp);
    setUpBranchAndBound(model, stopper, maxNodes);
    if (cost < CoverLayout::kNoPlan)
        model.setCutoff(cost - 0.5);
    // Of the plan solver's set-up only the Gomory cuts and the rounding pay
    // here: probing and the other heuristics spend the whole budget at the
    // root of a covering problem, and so does strong branching over
    // thousands of columns; pseudo-costs from the start branch better.
    CountedGomory gomory(work);
    model.addCutGenerator(&gomory, -1, "Gomory");
    CbcRounding rounding(model);
    model.addHeuristic(&rounding);
    model.setNumberStrong(0);
    model.setNumberBeforeTrust(0);
    CbcStopHandler handler(stopper, &work);
    model.passInEventHandler(&handler);
    model.branchAndBound();

    StepResult out;
    out.complete = searchedToEnd(model, stopper, work);
    if (const double *best = model.bestSolution())
        out.chosen = chosenOf(columns, best, first);
    return out;
}

PlanSolveStatus stoppedStatus(const PlanStopper &stopper) {
    // A spent work budget reads like the time limit.
    return stopper.cancelled() ? PlanSolveStatus::Cancelled : PlanSolveStatus::TimeLimit;
}

} // namespace

class CbcCoverSolver final : public CoverSolver {
  public:
    CoverResult solve(const CoverProblem &p, std::span<const int> start,
                      const PlanSolveControl &control) override {
        CoverResult out;
        out.chosen.assign(start.begin(), start.end());
        const PlanStopper stopper(control);
        SearchWork work(searchWorkBudget(control));
        try {
            run(p, stopper, work, out);
        } catch (const CoinError &e) {
            out.status = PlanSolveStatus::Failed;
            out.error = QString::fromStdString(e.message());
        }
        return out;
    }

  private:
    static void run(const CoverProblem &p, const PlanStopper &stopper, SearchWork &work, CoverResult &out) {
        if (p.columns.empty() || p.elementCount == 0) {
            out.status = PlanSolveStatus::Optimal;
            return;
        }
        if (p.maxBrews < 0) {
            const CoverLayout layout(p, true);
            CoverRelaxation relaxation(layout, stopper, work);
            if (!relaxation.solve(out.chosen)) {
                out.status = relaxation.stopped() ? stoppedStatus(stopper) : PlanSolveStatus::Failed;
                // Every pricing pass proves a bound, also one cut short.
                if (relaxation.stopped() && relaxation.bound() >= 0.0)
                    out.lowerBound = int(std::ceil(relaxation.bound() - kTolerance));
                return;
            }
            // A plan that shows every element needs no column twice, and
            // no more columns than elements once the redundant ones are out.
            if (relaxation.bound() <= double(layout.coverableCount) + 0.5 &&
                search(layout, relaxation, stopper, work, out))
                return;
            out.lowerBound = -1;
        }
        const CoverLayout layout(p, false);
        CoverRelaxation relaxation(layout, stopper, work);
        if (!relaxation.solve(out.chosen)) {
            out.status = relaxation.stopped() ? stoppedStatus(stopper) : PlanSolveStatus::Failed;
            return;
        }
        search(layout, relaxation, stopper, work, out);
    }

    // Steps over the columns whose reduced cost is within reach: the cheap
    // ones first, where the better plans lie, then wider until the reach
    // takes every column that could still improve the plan. False when the
    // cover model has no plan (out.chosen is left alone then).
    static bool search(const CoverLayout &layout, const CoverRelaxation &relaxation,
                       const PlanStopper &stopper, SearchWork &work, CoverResult &out) {
        const CoverProblem &p = layout.problem;
        const double bound = relaxation.bound();
        const std::span<const double> reduced = relaxation.reduced();
        if (layout.cover)
            out.lowerBound = int(std::ceil(bound - kTolerance));
        double cost = layout.costOf(out.chosen);
        const auto keepIfBetter = [&](std::vector<int> chosen) {
            dropRedundant(p, chosen);
            if (!chosen.empty() && p.fits(chosen) && layout.costOf(chosen) < cost) {
                out.chosen = std::move(chosen);
                cost = layout.costOf(out.chosen);
            }
        };
        keepIfBetter(diveFromRelaxation(layout, relaxation, stopper, work));
        if (improveByNeighbourhoods(p, out.chosen, stopper, work))
            cost = layout.costOf(out.chosen);
        double reach = kFirstReach;
        for (;;) {
            // Costs are whole: a better plan costs at most cost − 1.
            const double limit = cost - 1.0 - bound + kTolerance;
            if (limit < 0.0) {
                out.status = PlanSolveStatus::Optimal;
                return true;
            }
            if (stopper.stop() || work.spent()) {
                out.status = stoppedStatus(stopper);
                return true;
            }
            const bool full = reach >= limit;
            std::vector<int> columns;
            for (int j = 0; j < p.columnCount(); ++j) {
                if (reduced[std::size_t(j)] <= std::min(reach, limit))
                    columns.push_back(j);
            }
            if (!full && columns.size() > kStepColumns) {
                // Many columns cost the bound next to nothing: a step short
                // of the full reach takes the cheapest of them only.
                std::nth_element(columns.begin(), columns.begin() + std::ptrdiff_t(kStepColumns),
                                 columns.end(), [&](int x, int y) {
                                     return reduced[std::size_t(x)] != reduced[std::size_t(y)]
                                                ? reduced[std::size_t(x)] < reduced[std::size_t(y)]
                                                : x < y;
                                 });
                columns.resize(kStepColumns);
                std::sort(columns.begin(), columns.end());
            }
            keepIfBetter(diveOver(layout, relaxation.cuts(), columns, stopper, work));
            if (cost - 1.0 - bound + kTolerance < 0.0)
                continue;
            const StepResult step = solveStep(layout, relaxation.cuts(), columns, cost,
                                              full ? kUnlimitedNodes : kStepNodes, stopper, work);
            keepIfBetter(step.chosen);
            if (full && step.complete) {
                out.status = PlanSolveStatus::Optimal;
                return cost < CoverLayout::kNoPlan;
            }
            reach *= 2.0;
        }
    }
};

std::unique_ptr<CoverSolver> CreateCoverSolver() {
    return std::make_unique<CbcCoverSolver>();
}

} // namespace qor
