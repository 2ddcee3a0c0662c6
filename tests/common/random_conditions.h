#pragma once
// Random search conditions for the equivalence tests: wanted effects, filters,
// disabled lines, count modes, required ingredients and price ranges, now and
// then with the out-of-range values a damaged settings file can hold.

#include "engine/search_conditions.h"
#include "game_data/game_data.h"

#include <random>

namespace qor::test {

SearchConditions randomConditions(std::mt19937_64 &rng, const GameData &data);

} // namespace qor::test
