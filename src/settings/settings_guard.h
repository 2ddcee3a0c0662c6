#pragma once
// Guarded use of values read from Main.ini that may not fit the data loaded
// now (a file written for a larger data set, or a damaged one). The raw values
// stay in the settings for the file's round trip; every use goes through one
// of these or the name look-ups of the game data.

#include "engine/search_conditions.h"
#include "game_data/name_lookup.h"

namespace qor {

struct GameData;

// A copy of a slot whose chooser values all lie inside the current choosers:
// ingredient and effect indices beyond the tables become 0 (none), filter
// codes beyond FilterList become 0, price indices beyond CostList become 0,
// and a count mode outside 0..2 becomes 0. For setting the controls; the
// slot itself keeps its raw values.
SearchConditions fitSlotToChoosers(const SearchConditions &slot, const GameData &data);

} // namespace qor
