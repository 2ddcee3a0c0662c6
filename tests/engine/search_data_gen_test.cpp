// The data-set generator and writer: a written folder loads into exactly the
// tables that are built in memory, and the generated data keeps the
// invariants the engine relies on.

#include "common/test_data.h"
#include "engine/effect_strength.h"
#include "game_data/data_loader.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace qor {
namespace {

void expectSameTables(const GameData &built, const GameData &loaded) {
    ASSERT_EQ(built.itemRecordCount(), loaded.itemRecordCount());
    ASSERT_EQ(built.effectRecordCount(), loaded.effectRecordCount());
    EXPECT_EQ(built.ItemNames, loaded.ItemNames);
    EXPECT_EQ(built.ItemNamesUp, loaded.ItemNamesUp);
    EXPECT_EQ(built.ItemNames2, loaded.ItemNames2);
    EXPECT_EQ(built.EffectNames, loaded.EffectNames);
    EXPECT_EQ(built.CostList, loaded.CostList);
    EXPECT_EQ(built.FilterList, loaded.FilterList);
    EXPECT_EQ(built.EffectFilterGroup, loaded.EffectFilterGroup);
    for (int i = 0; i < built.itemRecordCount(); ++i) {
        const TItemRec &a = built.ItemTable[std::size_t(i)];
        const TItemRec &b = loaded.ItemTable[std::size_t(i)];
        EXPECT_EQ(a.ID, b.ID) << i;
        EXPECT_EQ(a.Cost, b.Cost) << i;
        EXPECT_EQ(a.Weight, b.Weight) << i;
        EXPECT_EQ(a.Extra, b.Extra) << i;
        for (int j = 0; j < kSlotsPerItem; ++j) {
            const TItemEffect &x = a.Eff[std::size_t(j)];
            const TItemEffect &y = b.Eff[std::size_t(j)];
            EXPECT_EQ(std::tie(x.Effect, x.BasePower, x.BaseTime),
                      std::tie(y.Effect, y.BasePower, y.BaseTime))
                << "ingredient " << i << " slot " << j;
        }
    }
    for (int e = 0; e < built.effectRecordCount(); ++e) {
        const TEffectRec &a = built.EffectTable[std::size_t(e)];
        const TEffectRec &b = loaded.EffectTable[std::size_t(e)];
        EXPECT_EQ(
            std::tie(a.Harmful, a.BaseCost, a.TimeScaled, a.PerkBoost, a.Percent, a.EffClass, a.DescrKind),
            std::tie(b.Harmful, b.BaseCost, b.TimeScaled, b.PerkBoost, b.Percent, b.EffClass, b.DescrKind))
            << "effect " << e;
        EXPECT_EQ(a.Descr, b.Descr) << "effect " << e;
    }
}

TEST(DataSetGenerator, WrittenFolderLoadsAsBuilt) {
    for (std::uint64_t seed : {1u, 2u}) {
        const DataSetDescription dataSet = generateDataSet(seed, 150, 70);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        ASSERT_FALSE(writeDataFolder(dataSet, dir.path()));
        GameData loaded;
        const auto error = loadGameData(test::withSlash(dir.path()), loaded);
        ASSERT_FALSE(error) << error->toText().toStdString();
        SkillSettings skills;
        skills.AlchemySkill = 60;
        skills.PerkPoisoner = true;
        const GameData built = buildGameData(dataSet);
        expectSameTables(built, loaded);
        EXPECT_EQ(RecalcItemEffects(built, skills), RecalcItemEffects(loaded, skills));
    }
}

TEST(DataSetGenerator, SmallTestSetsLoadAsBuiltToo) {
    std::mt19937_64 rng(4);
    DataSetDescription dataSet = test::randomSmallDataSet(rng, 20, 9);
    dataSet.filterLines.clear(); // an empty Filter.txt reads as one empty line
    QTemporaryDir dir;
    ASSERT_FALSE(writeDataFolder(dataSet, dir.path()));
    GameData loaded;
    ASSERT_FALSE(loadGameData(test::withSlash(dir.path()), loaded));
    const GameData built = test::buildData(dataSet);
    expectSameTables(built, loaded);
    EXPECT_EQ(RecalcItemEffects(built, SkillSettings{}), RecalcItemEffects(loaded, SkillSettings{}));
    EXPECT_EQ(built.FilterList.size(), kFixedFilterCount + 1);
}

TEST(DataSetGenerator, SameSeedSameDataAndValidIngredients) {
    const DataSetDescription a = generateDataSet(7, 400, 60);
    const DataSetDescription b = generateDataSet(7, 400, 60);
    const DataSetDescription c = generateDataSet(8, 400, 60);
    ASSERT_EQ(a.items.size(), 401u);
    ASSERT_EQ(a.effects.size(), 61u);
    bool differs = false;
    std::set<int> used;
    for (std::size_t i = 1; i < a.items.size(); ++i) {
        std::set<int> own;
        for (std::size_t j = 0; j < kSlotsPerItem; ++j) {
            const int e = a.items[i].slots[j].effect;
            EXPECT_EQ(e, b.items[i].slots[j].effect);
            differs = differs || e != c.items[i].slots[j].effect;
            EXPECT_GE(e, 1);
            EXPECT_LE(e, 60);
            own.insert(e);
            used.insert(e);
        }
        EXPECT_EQ(own.size(), std::size_t(kSlotsPerItem)) << "ingredient " << i;
        EXPECT_EQ(a.items[i].name, b.items[i].name);
    }
    EXPECT_TRUE(differs);
    EXPECT_GT(used.size(), 50u);
}

} // namespace
} // namespace qor
