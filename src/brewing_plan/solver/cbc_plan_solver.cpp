// The exact plan through COIN-OR CBC (branch and cut over Clp). Every CBC
// type stays in this file; the rest of the program sees only PlanSolver.
//
// Tens of thousands of recipes make one branch and cut over all of them
// slow, and the plain linear relaxation is loose where odd stocks are shared
// (three pairs brewed 2.5 times each). So the relaxation over every recipe
// (by column generation: see plan_relaxation.h) is first tightened by
// odd-set cuts; its reduced costs then say how much a brew of each recipe
// costs the bound. A plan worth at least T uses only the
// recipes that cost less than bound − T, so the search runs in steps over
// small sets: find the best plan worth at least T among them, or prove there
// is none (then T − 1 is a bound for all), and lower T by a growing reach.
// The first plan found this way is proven best. With triples only, a step
// also keeps a plan one below its target: there the optimum often sits just
// under a proven bound, and the step that proves the bound finds it too,
// instead of a second, larger step (with pairs the lower cut-off slowed the
// last, largest step more than it saved). The same loss caps how often a
// recipe can be brewed in a step's plans.
//
// Every budget is counted in work (nodes, cut rounds), never in seconds, so
// a run that ends within the time limit gives the same plan and bound on an
// idle and on a busy machine; the limit and the cancel only cut a run short,
// and every phase — the relaxation's simplex iterations included — asks them.

#include "brewing_plan/plan_solver.h"

#include "brewing_plan/solver/plan_relaxation.h"

#include <CbcEventHandler.hpp>
#include <CbcModel.hpp>
// After the model: it needs the node type declared first.
#include <CbcCutGenerator.hpp>
#include <CglCutGenerator.hpp>
#include <CglGomory.hpp>
#include <CoinError.hpp>
#include <OsiClpSolverInterface.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

namespace qor {

namespace {

using Clock = PlanStopper::Clock;

// The first step looks for plans within this share of the bound; each
// further step widens the reach by kReachGrowth (small enough that a step
// seldom jumps from a few hundred recipes to thousands).
constexpr double kFirstReachShare = 1e-4;
constexpr double kReachGrowth = 1.5;
// A step may search this many branch-and-bound nodes before a plain search
// for a good plan over the kPlanSetSize cheapest recipes gets kPlanNodes;
// after that, steps run to their end (or the work budget, or the time limit).
constexpr int kStepNodes = 3000;
constexpr int kPlanNodes = 2000;
constexpr int kUnlimitedNodes = std::numeric_limits<int>::max();
constexpr std::size_t kPlanSetSize = 1500;
// A step over more recipes than this waits for that search: a good plan
// raises the target and so shrinks the step.
constexpr std::size_t kLargeStep = 5000;
// Slack for the relaxation's rounding errors wherever its bound or reduced
// costs decide what is proven: totals are whole, so this costs nothing.
constexpr double kTolerance = 1e-4;
// A triples-only step keeps plans this much below its target (see the top
// of the file).
constexpr std::int64_t kAcceptBelowTarget = 1;
// Dual simplex iterations of one strong-branching trial in a step whose
// recipes are all brewed at most once (see solveSubset).
constexpr int kBinaryStrongBranchIterations = 5;
// Candidates the rounded plan fills the rest of the stock from.
constexpr std::size_t kRoundingCandidates = 20000;
// Simplex work (iterations times program size) per second of CPU time on a
// small desktop machine, as the search's whole run averages it, and what
// enumerating, ordering and pricing one candidate takes in the same units.
constexpr double kWorkPerSecond = 2.5e7;
constexpr double kWorkPerCandidate = 67.0;
// Share of the time limit the search's work is sized by.
constexpr double kWorkShare = 0.5;

// Stops the search on cancel and reports the best total now and then: the
// plan kept so far, or a better one found now (a plan below the step's
// target is thrown away, so it is not reported).
class ControlHandler final : public CbcEventHandler {
  public:
    ControlHandler(const PlanSolveControl &control, const PlanStopper &stopper, const SearchWork &work,
                   std::int64_t kept, std::int64_t target, std::int64_t globalBound)
        : m_control(control), m_stopper(stopper), m_work(work), m_kept(kept), m_target(target),
          m_globalBound(globalBound) {}

