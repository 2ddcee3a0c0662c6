#include "brewing_plan/plan_solver.h"

#include <algorithm>

namespace qor {

double PlanSolveResult::gap() const {
    if (bound <= 0 || bound <= plan.total)
        return 0.0;
    return double(bound - plan.total) / double(bound);
}

PlanStopper::PlanStopper(const PlanSolveControl &control)
    : m_cancel(control.cancel),
      m_deadline(Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                    std::chrono::duration<double>(std::max(control.timeLimitSeconds, 0.0)))) {
}

double PlanStopper::secondsLeft() const {
    return std::chrono::duration<double>(m_deadline - Clock::now()).count();
}

PlanSolveStatus PlanStopper::stopStatus() const {
    return cancelled() ? PlanSolveStatus::Cancelled : PlanSolveStatus::TimeLimit;
}

} // namespace qor
