#pragma once
// Data sets described in memory: turned into GameData directly, or written as
// a data folder (code page 1251, CR LF) that the loader reads. A seeded
// generator makes large valid sets, so that search benchmarks and tests are
// reproducible.

#include "game_data/game_data.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace qor {

struct DataSetEffect {
    QString name;
    double baseCost = 1.0;
    std::uint8_t perkBoost = 0;
    std::uint8_t timeScaled = 0;
    std::uint8_t percent = 0;
    std::uint8_t harmful = 0;
    std::uint8_t effClass = 0;
    QString description; // may hold "<D>" / "<M>" markers
};

struct DataSetSlot {
    std::int32_t effect = 0;
    std::int32_t basePower = 0;
    std::int32_t baseTime = 0;
};

struct DataSetItem {
    QString name;
    QString name2;
    std::int32_t id = 0;
    double weight = 0.1;
    std::int32_t cost = 1;
    std::uint8_t extra = 0;
    std::array<DataSetSlot, kSlotsPerItem> slots{};
};

// Index 0 of effects and items is the placeholder entry.
struct DataSetDescription {
    std::vector<DataSetEffect> effects;
    std::vector<DataSetItem> items;
    std::vector<std::int32_t> costs;
    QStringList filterLines;
};

// The tables as the loader would leave them (names, filter list and groups;
// descriptions are not cut into pieces).
GameData buildGameData(const DataSetDescription &dataSet);

// Writes Cost.txt, Effects.ini, Filter.txt and Items.ini into dir (created if
// needed). Returns an error text on failure.
std::optional<QString> writeDataFolder(const DataSetDescription &dataSet, const QString &dir);

// A valid random data set: itemCount real ingredients with four different
// effects each, effectCount real effects, a price ladder and filter lines.
// Effect frequencies are skewed (some rare, some common) as in real data.
DataSetDescription generateDataSet(std::uint64_t seed, int itemCount, int effectCount);

} // namespace qor