    CbcAction event(CbcEvent whichEvent) override {
        if (m_stopper.stop() || m_work.spent()) {
            m_cancelled = true;
            return stop;
        }
        const bool found = whichEvent == solution || whichEvent == heuristicSolution;
        if (found && model_ != nullptr && reachedBound(model_->getObjValue()))
            return stop; // nothing can beat it: no need to prove it best in this set
        const auto now = Clock::now();
        if (m_control.progress && model_ != nullptr &&
            (found || now - m_lastReport > std::chrono::milliseconds(250))) {
            m_lastReport = now;
            const double best = model_->getObjValue();
            std::int64_t total = m_kept;
            if (std::isfinite(best) && std::abs(best) < 1e15 && std::llround(-best) >= m_target)
                total = std::max(total, std::int64_t(std::llround(-best)));
            m_control.progress(total, m_globalBound);
        }
        return noAction;
    }

    CbcEventHandler *clone() const override { return new ControlHandler(*this); }
    bool cancelled() const { return m_cancelled; }

  private:
    bool reachedBound(double objective) const {
        return std::isfinite(objective) && std::abs(objective) < 1e15 &&
               std::llround(-objective) >= m_globalBound;
    }

    const PlanSolveControl &m_control;
    const PlanStopper &m_stopper;
    const SearchWork &m_work;
    std::int64_t m_kept;
    std::int64_t m_target;
    std::int64_t m_globalBound;
    Clock::time_point m_lastReport{};
    bool m_cancelled = false;
};

// Cut generators run without asking anyone, Gomory's for tens of
// milliseconds on a large step. This one, first in every cut pass, does
// nothing until the search has to stop; then it switches every generator of
// the search off, so a cancel in the root's cut passes waits for at most the
// one generator already running.
class StopCutGenerator final : public CglCutGenerator {
  public:
    StopCutGenerator(CbcModel &model, const PlanStopper &stopper, const SearchWork &work)
        : m_model(&model), m_stopper(&stopper), m_work(&work) {}

    void generateCuts(const OsiSolverInterface &, OsiCuts &, const CglTreeInfo) override {
        if (!m_stopper->stop() && !m_work->spent())
            return;
        for (int i = 0; i < m_model->numberCutGenerators(); ++i)
            m_model->cutGenerator(i)->setSwitchedOff(true);
    }
    CglCutGenerator *clone() const override { return new StopCutGenerator(*this); }

