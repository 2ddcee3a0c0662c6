// The search from effects on a small hand-made data set whose every recipe is
// known, and the wanted list built from the conditions.

#include "common/test_data.h"
#include "engine/evaluate_potion.h"
#include "engine/search_from_effects.h"
#include "engine/search_plan.h"

#include <gtest/gtest.h>

#include <memory>

namespace qor {
namespace {

using Items = std::array<std::int32_t, 3>;

// Effects: 1 A, 2 B, 5 E beneficial; 3 C, 4 D harmful; 6.. single fillers.
// Recipes: (2,1) {A}, (3,1) {A,B}, (3,2) {A,C}, (5,4) {D}, (3,2,1) {A,B,C}.
class SearchFromEffectsTest : public ::testing::Test {
  protected:
    static constexpr int A = 1, B = 2, C = 3, D = 4, E = 5;

    void SetUp() override {
        DataSetDescription dataSet = test::emptyDataSet();
        for (int e = 1; e <= 15; ++e)
            test::addEffect(dataSet, test::effect(e == C || e == D, 1.0 + e));
        test::addItem(dataSet, {{A, 5, 0}, {B, 5, 0}, {6, 5, 0}, {7, 5, 0}});
        test::addItem(dataSet, {{A, 6, 0}, {C, 5, 0}, {8, 5, 0}, {9, 5, 0}});
        test::addItem(dataSet, {{A, 7, 0}, {B, 6, 0}, {C, 6, 0}, {10, 5, 0}});
        test::addItem(dataSet, {{D, 5, 0}, {E, 5, 0}, {11, 5, 0}, {12, 5, 0}});
        test::addItem(dataSet, {{D, 6, 0}, {13, 5, 0}, {14, 5, 0}, {15, 5, 0}});
        // Group 0: "Эффект 1" and "Эффект 10".."Эффект 15"; group 1: "Эффект 4".
        dataSet.filterLines = {QStringLiteral("эффект 1"), QStringLiteral("ЭФФЕКТ 4")};
        data = test::buildData(dataSet);
        strengths = RecalcItemEffects(data, SkillSettings{});
        available = test::allAvailable(data);
        cond.ItemsCountMode = 2;
    }

    std::vector<Items> search(bool clearFirst = true) {
        outcome = SearshFromEffects(data, strengths, false, cond, available, clearFirst, *list);
        std::vector<Items> out;
        for (const TPotionRec &rec : list->Potions())
            out.push_back(rec.Items);
        return out;
    }
    void lines(std::initializer_list<std::pair<int, int>> effectAndFilter) {
        cond.WantedEffect = {};
        cond.FilterCode = {};
        int i = 0;
        for (auto [effect, filter] : effectAndFilter) {
            cond.WantedEffect[std::size_t(i)] = effect;
            cond.FilterCode[std::size_t(i)] = filter;
            ++i;
        }
    }

