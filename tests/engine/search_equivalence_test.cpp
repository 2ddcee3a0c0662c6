// The fast search against the literal enumeration on many random data sets
// and conditions: the same records in the same order, the cap included.

#include "common/random_conditions.h"
#include "common/test_data.h"
#include "engine/effect_strength.h"
#include "engine/literal_search.h"
#include "engine/search_from_effects.h"
#include "game_data/data_loader.h"

#include <QFile>

#include <gtest/gtest.h>

#include <random>

namespace qor {
namespace {

using test::literalSearchFromEffects;
using test::randomConditions;

std::vector<std::uint8_t> randomAvailability(std::mt19937_64 &rng, const GameData &data) {
    std::vector<std::uint8_t> available = test::allAvailable(data);
    const int missing = std::uniform_int_distribution<int>(0, 3)(rng);
    for (std::size_t i = 1; i < available.size(); ++i) {
        if (std::uniform_int_distribution<int>(0, 9)(rng) < missing)
            available[i] = 0;
    }
    // Sometimes the set is shorter than the table (a newer data file).
    if (std::uniform_int_distribution<int>(0, 9)(rng) == 0)
        available.resize(available.size() / 2);
    return available;
}

void expectSameLists(const PotionList &expected, const PotionList &actual, const std::string &context) {
    ASSERT_EQ(expected.PotionCount(), actual.PotionCount()) << context;
    for (int i = 0; i < expected.PotionCount(); ++i)
        ASSERT_EQ(expected[i], actual[i]) << context << " record " << i;
}

TEST(SearchEquivalence, RandomDataAndConditionsGiveTheLiteralResult) {
    PotionList literal;
    PotionList fast;
    EffectSearcher searcher;
    int nonEmpty = 0;
    for (std::uint64_t seed = 1; seed <= 120; ++seed) {
        std::mt19937_64 rng(seed);
        const int items = std::uniform_int_distribution<int>(8, 30)(rng);
        const int effects = std::uniform_int_distribution<int>(6, 20)(rng);
        const DataSetDescription dataSet = test::randomSmallDataSet(rng, items, effects);
        SkillSettings skills;
        skills.AlchemySkill = std::uniform_int_distribution<int>(0, 100)(rng);
        skills.PerkBenefactor = seed % 2 == 0;
        skills.PerkPoisoner = seed % 3 == 0;
        const GameData data = test::buildData(dataSet);
        const EffectStrengths strengths = RecalcItemEffects(data, skills);
        for (int run = 0; run < 40; ++run) {
            const SearchConditions cond = randomConditions(rng, data);
            const std::vector<std::uint8_t> available = randomAvailability(rng, data);
            const bool purity = std::uniform_int_distribution<int>(0, 2)(rng) == 0;
            const bool clearFirst = std::uniform_int_distribution<int>(0, 3)(rng) != 0;
            const std::int32_t sortCode = std::uniform_int_distribution<int>(-25, 25)(rng);
            literal.PotionSortCode = sortCode;
            fast.PotionSortCode = sortCode;
            if (!clearFirst) {
                // Appending: both lists start with the same earlier records.
                literal.clear();
                fast.clear();
                TPotionRec earlier;
                earlier.Items = {1, 2, 0};
                earlier.Cost = run;
                literal.AddPotion(earlier);
                fast.AddPotion(earlier);
            }
            literalSearchFromEffects(data, strengths, purity, cond, available, clearFirst, literal);
            const EffectSearchOutcome outcome =
                searcher.run(data, strengths, purity, cond, available, clearFirst, fast);
            const std::string context = "seed " + std::to_string(seed) + " run " + std::to_string(run);
            expectSameLists(literal, fast, context);
            EXPECT_EQ(outcome.countAfter, fast.PotionCount()) << context;
            if (literal.PotionCount() > (clearFirst ? 0 : 1))
                ++nonEmpty;
            if (::testing::Test::HasFatalFailure())
                return;
        }
    }
    // The random conditions must actually find recipes most of the time, or
    // the comparison proves little.
    EXPECT_GT(nonEmpty, 1000);
}

TEST(SearchEquivalence, GeneratedDataWithManyEffectsUsesTheMultiWordSets) {
    // More than 128 effects: the general effect sets, not the one- or
    // two-word fast paths.
    PotionList literal;
    PotionList fast;
    EffectSearcher searcher;
    const GameData data = buildGameData(generateDataSet(11, 60, 150));
    const EffectStrengths strengths = RecalcItemEffects(data, SkillSettings{});
    std::mt19937_64 rng(5);
    for (int run = 0; run < 60; ++run) {
        const SearchConditions cond = randomConditions(rng, data);
        const std::vector<std::uint8_t> available = randomAvailability(rng, data);
        literalSearchFromEffects(data, strengths, false, cond, available, true, literal);
        searcher.run(data, strengths, false, cond, available, true, fast);
        expectSameLists(literal, fast, "run " + std::to_string(run));
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

TEST(SearchEquivalence, BundledDataGivesTheLiteralResult) {
    const QString dir = QStringLiteral(QOR_SOURCE_DATA_DIR);
    if (!QFile::exists(dir + QStringLiteral("Items.ini")))
        GTEST_SKIP() << "no bundled data";
    GameData data;
    const auto error = loadGameData(dir, data);
    ASSERT_FALSE(error) << error->toText().toStdString();
    SkillSettings skills;
    skills.AlchemySkill = 50;
    skills.PerkBenefactor = true;
    const EffectStrengths strengths = RecalcItemEffects(data, skills);
    const std::vector<std::uint8_t> available = test::allAvailable(data);

    PotionList literal;
    PotionList fast;
    EffectSearcher searcher;
    std::mt19937_64 rng(21);
    SearchConditions generic;
    generic.ItemsCountMode = 2;
    generic.FilterCode = {FilterCode::Any, FilterCode::Any, FilterCode::NoneOrAny, 0, 0};
    std::vector<SearchConditions> conditions{generic};
    for (int run = 0; run < 6; ++run) {
        SearchConditions cond = randomConditions(rng, data);
        cond.ItemsCountMode = 2;
        conditions.push_back(cond);
    }
    int found = 0;
    for (std::size_t k = 0; k < conditions.size(); ++k) {
        for (bool purity : {false, true}) {
            literalSearchFromEffects(data, strengths, purity, conditions[k], available, true, literal);
            searcher.run(data, strengths, purity, conditions[k], available, true, fast);
            expectSameLists(literal, fast, "conditions " + std::to_string(k));
            if (k == 0) {
                EXPECT_GT(literal.PotionCount(), 1000);
            }
            found += literal.PotionCount() > 0 ? 1 : 0;
        }
    }
    EXPECT_GE(found, 4);
}

TEST(SearchEquivalence, CapKeepsTheFirstRecordsOfTheLiteralOrder) {
    // Few effects on many ingredients: far more than 100000 recipes match
    // "Нет / Любой" in every line.
    std::mt19937_64 rng(77);
    DataSetDescription dataSet = test::randomSmallDataSet(rng, 110, 7);
    const GameData data = test::buildData(dataSet);
    const EffectStrengths strengths = RecalcItemEffects(data, SkillSettings{});
    SearchConditions cond;
    cond.ItemsCountMode = 2;
    cond.FilterCode = {1, 1, 1, 1, 1};
    const std::vector<std::uint8_t> available = test::allAvailable(data);

    PotionList literal;
    PotionList fast;
    literalSearchFromEffects(data, strengths, false, cond, available, true, literal);
    ASSERT_TRUE(literal.isFull());
    EffectSearcher searcher;
    searcher.run(data, strengths, false, cond, available, true, fast);
    expectSameLists(literal, fast, "clearing");

    // Appending to an almost full list keeps only the first few new ones.
    literal.clear();
    fast.clear();
    TPotionRec earlier;
    earlier.Items = {3, 4, 0};
    for (int i = 0; i < MaxPotions - 25; ++i) {
        literal.AddPotion(earlier);
        fast.AddPotion(earlier);
    }
    literal.PotionSortCode = 2;
    fast.PotionSortCode = 2;
    literalSearchFromEffects(data, strengths, false, cond, available, false, literal);
    const EffectSearchOutcome outcome = searcher.run(data, strengths, false, cond, available, false, fast);
    EXPECT_EQ(outcome.countBefore, MaxPotions - 25);
    EXPECT_EQ(outcome.countAfter, MaxPotions);
    expectSameLists(literal, fast, "appending");
}

TEST(SearchEquivalence, BrokenTablesGiveSaneRecordsOnly) {
    // Tables the loader would refuse: repeated effects within an ingredient,
    // effect indices outside the table, negative ones. Nothing may be read
    // out of bounds and every recipe must still name real effects.
    std::mt19937_64 rng(99);
    const auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    DataSetDescription dataSet = test::randomSmallDataSet(rng, 25, 8);
    GameData data = test::buildData(dataSet);
    for (int i = 1; i < data.itemRecordCount(); ++i) {
        for (TItemEffect &slot : data.ItemTable[std::size_t(i)].Eff) {
            if (uniform(0, 3) == 0)
                slot.Effect = uniform(-2, data.highestEffect() + 3);
        }
    }
    const std::vector<std::uint8_t> available = test::allAvailable(data);
    const EffectStrengths strengths = RecalcItemEffects(data, SkillSettings{});
    PotionList list;
    EffectSearcher searcher;
    int found = 0;
    for (int run = 0; run < 40; ++run) {
        const SearchConditions cond = randomConditions(rng, data);
        searcher.run(data, strengths, run % 2 == 0, cond, available, true, list);
        found += list.PotionCount();
        for (const TPotionRec &rec : list.Potions()) {
            ASSERT_GE(rec.EffCount, 1);
            ASSERT_LE(rec.EffCount, kMaxPotionEffects);
            for (int k = 0; k < rec.EffCount; ++k) {
                ASSERT_GE(rec.Effects[std::size_t(k)].Effect, 1);
                ASSERT_LE(rec.Effects[std::size_t(k)].Effect, data.highestEffect());
            }
            for (std::int32_t item : rec.Items)
                ASSERT_LE(item, data.highestItem());
        }
    }
    EXPECT_GT(found, 0);
}

} // namespace
} // namespace qor
