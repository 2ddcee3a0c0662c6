#pragma once
// Guarded look-ups into the game tables for indices that come from outside
// the loaded data (Main.ini, favourites, saved searches): a file written for a
// larger data set or a damaged one must never index past a table.

#include <QString>

#include <cstdint>
#include <optional>

namespace qor {

struct GameData;

// The name of an ingredient / effect index, "-" beyond the table.
QString itemNameOrDash(const GameData &data, std::int32_t item);
QString effectNameOrDash(const GameData &data, std::int32_t effect);

// The price of a price-step index; none beyond CostList (no price test).
std::optional<std::int32_t> costBound(const GameData &data, std::int32_t index);

} // namespace qor
