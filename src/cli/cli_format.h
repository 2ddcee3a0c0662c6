#pragma once
// The RECORD line of the command-line tool: the 29 integers of a recipe in the
// order of a favourite-recipe line.

#include "cli/output_buffer.h"
#include "engine/potion_rec.h"

namespace qor {

// Items[1..3], Effect of Effects[1..5], ItemCount, EffCount, MainEffSlot, Cost,
// UselessItem, PotionType, Power[1..5], Time[1..5], Cost[1..5], blank-separated,
// without a line end.
void printPotionRecord(OutputBuffer &out, const TPotionRec &rec);

} // namespace qor
