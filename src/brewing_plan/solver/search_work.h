#pragma once
// What every CBC-based search of the program shares to stop in time: the
// simplex work it has done, counted so that the same run on an idle and on a
// busy machine stops at the same place, and the handlers that end a simplex
// run or a branch and bound when the player cancels, the time limit passes or
// the work is spent.

#include "brewing_plan/plan_solver.h"

#include <CbcEventHandler.hpp>
#include <CbcModel.hpp>
#include <ClpEventHandler.hpp>
#include <ClpSimplex.hpp>

#include <algorithm>
#include <cstdint>

namespace qor {

// The simplex work of the search, counted as iterations times the size of
// the program iterated on: the same on an idle and on a busy machine, and
// close to proportional to the CPU time it takes.
class SearchWork {
  public:
    explicit SearchWork(double budget) : m_budget(budget) {}
    // One simplex iteration over a program of `work` rows and columns.
    void add(double work) {
        m_done += work;
        ++m_iterations;
    }
    bool spent() const { return m_done >= m_budget; }
    double done() const { return m_done; }
    std::int64_t iterations() const { return m_iterations; }

  private:
    double m_budget;
    double m_done = 0.0;
    std::int64_t m_iterations = 0;
};

// Ends a simplex run (a relaxation's, or one inside branch and bound) after
// the iteration in which the time ran out, the player cancelled or the
// search's work was spent.
class LpStopHandler final : public ClpEventHandler {
  public:
    explicit LpStopHandler(const PlanStopper &stopper, SearchWork *work = nullptr)
        : m_stopper(&stopper), m_work(work) {}
    int event(Event whichEvent) override {
        if (whichEvent != endOfIteration)
            return -1;
        if (m_work != nullptr && model_ != nullptr)
            m_work->add(double(model_->numberRows() + model_->numberColumns()));
        // 0 stops the simplex; -1 lets it go on.
        return m_stopper->stop() || (m_work != nullptr && m_work->spent()) ? 0 : -1;
    }
    ClpEventHandler *clone() const override { return new LpStopHandler(*this); }

  private:
    const PlanStopper *m_stopper;
    SearchWork *m_work;
};

// Ends a branch and bound at its next event for the same reasons.
class CbcStopHandler final : public CbcEventHandler {
  public:
    explicit CbcStopHandler(const PlanStopper &stopper, const SearchWork *work = nullptr)
        : m_stopper(&stopper), m_work(work) {}
    CbcAction event(CbcEvent) override {
        return m_stopper->stop() || (m_work != nullptr && m_work->spent()) ? stop : noAction;
    }
    CbcEventHandler *clone() const override { return new CbcStopHandler(*this); }

  private:
    const PlanStopper *m_stopper;
    const SearchWork *m_work;
};

// What every branch and bound of the program starts from: quiet, within
// the time left and the node limit; costs are whole, so a plan is better
// only by a whole unit.
inline void setUpBranchAndBound(CbcModel &model, const PlanStopper &stopper, int maxNodes) {
    model.setLogLevel(0);
    model.messageHandler()->setLogLevel(0);
    model.setUseElapsedTime(true);
    model.setMaximumSeconds(std::max(stopper.secondsLeft(), 0.01));
    model.setMaximumNodes(maxNodes);
    model.setCutoffIncrement(0.999);
    model.setAllowableGap(0.999);
}

// Whether the branch and bound searched to the end. A simplex run ended by a
// stop handler may look like anything to it, so nothing is proven once the
// run had to stop.
inline bool searchedToEnd(const CbcModel &model, const PlanStopper &stopper, const SearchWork &work) {
    return (model.isProvenOptimal() || model.isProvenInfeasible()) && !model.isSecondsLimitReached() &&
           !model.isNodeLimitReached() && !stopper.stop() && !work.spent();
}

} // namespace qor
