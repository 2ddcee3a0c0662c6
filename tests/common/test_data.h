#pragma once
// Helpers shared by the tests: small data sets built in memory or written to a
// temporary data folder for loader- and CLI-based tests.

#include "engine/effect_strength.h"
#include "game_data/game_data.h"
#include "gen_data/search_data_gen.h"

#include <QString>

#include <cstdint>
#include <initializer_list>
#include <random>

namespace qor::test {

// An effect with the given flags; the name defaults to "Эффект <n>" once added.
DataSetEffect effect(bool harmful, double baseCost = 1.0, std::uint8_t effClass = 0,
                     std::uint8_t timeScaled = 0, std::uint8_t perkBoost = 0);

// Starts a data set with the placeholder effect and ingredient in place.
DataSetDescription emptyDataSet();

// Appends an effect and returns its index; an empty name becomes "Эффект <index>".
int addEffect(DataSetDescription &dataSet, DataSetEffect e);

// Appends an ingredient with four slots (effect, base power, base time) and
// returns its index; an empty name becomes "Ингредиент <index>".
int addItem(DataSetDescription &dataSet, std::initializer_list<DataSetSlot> slots, const QString &name = {});

// Builds the tables as the loader would.
GameData buildData(const DataSetDescription &dataSet);

// Sets the price of one slot (0-based slot) of an ingredient in the strengths
// directly, for evaluation tests that need exact prices; plain price as given
// or equal.
void setSlotCost(EffectStrengths &strengths, int item, int slot, std::int32_t cost,
                 std::int32_t costPlain = -1);

// A random valid small data set for equivalence tests: items real ingredients,
// effects real effects, random flags, a few filter lines and price steps.
DataSetDescription randomSmallDataSet(std::mt19937_64 &rng, int items, int effects);

// Availability with every ingredient index at hand (index 0 unused).
std::vector<std::uint8_t> allAvailable(const GameData &data);

// dir with a trailing "/", as the loader expects its data folder.
QString withSlash(const QString &dir);

} // namespace qor::test
