#pragma once
// The RECORD line of the command-line tool: the 29 integers of a recipe in the
// order of a favourite-recipe line.

#include "brewing_plan/plan_solver.h"
#include "cli/output_buffer.h"
#include "engine/potion_rec.h"

namespace qor {

// Items[1..3], Effect of Effects[1..5], ItemCount, EffCount, MainEffSlot, Cost,
// UselessItem, PotionType, Power[1..5], Time[1..5], Cost[1..5], blank-separated,
// without a line end.
void printPotionRecord(OutputBuffer &out, const TPotionRec &rec);

// The word of a solve's status on a "status" line: optimal, time-limit,
// cancelled or failed.
QLatin1StringView planStatusName(PlanSolveStatus s);

} // namespace qor
