#pragma once
// Parsers of the four data files, each from the file's bytes (code page
// 1251). loadGameData reads the files from disk and runs them in order.

#include "game_data/data_loader.h"
#include "game_data/game_data.h"

#include <QByteArrayView>
#include <QStringList>

#include <optional>
#include <vector>

namespace qor {

// Cost.txt: one integer per line; a line that is not an integer gives 0.
std::vector<std::int32_t> parseCostList(QByteArrayView bytes);
// Filter.txt: every line unchanged, an empty file giving one empty line.
QStringList parseFilterLines(QByteArrayView bytes);
// Effects.ini into EffectTable, EffectNames and EffectNamesUp (replaced).
// Errors carry message and line; the caller fills in the file.
std::optional<DataError> parseEffects(QByteArrayView bytes, GameData &data);
// Items.ini into ItemTable, ItemNames, ItemNamesUp and ItemNames2 (replaced).
// Effect indices are checked against 0..highestEffect.
std::optional<DataError> parseItems(QByteArrayView bytes, int highestEffect, GameData &data);
// FilterList (the seven fixed entries, then the lines) and EffectFilterGroup
// (per effect, the last line that is a prefix of its upper-case name, or -1).
void buildFilters(GameData &data, const QStringList &filterLines);

} // namespace qor
