#pragma once
// The plan's integer program in the CPLEX LP text format, for checking it
// with a stand-alone solver (glpsol --lp, cbc).

#include "brewing_plan/plan_recipes.h"

#include <QByteArray>

#include <cstdint>
#include <span>

namespace qor {

// Variables x<r> (recipe r of the list), constraints s<i> (ingredient i).
QByteArray PlanModelLp(std::span<const PlanColumn> recipes, std::span<const std::int32_t> stock);

} // namespace qor
