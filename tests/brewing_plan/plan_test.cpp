// The exact plan against brute force on small stocks, the stock limits, the
// greedy baseline and a stock where greedy is provably worse.

#include "brewing_plan/brewing_plan.h"
#include "brewing_plan/plan_run.h"
#include "brewing_plan/plan_solver.h"
#include "common/test_data.h"
#include "engine/evaluate_potion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <random>
#include <thread>

namespace qor {
namespace {

// Every recipe of the stock straight from EvaluatePotion, without the
// pruning of EnumeratePlanRecipes.
std::vector<PlanRecipe> allRecipes(const GameData &data, const EffectStrengths &strengths,
                                   const StockCounts &stock, const PlanOptions &options) {
    std::vector<PlanRecipe> out;
    const int h = data.highestItem();
    TPotionRec rec;
    const auto take = [&](int a, int b, int c) {
        if (stock[a] == 0 || stock[b] == 0 || (c != 0 && stock[c] == 0))
            return;
        if (!EvaluatePotion(data, strengths, false, rec, a, b, c, true))
            return;
        if ((options.kind == PlanKind::Potions && rec.PotionType != 0) ||
            (options.kind == PlanKind::Poisons && rec.PotionType == 0))
            return;
        if (options.wantedEffect != 0 &&
            std::none_of(rec.Effects.begin(), rec.Effects.begin() + rec.EffCount,
                         [&](const TPotionEffect &e) { return e.Effect == options.wantedEffect; }))
            return;
        const std::int64_t v = options.objective == PlanObjective::Price ? rec.Cost : 1;
        if (v > 0)
            out.push_back({rec, v});
    };
    for (int a = 1; a <= h; ++a) {
        for (int b = a + 1; b <= h; ++b) {
            if (options.ItemsCountMode != 1)
                take(a, b, 0);
            for (int c = b + 1; c <= h && options.ItemsCountMode != 0; ++c)
                take(a, b, c);
        }
    }
    return out;
}

// The best total over every plan, by trying every count of every recipe.
std::int64_t bruteForceBest(const std::vector<PlanRecipe> &recipes, std::vector<std::int32_t> &left,
                            std::size_t from = 0) {
    if (from == recipes.size())
        return 0;
    const TPotionRec &rec = recipes[from].rec;
    const std::int32_t most = MaxBrews(rec, left);
    std::int64_t best = 0;
    for (std::int32_t n = 0; n <= most; ++n) {
        for (int k = 0; k < rec.ItemCount; ++k)
            left[rec.Items[k]] -= n;
        best = std::max(best, recipes[from].value * n + bruteForceBest(recipes, left, from + 1));
        for (int k = 0; k < rec.ItemCount; ++k)
            left[rec.Items[k]] += n;
    }
    return best;
}

TEST(BrewingPlan, ExactEqualsBruteForceAndKeepsToTheStock) {
    std::mt19937_64 rng(18);
    const auto solver = CreatePlanSolver();
    int compared = 0;
    for (int round = 0; round < 40; ++round) {
        const int items = 5 + round % 3;
        const GameData data = test::buildData(test::randomSmallDataSet(rng, items, 6));
        const EffectStrengths strengths = RecalcItemEffects(data, SkillSettings{});
        StockCounts stock(std::size_t(data.itemRecordCount()), 0);
        for (int i = 1; i <= items; ++i)
            stock[i] = std::uniform_int_distribution<int>(0, items == 5 ? 3 : 2)(rng);
        PlanOptions options;
        options.ItemsCountMode = round % 3;
        options.kind = static_cast<PlanKind>((round / 3) % 3);
        options.objective = round % 4 == 0 ? PlanObjective::Count : PlanObjective::Price;
        if (round % 5 == 0)
            options.wantedEffect = 1 + round % 6;

        const BrewingPlanOutcome plan =
            ComputeBrewingPlan(data, strengths, false, stock, options, *solver, {});
        std::vector<std::int32_t> left = stock;
        const std::int64_t best = bruteForceBest(allRecipes(data, strengths, stock, options), left);
        SCOPED_TRACE(round);
        EXPECT_EQ(plan.exact.status, PlanSolveStatus::Optimal);
        EXPECT_EQ(plan.exact.plan.total, best);
        EXPECT_EQ(plan.exact.bound, best);
        EXPECT_EQ(PlanTotal(plan.recipes, plan.exact.plan.times), plan.exact.plan.total);
        EXPECT_TRUE(PlanFitsStock(plan.recipes, plan.exact.plan.times, stock));
        EXPECT_TRUE(PlanFitsStock(plan.recipes, plan.greedy.times, stock));
        EXPECT_LE(plan.greedy.total, plan.exact.plan.total);
        EXPECT_GE(PlanBoundByStock(EnumeratePlanColumns(data, strengths, false, stock, options), stock),
                  best);
        compared += best > 0;
    }
    // The random sets must actually hold plans, or the loop proved nothing.
    EXPECT_GT(compared, 20);
}

TEST(BrewingPlan, RecipesComeOnlyFromTheStockAndNoneIsDominated) {
    std::mt19937_64 rng(7);
    const GameData data = test::buildData(test::randomSmallDataSet(rng, 9, 7));
    const EffectStrengths strengths = RecalcItemEffects(data, SkillSettings{});
    StockCounts stock(std::size_t(data.itemRecordCount()), 2);
    stock[0] = 0;
    stock[4] = 0;
    const auto recipes = EnumeratePlanRecipes(data, strengths, false, stock, {});
    ASSERT_FALSE(recipes.empty());
    for (const PlanRecipe &r : recipes) {
        for (int k = 0; k < r.rec.ItemCount; ++k)
            EXPECT_NE(r.rec.Items[k], 4);
        if (r.rec.ItemCount != 3)
            continue;
        // A triple stays only when it is worth more than each of its pairs.
        for (const PlanRecipe &p : recipes) {
            if (p.rec.ItemCount != 2)
                continue;
            const auto &t = r.rec.Items;
            const bool subset = std::find(t.begin(), t.end(), p.rec.Items[0]) != t.end() &&
                                std::find(t.begin(), t.end(), p.rec.Items[1]) != t.end();
            if (subset) {
                EXPECT_GT(r.value, p.value);
            }
        }
    }
    // Pairs only and triples only split the candidates by size.
    PlanOptions pairs;
    pairs.ItemsCountMode = 0;
    for (const PlanRecipe &r : EnumeratePlanRecipes(data, strengths, false, stock, pairs))
        EXPECT_EQ(r.rec.ItemCount, 2);
    PlanOptions triples;
    triples.ItemsCountMode = 1;
    for (const PlanRecipe &r : EnumeratePlanRecipes(data, strengths, false, stock, triples))
        EXPECT_EQ(r.rec.ItemCount, 3);
}

// Four ingredients in pairs: 1+2 is the best recipe (100), but brewing it
// leaves 3 and 4 without partners, while 1+3 and 2+4 (80 each) use all four.
class GreedyTrap : public ::testing::Test {
  protected:
    void SetUp() override {
        DataSetDescription dataSet = test::emptyDataSet();
        for (int e = 1; e <= 6; ++e)
            test::addEffect(dataSet, test::effect(false));
        test::addItem(dataSet, {{1, 5, 0}, {2, 5, 0}, {4, 5, 0}, {5, 5, 0}});
        test::addItem(dataSet, {{1, 5, 0}, {3, 5, 0}, {6, 5, 0}, {0, 0, 0}});
        test::addItem(dataSet, {{2, 5, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}});
        test::addItem(dataSet, {{3, 5, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}});
        m_data = test::buildData(dataSet);
        m_strengths = RecalcItemEffects(m_data, SkillSettings{});
        test::setSlotCost(m_strengths, 1, 0, 100);
        test::setSlotCost(m_strengths, 2, 0, 100);
        test::setSlotCost(m_strengths, 1, 1, 80);
        test::setSlotCost(m_strengths, 3, 0, 80);
        test::setSlotCost(m_strengths, 2, 1, 80);
        test::setSlotCost(m_strengths, 4, 0, 80);
    }
    static PlanOptions pairsOnly() {
        PlanOptions o;
        o.ItemsCountMode = 0;
        return o;
    }
    GameData m_data;
    EffectStrengths m_strengths;
};

TEST_F(GreedyTrap, ExactBeatsGreedyStrictly) {
    const StockCounts stock{0, 3, 3, 3, 3};
    const auto solver = CreatePlanSolver();
    const BrewingPlanOutcome plan =
        ComputeBrewingPlan(m_data, m_strengths, false, stock, pairsOnly(), *solver, {});
    ASSERT_EQ(plan.candidateCount, 3u);
    EXPECT_EQ(plan.greedy.total, 300);
    EXPECT_EQ(plan.exact.plan.total, 480);
    EXPECT_EQ(plan.exact.status, PlanSolveStatus::Optimal);
    EXPECT_DOUBLE_EQ(plan.gainOverGreedy(), 0.6);
    const auto left = PlanLeftOver(plan.recipes, plan.exact.plan.times, stock);
    EXPECT_EQ(left, (std::vector<std::int64_t>{0, 0, 0, 0, 0}));
}

TEST_F(GreedyTrap, CancelledSolveKeepsTheGreedyPlan) {
    const StockCounts stock{0, 3, 3, 3, 3};
    const auto solver = CreatePlanSolver();
    std::atomic<bool> cancel{true};
    PlanSolveControl control;
    control.cancel = &cancel;
    const BrewingPlanOutcome plan =
        ComputeBrewingPlan(m_data, m_strengths, false, stock, pairsOnly(), *solver, control);
    EXPECT_EQ(plan.exact.status, PlanSolveStatus::Cancelled);
    EXPECT_EQ(plan.exact.plan.total, plan.greedy.total);
    EXPECT_GE(plan.exact.bound, 480);
    EXPECT_GT(plan.exact.gap(), 0.0);
}

TEST_F(GreedyTrap, CountObjectiveCountsPotions) {
    const StockCounts stock{0, 2, 1, 1, 5};
    PlanOptions options = pairsOnly();
    options.objective = PlanObjective::Count;
    const auto solver = CreatePlanSolver();
    const BrewingPlanOutcome plan =
        ComputeBrewingPlan(m_data, m_strengths, false, stock, options, *solver, {});
    // 1+3 once, 2+4 once; ingredient 1 has no second partner left.
    EXPECT_EQ(plan.exact.plan.total, 2);
    EXPECT_TRUE(PlanFitsStock(plan.recipes, plan.exact.plan.times, stock));
}

// A stock big enough for several search steps, solved twice: once alone and
// once with every core kept busy. Budgets counted in work give the same plan,
// also when the budget, not the proof, ends the search.
TEST(BrewingPlan, SameAnswerOnABusyMachine) {
    std::mt19937_64 rng(5);
    const GameData data = test::buildData(test::randomSmallDataSet(rng, 40, 9));
    const EffectStrengths strengths = RecalcItemEffects(data, SkillSettings{});
    StockCounts stock(std::size_t(data.itemRecordCount()), 0);
    for (int i = 1; i <= 40; ++i)
        stock[i] = std::uniform_int_distribution<int>(0, 5)(rng);
    PlanSolveControl control;
    control.timeLimitSeconds = 600.0;
    const auto solver = CreatePlanSolver();
    const BrewingPlanOutcome idle = ComputeBrewingPlan(data, strengths, false, stock, {}, *solver, control);
    // A search cut short by its work budget, not by the clock, is as repeatable.
    PlanSolveControl small = control;
    small.workLimitSeconds = 0.02;
    const BrewingPlanOutcome idleSmall =
        ComputeBrewingPlan(data, strengths, false, stock, {}, *solver, small);

    std::atomic<bool> done{false};
    std::vector<std::thread> busy;
    for (unsigned k = 0; k < std::max(2u, std::thread::hardware_concurrency()); ++k)
        busy.emplace_back([&done] {
            volatile std::uint64_t spin = 0;
            while (!done.load(std::memory_order_relaxed))
                spin = spin + 1;
        });
    const BrewingPlanOutcome loaded = ComputeBrewingPlan(data, strengths, false, stock, {}, *solver, control);
    const BrewingPlanOutcome loadedSmall =
        ComputeBrewingPlan(data, strengths, false, stock, {}, *solver, small);
    done = true;
    for (std::thread &t : busy)
        t.join();

    EXPECT_EQ(idle.exact.status, PlanSolveStatus::Optimal);
    EXPECT_EQ(loaded.exact.status, idle.exact.status);
    EXPECT_EQ(loaded.exact.plan.times, idle.exact.plan.times);
    EXPECT_EQ(loaded.exact.bound, idle.exact.bound);
    EXPECT_GT(idle.exact.plan.total, idle.greedy.total); // the search had work to do

    EXPECT_EQ(idleSmall.exact.status, PlanSolveStatus::TimeLimit);
    EXPECT_EQ(loadedSmall.exact.status, idleSmall.exact.status);
    EXPECT_EQ(loadedSmall.exact.plan.times, idleSmall.exact.plan.times);
    EXPECT_EQ(loadedSmall.exact.bound, idleSmall.exact.bound);
    EXPECT_GE(idleSmall.exact.bound, idle.exact.plan.total);
    EXPECT_TRUE(PlanFitsStock(idleSmall.recipes, idleSmall.exact.plan.times, stock));
}

// A cancel that arrives while the solver runs (here: at its first report,
// after the relaxation) ends it with a plan that fits and a true bound; the
// plan and bound reported were published whole before, for a cancel to show
// at once.
TEST(BrewingPlan, CancelDuringTheSearchKeepsTheBestPlanSoFar) {
    std::mt19937_64 rng(5);
    const GameData data = test::buildData(test::randomSmallDataSet(rng, 40, 9));
    const EffectStrengths strengths = RecalcItemEffects(data, SkillSettings{});
    StockCounts stock(std::size_t(data.itemRecordCount()), 3);
    stock[0] = 0;
    std::atomic<bool> cancel{false};
    int reports = 0;
    PlanSolveControl control;
    control.timeLimitSeconds = 600.0;
    control.cancel = &cancel;
    BestPlanSoFar bestSoFar;
    std::shared_ptr<const BrewingPlanOutcome> shownAtReport;
    std::int64_t reportedTotal = 0;
    std::int64_t reportedBound = 0;
    control.progress = [&](std::int64_t total, std::int64_t bound) {
        ++reports;
        cancel = true;
        shownAtReport = bestSoFar.latest();
        reportedTotal = total;
        reportedBound = bound;
    };
    const auto solver = CreatePlanSolver();
    const BrewingPlanOutcome plan =
        ComputeBrewingPlan(data, strengths, false, stock, {}, *solver, control, &bestSoFar);
    EXPECT_EQ(reports, 1);
    ASSERT_NE(shownAtReport, nullptr);
    EXPECT_EQ(shownAtReport->exact.status, PlanSolveStatus::Cancelled);
    EXPECT_EQ(shownAtReport->exact.plan.total, reportedTotal);
    EXPECT_EQ(PlanTotal(shownAtReport->recipes, shownAtReport->exact.plan.times), reportedTotal);
    EXPECT_EQ(shownAtReport->exact.bound, reportedBound);
    EXPECT_EQ(shownAtReport->greedy.total, plan.greedy.total);
    EXPECT_TRUE(PlanFitsStock(shownAtReport->recipes, shownAtReport->exact.plan.times, stock));
    EXPECT_LE(shownAtReport->exact.plan.total, plan.exact.plan.total);
    EXPECT_EQ(plan.exact.status, PlanSolveStatus::Cancelled);
    EXPECT_TRUE(PlanFitsStock(plan.recipes, plan.exact.plan.times, stock));
    EXPECT_GE(plan.exact.plan.total, plan.greedy.total);
    EXPECT_LT(plan.exact.bound, kUnknownPlanBound);

    const auto full =
        ComputeBrewingPlan(data, strengths, false, stock, {}, *solver, {.timeLimitSeconds = 600.0});
    EXPECT_GE(plan.exact.bound, full.exact.plan.total);

    // The enumeration stops too, a few thousand evaluations after asked to.
    int asked = 0;
    const auto cut = EnumeratePlanRecipes(data, strengths, false, stock, {}, [&] { return ++asked == 2; });
    EXPECT_EQ(asked, 2);
    EXPECT_LT(cut.size(), full.candidateCount);
}

// The greedy plan of a list too long to order in one go asks whether to
// stop while it orders and while it brews; stopped, it keeps to the stock
// and holds only what it brewed before the stop.
TEST(BrewingPlan, GreedyPlanStopsWhenAsked) {
    constexpr int kItems = 1000;
    std::mt19937_64 rng(7);
    std::vector<PlanColumn> columns(200000);
    for (PlanColumn &c : columns) {
        const int a = std::uniform_int_distribution<int>(1, kItems - 1)(rng);
        const int b = std::uniform_int_distribution<int>(a + 1, kItems)(rng);
        c = {{a, b, 0}, std::uniform_int_distribution<std::int32_t>(1, 1000000)(rng)};
    }
    const StockCounts stock(kItems + 1, 2);
    const BrewingPlan whole = GreedyPlan(columns, stock);
    int asks = 0;
    EXPECT_EQ(GreedyPlan(columns, stock, [&] { return ++asks < 0; }).times, whole.times);
    ASSERT_GE(asks, 4);

    int asked = 0;
    const BrewingPlan inOrdering = GreedyPlan(columns, stock, [&] { return ++asked == 1; });
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(inOrdering.total, 0);
    EXPECT_TRUE(std::all_of(inOrdering.times.begin(), inOrdering.times.end(), [](int n) { return n == 0; }));

    // The last question comes while brewing: what was brewed stays as it was.
    asked = 0;
    const BrewingPlan inBrewing = GreedyPlan(columns, stock, [&] { return ++asked == asks; });
    EXPECT_EQ(asked, asks);
    EXPECT_GT(inBrewing.total, 0);
    EXPECT_LE(inBrewing.total, whole.total);
    EXPECT_TRUE(PlanFitsStock(columns, inBrewing.times, stock));
    std::size_t changed = 0;
    for (std::size_t r = 0; r < columns.size(); ++r)
        changed += inBrewing.times[r] != 0 && inBrewing.times[r] != whole.times[r];
    EXPECT_EQ(changed, 0u);
    EXPECT_EQ(PlanTotal(columns, inBrewing.times), inBrewing.total);
}

TEST(BrewingPlan, EmptyStockGivesAnEmptyProvenPlan) {
    std::mt19937_64 rng(3);
    const GameData data = test::buildData(test::randomSmallDataSet(rng, 6, 5));
    const EffectStrengths strengths = RecalcItemEffects(data, SkillSettings{});
    const StockCounts stock(std::size_t(data.itemRecordCount()), 0);
    const auto solver = CreatePlanSolver();
    const BrewingPlanOutcome plan = ComputeBrewingPlan(data, strengths, false, stock, {}, *solver, {});
    EXPECT_TRUE(plan.recipes.empty());
    EXPECT_EQ(plan.exact.plan.total, 0);
    EXPECT_EQ(plan.exact.status, PlanSolveStatus::Optimal);
    EXPECT_EQ(plan.gainOverGreedy(), 0.0);
}

} // namespace
} // namespace qor