    GameData data;
    EffectStrengths strengths;
    std::vector<std::uint8_t> available;
    SearchConditions cond;
    std::unique_ptr<PotionList> list = std::make_unique<PotionList>();
    EffectSearchOutcome outcome;
};

TEST_F(SearchFromEffectsTest, SingleEffectFindsOnlyOneEffectPotionsWithIt) {
    lines({{A, 0}});
    EXPECT_EQ(search(), (std::vector<Items>{{2, 1, 0}}));
    // The same effect in two lines counts once.
    lines({{A, 0}, {A, 0}});
    EXPECT_EQ(search(), (std::vector<Items>{{2, 1, 0}}));
    // A filter overrides the effect of its line.
    lines({{A, 0}, {B, FilterCode::NoneOrAny}});
    EXPECT_EQ(search(), (std::vector<Items>{{2, 1, 0}, {3, 1, 0}, {3, 2, 0}}));
}

TEST_F(SearchFromEffectsTest, GenericLines) {
    lines({{0, FilterCode::Any}, {0, FilterCode::Any}});
    EXPECT_EQ(search(), (std::vector<Items>{{3, 1, 0}, {3, 2, 0}}));
    lines({{0, FilterCode::NoneOrAny}});
    EXPECT_EQ(search(), (std::vector<Items>{{2, 1, 0}, {5, 4, 0}}));
    lines({{0, FilterCode::NoneOrAny}, {0, FilterCode::NoneOrAny}, {0, FilterCode::NoneOrAny}});
    EXPECT_EQ(search(), (std::vector<Items>{{2, 1, 0}, {3, 1, 0}, {3, 2, 0}, {5, 4, 0}, {3, 2, 1}}));
    // "Любой" and "Нет / Вредный": a one-effect potion is tested only against
    // the harmful line; a two-effect one needs a harmful effect as well.
    lines({{0, FilterCode::Any}, {0, FilterCode::NoneOrHarmful}});
    EXPECT_EQ(search(), (std::vector<Items>{{3, 2, 0}, {5, 4, 0}}));
    lines({{0, FilterCode::Beneficial}, {0, FilterCode::Beneficial}, {0, FilterCode::Harmful}});
    EXPECT_EQ(search(), (std::vector<Items>{{3, 2, 1}}));
}

TEST_F(SearchFromEffectsTest, NamedFilters) {
    lines({{0, FilterCode::FirstNamed + 1}});
    EXPECT_EQ(search(), (std::vector<Items>{{5, 4, 0}}));
    lines({{0, FilterCode::FirstNamed}});
    EXPECT_EQ(search(), (std::vector<Items>{{2, 1, 0}}));
    // A named filter claims its slot before "Любой".
    lines({{0, FilterCode::Any}, {0, FilterCode::FirstNamed}});
    EXPECT_EQ(search(), (std::vector<Items>{{3, 1, 0}, {3, 2, 0}}));
    lines({{0, FilterCode::FirstNamed}, {0, FilterCode::FirstNamed}});
    EXPECT_TRUE(search().empty());
}

TEST_F(SearchFromEffectsTest, CountModes) {
    lines({{A, 0}, {0, FilterCode::NoneOrAny}, {0, FilterCode::NoneOrAny}});
    cond.ItemsCountMode = 0;
    EXPECT_EQ(search(), (std::vector<Items>{{2, 1, 0}, {3, 1, 0}, {3, 2, 0}}));
    cond.ItemsCountMode = 1;
    EXPECT_EQ(search(), (std::vector<Items>{{3, 2, 1}}));
}

TEST_F(SearchFromEffectsTest, NoLinesGiveAnEmptyListWhenClearing) {
    lines({{A, 0}});
    search();
    ASSERT_EQ(list->PotionCount(), 1);
    cond.EffectEnabled[0] = false;
    EXPECT_TRUE(search().empty());
    EXPECT_EQ(outcome.countBefore, 1);
    EXPECT_EQ(outcome.countAfter, 0);
    lines({{0, 0}});
    cond.EffectEnabled[0] = true;
    EXPECT_TRUE(search().empty());
}

TEST_F(SearchFromEffectsTest, AppendingListsEveryRecipeAgain) {
    lines({{0, FilterCode::NoneOrAny}});
    search();
    const std::vector<Items> twice = search(false);
    EXPECT_EQ(twice, (std::vector<Items>{{2, 1, 0}, {5, 4, 0}, {2, 1, 0}, {5, 4, 0}}));
    EXPECT_EQ(outcome.countBefore, 2);
    EXPECT_EQ(outcome.countAfter, 4);
}

TEST_F(SearchFromEffectsTest, SortsTheResultByTheListsCode) {
    lines({{0, FilterCode::NoneOrAny}, {0, FilterCode::NoneOrAny}, {0, FilterCode::NoneOrAny}});
    list->PotionSortCode = -3; // descending by ingredient 1; equal keys reversed
    EXPECT_EQ(search(), (std::vector<Items>{{5, 4, 0}, {3, 2, 1}, {3, 2, 0}, {3, 1, 0}, {2, 1, 0}}));
}

TEST_F(SearchFromEffectsTest, RequiredIngredients) {
    lines({{0, FilterCode::NoneOrAny}, {0, FilterCode::NoneOrAny}, {0, FilterCode::NoneOrAny}});
    cond.RequiredItem1 = 3;
    cond.RequiredItem1Enabled = true;
    const std::vector<Items> with3{{3, 1, 0}, {3, 2, 0}, {3, 2, 1}};
    EXPECT_EQ(search(), with3);
    // Both set to the same ingredient: one required ingredient.
    cond.RequiredItem2 = 3;
    cond.RequiredItem2Enabled = true;
    EXPECT_EQ(search(), with3);
    // The second alone takes the first's place.
    cond.RequiredItem1Enabled = false;
    EXPECT_EQ(search(), with3);
    // Two required ingredients: the pair, then the triples with them.
    cond.RequiredItem1Enabled = true;
    cond.RequiredItem2 = 1;
    EXPECT_EQ(search(), (std::vector<Items>{{3, 1, 0}, {3, 1, 2}}));
    // Not at hand: nothing.
    available[3] = 0;
    EXPECT_TRUE(search().empty());
    // A cleared check box ignores the ingredient.
    cond.RequiredItem1Enabled = false;
    cond.RequiredItem2Enabled = false;
    EXPECT_EQ(search(), (std::vector<Items>{{2, 1, 0}, {5, 4, 0}}));
}

TEST_F(SearchFromEffectsTest, PriceBoundsAreInclusiveAndMayBeReversed) {
    lines({{0, FilterCode::NoneOrAny}, {0, FilterCode::NoneOrAny}, {0, FilterCode::NoneOrAny}});
    TPotionRec p13;
    TPotionRec p23;
    ASSERT_TRUE(EvaluatePotion(data, strengths, false, p13, 3, 1, 0, true));
    ASSERT_TRUE(EvaluatePotion(data, strengths, false, p23, 3, 2, 0, true));
    ASSERT_NE(p13.Cost, p23.Cost);
    data.CostList = {std::max(p13.Cost, p23.Cost), 0, std::min(p13.Cost, p23.Cost)};
    cond.CheckCost = true;
    cond.CostMinIndex = 0; // the larger bound in the "min" chooser
    cond.CostMaxIndex = 2;
    std::vector<Items> expected;
    // Every recipe whose price lies between the two, bounds included.
    for (const Items &items : std::vector<Items>{{2, 1, 0}, {3, 1, 0}, {3, 2, 0}, {5, 4, 0}, {3, 2, 1}}) {
        TPotionRec rec;
        ASSERT_TRUE(EvaluatePotion(data, strengths, false, rec, items[0], items[1], items[2], true));
        if (rec.Cost >= data.CostList[2] && rec.Cost <= data.CostList[0])
            expected.push_back(items);
    }
    ASSERT_GE(expected.size(), 2u);
    EXPECT_EQ(search(), expected);
    // An index outside the price steps (damaged settings) means no price test.
    cond.CostMaxIndex = 3;
    EXPECT_EQ(search().size(), 5u);
    cond.CostMaxIndex = -1;
    EXPECT_EQ(search().size(), 5u);
}

TEST(EffectSearchPlanTest, WantedListOrderDuplicatesAndWindow) {
    const GameData data = test::buildData(test::emptyDataSet());
    SearchConditions cond;
    cond.FilterCode = {FilterCode::Any, 0, FilterCode::NoneOrHarmful, FilterCode::Harmful, 0};
    cond.WantedEffect = {9, 11, 0, 0, 12};
    EffectSearchPlan plan = buildEffectSearchPlan(data, cond);
    EXPECT_EQ(plan.WantedList, (std::array<std::int32_t, 5>{11, 12, -4, -3, -2}));
    EXPECT_EQ(plan.wantedCount, 5);
    EXPECT_EQ(plan.effMin, 4);
    EXPECT_EQ(plan.effMax, 5);

    // Entries moved by one pass end up reversed.
    cond = SearchConditions{};
    cond.FilterCode = {FilterCode::Harmful, FilterCode::Beneficial, 0, 0, 0};
    plan = buildEffectSearchPlan(data, cond);
    EXPECT_EQ(plan.WantedList, (std::array<std::int32_t, 5>{-6, -4, 0, 0, 0}));

    // Repeated effects go, repeated filters stay; disabled lines and gaps close.
    cond = SearchConditions{};
    cond.WantedEffect = {3, 0, 3, 4, 0};
    cond.FilterCode = {0, FilterCode::Any, 0, 0, FilterCode::Any};
    cond.EffectEnabled[3] = false;
    plan = buildEffectSearchPlan(data, cond);
    EXPECT_EQ(plan.WantedList, (std::array<std::int32_t, 5>{3, -2, -2, 0, 0}));
    EXPECT_EQ(plan.wantedCount, 3);
    EXPECT_EQ(plan.effMin, 3);
    EXPECT_EQ(plan.effMax, 3);

    // Only optional lines: at least one effect, one line fewer optional.
    cond = SearchConditions{};
    cond.FilterCode = {FilterCode::NoneOrAny, FilterCode::NoneOrBeneficial, 0, 0, 0};
    plan = buildEffectSearchPlan(data, cond);
    EXPECT_EQ(plan.WantedList, (std::array<std::int32_t, 5>{-5, -1, 0, 0, 0}));
    EXPECT_EQ(plan.effMin, 1);
    EXPECT_EQ(plan.effMax, 2);

    // A disabled optional line does not widen the window.
    cond.EffectEnabled[1] = false;
    cond.WantedEffect[2] = 5;
    plan = buildEffectSearchPlan(data, cond);
    EXPECT_EQ(plan.effMin, 1);
    EXPECT_EQ(plan.effMax, 2);
}

TEST(EffectSearchPlanTest, RequiredIngredientsAndDamagedValues) {
    GameData data = test::buildData(test::emptyDataSet());
    data.CostList = {100, 20};
    SearchConditions cond;
    cond.RequiredItem2 = 7;
    cond.RequiredItem2Enabled = true;
    cond.RequiredItem1 = 4; // not in force
    EffectSearchPlan plan = buildEffectSearchPlan(data, cond);
    EXPECT_EQ(plan.requiredC, 7);
    EXPECT_EQ(plan.requiredB, 0);

    // A negative index names no ingredient and no effect.
    cond.RequiredItem1 = -3;
    cond.RequiredItem1Enabled = true;
    cond.WantedEffect[0] = -2;
    plan = buildEffectSearchPlan(data, cond);
    EXPECT_EQ(plan.requiredC, 7);
    EXPECT_EQ(plan.wantedCount, 0);

    cond.CheckCost = true;
    cond.CostMinIndex = 0;
    cond.CostMaxIndex = 1;
    plan = buildEffectSearchPlan(data, cond);
    EXPECT_TRUE(plan.checkCost);
    EXPECT_EQ(plan.priceMin, 20);
    EXPECT_EQ(plan.priceMax, 100);
    cond.CostMinIndex = 2;
    EXPECT_FALSE(buildEffectSearchPlan(data, cond).checkCost);
}

} // namespace
} // namespace qor