  private:
    CbcModel *m_model;
    const PlanStopper *m_stopper;
    const SearchWork *m_work;
};

// One step of the search over the recipes whose loss is within reach.
struct SubResult {
    std::vector<std::int32_t> times; // over the subset; empty when no plan reached the target
    bool complete = false;           // searched to the end: times is the best plan ≥ target, or none exists
    bool cancelled = false;
};

// Loads the candidates of `columns` as integer-free columns: one row per
// ingredient, capacity its stock, then one per cut; a column is brewed at
// most its stock allows and at most its entry in `brewLimit`.
void loadModel(std::span<const PlanColumn> candidates, std::span<const std::int32_t> stock,
               std::span<const std::uint32_t> columns, std::span<const double> brewLimit,
               const PlanCuts &cuts, OsiClpSolverInterface &lp) {
    PlanColumnArrays arrays;
    for (const std::uint32_t r : columns)
        arrays.add(r, candidates[r], cuts, stock);
    for (std::size_t c = 0; c < brewLimit.size(); ++c)
        arrays.upper[c] = std::min(arrays.upper[c], brewLimit[c]);
    std::vector<double> rowLower(stock.size() + cuts.size(), -COIN_DBL_MAX);
    std::vector<double> rowUpper(stock.begin(), stock.end());
    for (std::size_t k = 0; k < cuts.size(); ++k)
        rowUpper.push_back(cuts[k].rhs);
    lp.messageHandler()->setLogLevel(0);
    lp.loadProblem(arrays.count(), static_cast<int>(rowUpper.size()), arrays.starts.data(),
                   arrays.rows.data(), arrays.elements.data(), arrays.lower.data(), arrays.upper.data(),
                   arrays.objective.data(), rowLower.data(), rowUpper.data());
}

// The best plan worth at least `target` over `columns`, the odd-set cuts
// found at the root included; a plan below the target is cut off at once.
// kept is the total of the plan in hand, for the progress reports.
SubResult solveSubset(std::span<const PlanColumn> candidates, std::span<const std::int32_t> stock,
                      std::span<const std::uint32_t> columns, std::span<const double> brewLimit,
                      const PlanCuts &cuts, std::int64_t target, std::int64_t kept, int maxNodes,
                      std::int64_t globalBound, const PlanSolveControl &control, const PlanStopper &stopper,
                      SearchWork &work) {
    OsiClpSolverInterface lp;
    loadModel(candidates, stock, columns, brewLimit, cuts, lp);
    // Branch and bound works on copies of lp, which copy the handler too.
    const LpStopHandler lpStop(stopper, &work);
    lp.getModelPtr()->passInEventHandler(&lpStop);
    const int cols = static_cast<int>(columns.size());
    for (int c = 0; c < cols; ++c)
        lp.setInteger(c);

    // Where every recipe is brewed at most once, strong branching ranks
    // its candidates as well after a few dual simplex iterations as after a
    // full solve, which was over half of a step's work with one of each
    // ingredient. Where recipes are brewed more often, the short estimates
    // misled the branching (up to three times the work on five of each).
    const double *upper = lp.getColUpper();
    if (std::all_of(upper, upper + cols, [](double u) { return u <= 1.0; }))
        lp.setIntParam(OsiMaxNumIterationHotStart, kBinaryStrongBranchIterations);

    CbcModel model(lp);
    setUpBranchAndBound(model, stopper, maxNodes);
    model.setCutoff(-double(target) + 0.5);

    StopCutGenerator stopCuts(model, stopper, work);
    model.addCutGenerator(&stopCuts, 1, "Stop");
    // No knapsack covers and no cliques: the rows are ingredient stocks and
    // cuts with small whole coefficients. Knapsack covers never found a cut
    // there; cliques only helped with one of each ingredient, and even there
    // the search was 10-15 % faster without them.
    // No probing: on these programs it found no cut, cost a fifth of the
    // time in cut generators, ran the longest calls a cancel had to wait
    // for, and the search took fewer simplex iterations without it.
    CglGomory gomory;
    model.addCutGenerator(&gomory, -1, "Gomory");
    // No heuristics: a step cuts off every plan below its target, which
    // they seldom reach, and the branching found every plan that counted.
    // On every bundled stock they only added 4–30 % to the simplex work.

    ControlHandler handler(control, stopper, work, kept, target, globalBound);
    model.passInEventHandler(&handler);
    model.branchAndBound();

    SubResult out;
    const auto *used = dynamic_cast<const ControlHandler *>(model.getEventHandler());
    out.cancelled = used != nullptr && used->cancelled();
    out.complete = searchedToEnd(model, stopper, work) && !out.cancelled;
    if (const double *best = model.bestSolution()) {
        out.times.resize(columns.size());
        for (std::size_t c = 0; c < columns.size(); ++c)
            out.times[c] = static_cast<std::int32_t>(std::llround(best[c]));
    }
    return out;
}

// A plan from the relaxation: every column in play brewed as often as its
// value rounded down says (which always fits the stock), then what is left
// spent on the candidates that cost the bound least, best value first. On
// large stocks this lands close to the bound at once.
BrewingPlan roundedPlan(std::span<const PlanColumn> candidates, std::span<const std::int32_t> stock,
                        const PlanRelaxation &relaxation, std::span<const double> loss) {
    BrewingPlan plan;
    plan.times.assign(candidates.size(), 0);
    std::vector<std::int32_t> left(stock.begin(), stock.end());
    const auto brew = [&](std::uint32_t r, std::int32_t n) {
        for (const std::int32_t item : candidates[r].ingredients())
            left[std::size_t(item)] -= n;
        plan.times[r] += n;
        plan.total += std::int64_t(candidates[r].value) * n;
    };
    const auto inPlay = relaxation.inPlay();
    const auto x = relaxation.solution();
    for (std::size_t c = 0; c < inPlay.size(); ++c) {
        const auto n = static_cast<std::int32_t>(std::floor(x[c] + kTolerance));
        if (n > 0)
            brew(inPlay[c], std::min(n, MaxBrews(candidates[inPlay[c]].ingredients(), left)));
    }
    std::vector<std::uint32_t> order(candidates.size());
    std::iota(order.begin(), order.end(), std::uint32_t{0});
    const auto cheaper = [&](std::uint32_t a, std::uint32_t b) {
        if (loss[a] != loss[b])
            return loss[a] < loss[b];
        return candidates[a].value != candidates[b].value ? candidates[a].value > candidates[b].value : a < b;
    };
    if (order.size() > kRoundingCandidates) {
        std::nth_element(order.begin(), order.begin() + std::ptrdiff_t(kRoundingCandidates), order.end(),
                         cheaper);
        order.resize(kRoundingCandidates);
    }
    std::sort(order.begin(), order.end(), cheaper);
    for (const std::uint32_t r : order) {
        if (const std::int32_t n = MaxBrews(candidates[r].ingredients(), left); n > 0)
            brew(r, n);
    }
    return plan;
}

// The simplex work the search may spend: a share of the time limit at this
// rate, less what setting up the relaxation over the candidates takes. A
// solve that spends it ends as at the time limit, but the same on an idle
// and on a busy machine, as long as the machine is not slower than about
// 1 / kWorkShare times its idle speed.
double searchWorkBudget(const PlanSolveControl &control, std::size_t candidates) {
    const double seconds =
        control.workLimitSeconds >= 0.0 ? control.workLimitSeconds : control.timeLimitSeconds;
    return std::max(kWorkShare * seconds * kWorkPerSecond - kWorkPerCandidate * double(candidates), 0.0);
}

class CbcPlanSolver final : public PlanSolver {
  public:
    PlanSolveResult solve(std::span<const PlanColumn> recipes, std::span<const std::int32_t> stock,
                          const BrewingPlan &start, const PlanSolveControl &control) override;

