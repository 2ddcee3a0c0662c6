#pragma once
// The exact plan through an integer-programming solver, behind a small
// interface so that the solver library stays out of every other file.

#include "brewing_plan/brewing_plan.h"

#include <QString>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <span>

namespace qor {

enum class PlanSolveStatus : std::uint8_t {
    Optimal,   // proven best
    TimeLimit, // the best plan found in time, with its gap
    Cancelled, // stopped by the user; the best plan found so far
    Failed,    // the solver could not run; the plan is the start plan
};

// The bound of a solve stopped before anything bounded the plan.
inline constexpr std::int64_t kUnknownPlanBound = std::numeric_limits<std::int64_t>::max();

struct PlanSolveResult {
    BrewingPlan plan;
    std::int64_t bound = 0; // proven upper bound of the total (kUnknownPlanBound: none)
    PlanSolveStatus status = PlanSolveStatus::Failed;
    QString error;
    // Simplex iterations of the search after the relaxation: the same on an
    // idle and on a busy machine, so runs compare by them.
    std::int64_t searchIterations = 0;

    // (bound − total) / bound: 0 for a proven plan.
    double gap() const;
};

struct PlanSolveControl {
    // An outer bound on wall time only: what the search does is budgeted by
    // its work (nodes, cut rounds), so a solve that ends before the limit
    // gives the same plan on an idle and on a busy machine.
    double timeLimitSeconds = 10.0;
    // The limit the search's work budget is sized by (below 0: the time
    // limit). A caller that spent part of the limit before the solve passes
    // the whole limit here, so the budget does not depend on the load.
    double workLimitSeconds = -1.0;
    // Set from another thread to stop the solve.
    const std::atomic<bool> *cancel = nullptr;
    // Called from the solving thread now and then: best total, proven bound.
    std::function<void(std::int64_t best, std::int64_t bound)> progress;
    // Called from the solving thread with every better plan and every lower
    // bound, so a cancel can show the best plan at once instead of waiting
    // for the solver to reach its next check.
    std::function<void(const BrewingPlan &best, std::int64_t bound)> improved;
};

// Where a run must stop: the player's cancel or the end of the time limit,
// counted from the stopper's creation. Every phase asks between small units
// of work.
class PlanStopper {
  public:
    using Clock = std::chrono::steady_clock;
    explicit PlanStopper(const PlanSolveControl &control);

    bool cancelled() const { return m_cancel != nullptr && m_cancel->load(std::memory_order_relaxed); }
    bool timeUp() const { return Clock::now() >= m_deadline; }
    bool stop() const { return cancelled() || timeUp(); }
    double secondsLeft() const;
    // Cancelled or TimeLimit, whichever stopped the run.
    PlanSolveStatus stopStatus() const;

  private:
    const std::atomic<bool> *m_cancel;
    Clock::time_point m_deadline;
};

class PlanSolver {
  public:
    virtual ~PlanSolver() = default;
    // Maximises Σ value·x over the candidates, no ingredient used more
    // often than in stock. start must fit the stock; it is the plan to beat
    // and the answer when the solver finds nothing better.
    virtual PlanSolveResult solve(std::span<const PlanColumn> columns, std::span<const std::int32_t> stock,
                                  const BrewingPlan &start, const PlanSolveControl &control) = 0;
};

// The solver this build uses.
std::unique_ptr<PlanSolver> CreatePlanSolver();

} // namespace qor
