#pragma once
// The texts quick find and the find dialog compare, per search kind, taken
// from the program state: FindInData's lists without copying them.

#include "input/find_in_data.h"
#include "session/program_state.h"

namespace qor {

// Upper-case entry texts of a kind. The grid compares column GridFindCol of
// each row (weights with the state's DecimalPoint), the recipe list column
// potionFindCol.
// The result refers to state; it is meant for one search.
FindTexts findTextsOf(const ProgramState &state, FindKind kind, int potionFindCol);

// Quick find in the grid's column of Latin second names takes the keys' own
// characters instead of the Cyrillic letters.
bool findKeyOwnCode(FindKind kind, int gridFindCol);

} // namespace qor
