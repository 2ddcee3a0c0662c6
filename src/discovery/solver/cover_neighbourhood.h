#pragma once
// A better plan near the plan in hand: take out the brews around one brew
// (those sharing an ingredient with it, and theirs), and find the fewest
// brews that show again what only they showed (and what the plan does not
// show yet, within the stock left), exactly, by branch and bound over every
// column that shows any of it. A plan the relaxation's
// dive rounds to is often a few brews off where a local change helps.

#include "brewing_plan/solver/search_work.h"
#include "discovery/cover_problem.h"

#include <vector>

namespace qor {

// Improves chosen (a plan that fits the stock) while a neighbourhood gives a
// better one by coverScore: one that shows more, or as much with fewer
// columns; stops at the stopper or the spent work. Returns whether it found
// a better plan.
bool improveByNeighbourhoods(const CoverProblem &problem, std::vector<int> &chosen,
                             const PlanStopper &stopper, SearchWork &work);

} // namespace qor