  private:
    PlanSolveResult solveChecked(std::span<const PlanColumn> recipes, std::span<const std::int32_t> stock,
                                 const BrewingPlan &start, const PlanSolveControl &control);
};

PlanSolveResult CbcPlanSolver::solve(std::span<const PlanColumn> recipes, std::span<const std::int32_t> stock,
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

PlanSolveResult CbcPlanSolver::solveChecked(std::span<const PlanColumn> recipes,
                                            std::span<const std::int32_t> stock, const BrewingPlan &start,
                                            const PlanSolveControl &control) {
    const PlanStopper stopper(control);
    PlanSolveResult result;
    result.plan = start;
    result.plan.times.resize(recipes.size(), 0);
    result.plan.total = PlanTotal(recipes, result.plan.times);
    result.status = PlanSolveStatus::Optimal;
    result.bound = result.plan.total;
    if (recipes.empty())
        return result;

    PlanRelaxation relaxation(recipes, stock, stopper);
    relaxation.solve(result.plan);
    if (relaxation.interrupted()) {
        // Keep the start plan and the best bound proven before the stop.
        result.status = stopper.stopStatus();
        result.bound = PlanBoundByStock(recipes, stock);
        if (std::isfinite(relaxation.bound()))
            result.bound = std::min(result.bound,
                                    static_cast<std::int64_t>(std::floor(relaxation.bound() + kTolerance)));
        result.bound = std::max(result.bound, result.plan.total);
        return result;
    }
    if (!relaxation.solved()) {
        result.status = PlanSolveStatus::Failed;
        result.error = QStringLiteral("linear relaxation not solved");
        result.bound = std::numeric_limits<std::int64_t>::max();
        return result;
    }
    const double lpBound = relaxation.lossBound();
    std::int64_t bound = static_cast<std::int64_t>(std::floor(relaxation.bound() + kTolerance));
    // Loss of the bound per brew; recipes at their upper bound lose nothing.
    std::vector<double> loss(recipes.size());
    for (std::size_t r = 0; r < loss.size(); ++r)
        loss[r] = relaxation.loss(r);

    SearchWork work(searchWorkBudget(control, recipes.size()));
    if (BrewingPlan rounded = roundedPlan(recipes, stock, relaxation, loss);
        rounded.total > result.plan.total)
        result.plan = std::move(rounded);
    // Tells the caller what the search stands at; a better plan or bound
    // also goes out whole.
    std::int64_t reportedTotal = std::numeric_limits<std::int64_t>::min();
    std::int64_t reportedBound = std::numeric_limits<std::int64_t>::max();
    const auto report = [&] {
        // The plan first: whoever hears of the progress may want to show it.
        if (control.improved && (result.plan.total > reportedTotal || bound < reportedBound))
            control.improved(result.plan, bound);
        if (control.progress)
            control.progress(result.plan.total, bound);
        reportedTotal = result.plan.total;
        reportedBound = bound;
    };
    report();

    // Runs one integer program over the recipes whose loss is at most
    // `within` and folds what it proves into the plan and the bound.
    // Returns false when it stopped before the end (time, cancel) or its
    // plan did not hold up.
    const auto stepSize = [&](double within) {
        return std::size_t(
            std::count_if(loss.begin(), loss.end(), [within](double l) { return l <= within; }));
    };
    std::vector<double> brewLimit;
    const bool triplesOnly = std::all_of(recipes.begin(), recipes.end(),
                                         [](const PlanColumn &c) { return c.ingredients().size() == 3; });
    const auto runStep = [&](double within, std::size_t largest, std::int64_t target, int maxNodes) {
        std::vector<std::uint32_t> columns;
        double outside = std::numeric_limits<double>::infinity();
        for (std::size_t r = 0; r < recipes.size(); ++r) {
            if (loss[r] <= within)
                columns.push_back(std::uint32_t(r));
            else
                outside = std::min(outside, loss[r]);
        }
        if (columns.size() > largest) {
            // Keep the `largest` cheapest; the first one left out sets the reach.
            std::nth_element(columns.begin(), columns.begin() + std::ptrdiff_t(largest), columns.end(),
                             [&](std::uint32_t x, std::uint32_t y) {
                                 return loss[x] != loss[y] ? loss[x] < loss[y] : x < y;
                             });
            outside = loss[columns[largest]];
            columns.resize(largest);
            std::sort(columns.begin(), columns.end());
        }
        // A plan worth `accept` or more loses at most lpBound − accept of
        // the bound in all, so a recipe losing l is brewed at most that / l
        // times in it.
        const std::int64_t accept =
            std::max(target - (triplesOnly ? kAcceptBelowTarget : 0), result.plan.total + 1);
        const double room = lpBound - double(accept) + kTolerance;
        brewLimit.clear();
        for (const std::uint32_t r : columns)
            brewLimit.push_back(loss[r] > kTolerance ? std::floor(room / loss[r])
                                                     : std::numeric_limits<double>::infinity());
        const SubResult sub = solveSubset(recipes, stock, columns, brewLimit, relaxation.cuts(), accept,
                                          result.plan.total, maxNodes, bound, control, stopper, work);
        if (!sub.times.empty()) {
            BrewingPlan found;
            found.times.assign(recipes.size(), 0);
            for (std::size_t c = 0; c < columns.size(); ++c)
                found.times[columns[c]] = sub.times[c];
            found.total = PlanTotal(recipes, found.times);
            // A rounded answer must still fit the stock and be better; if it
            // does not, the step proves nothing.
            if (found.total <= result.plan.total || !PlanFitsStock(recipes, found.times, stock))
                return false;
            result.plan = std::move(found);
        }
        if (!sub.complete)
            return false;
        // A plan using a recipe left out is worth at most lpBound − outside,
        // so every plan worth `covered` or more was in the set, and the set
        // holds none worth accept or more beyond the best one found.
        const std::int64_t covered =
            std::isfinite(outside) ? static_cast<std::int64_t>(std::floor(lpBound - outside + kTolerance)) + 1
                                   : std::numeric_limits<std::int64_t>::min();
        const std::int64_t proven = std::max(accept, covered) - 1;
        bound = std::min(bound, std::max(proven, result.plan.total));
        return true;
    };

    double reach = std::max(1.0, lpBound * kFirstReachShare);
    bool searchedForPlan = false;
    for (;;) {
        if (bound <= result.plan.total) {
            result.status = PlanSolveStatus::Optimal;
            result.bound = result.plan.total;
            result.searchIterations = work.iterations();
            return result;
        }
        if (stopper.stop() || work.spent()) {
            // A spent budget reads like the time limit: the best plan and its gap.
            result.status = stopper.stop() ? stopper.stopStatus() : PlanSolveStatus::TimeLimit;
            result.bound = bound;
            result.searchIterations = work.iterations();
            return result;
        }
        // A plan worth at least target uses no recipe that loses more than
        // lpBound − target, so the step needs only the recipes within that.
        std::int64_t target = static_cast<std::int64_t>(std::ceil(lpBound - reach - 1e-6));
        target = std::clamp(target, result.plan.total + 1, bound);
        const double within = lpBound - double(target) + kTolerance;
        const bool tooLarge = !searchedForPlan && stepSize(within) > kLargeStep;
        if (!tooLarge &&
            runStep(within, recipes.size(), target, searchedForPlan ? kUnlimitedNodes : kStepNodes)) {
            reach *= kReachGrowth;
        } else if (stopper.stop() || work.spent() || bound <= result.plan.total) {
            continue; // reported at the top of the loop
        } else if (searchedForPlan) {
            // The solver gave up or its plan did not hold: keep what is proven.
            result.status = PlanSolveStatus::TimeLimit;
            result.bound = bound;
            result.searchIterations = work.iterations();
            return result;
        } else {
            // Close to the bound the search is slow. After the cuts the
            // best plan is often worth the bound itself: look for one among
            // the recipes such a plan may use, if they are few enough; then
            // for a good plan among the recipes the relaxation likes most,
            // and go on from it.
            searchedForPlan = true;
            const double atBound = lpBound - double(bound) + kTolerance;
            if (stepSize(atBound) <= kLargeStep)
                runStep(atBound, recipes.size(), bound, kStepNodes);
            if (bound > result.plan.total && !stopper.stop() && !work.spent())
                runStep(std::numeric_limits<double>::infinity(), kPlanSetSize, result.plan.total + 1,
                        kPlanNodes);
        }
        report();
    }
}

} // namespace

std::unique_ptr<PlanSolver> CreatePlanSolver() {
    return std::make_unique<CbcPlanSolver>();
}

} // namespace qor
