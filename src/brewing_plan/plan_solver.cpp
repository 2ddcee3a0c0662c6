#include "brewing_plan/plan_solver.h"

namespace qor {

double PlanSolveResult::gap() const {
    if (bound <= 0 || bound <= plan.total)
        return 0.0;
    return double(bound - plan.total) / double(bound);
}

} // namespace qor
