// Odd-set cuts, pricing and the exact solver on abstract packing programs:
// a cut that removes an integer plan, or a solver that trusts one, shows up
// as a total below the true best found by dynamic programming over the
// stock; a candidate the pricing misses shows up as a relaxation below the
// linear program over every candidate.

#include "brewing_plan/brewing_plan.h"
#include "brewing_plan/odd_set_cuts.h"
#include "brewing_plan/plan_pricing.h"
#include "brewing_plan/plan_solver.h"
#include "brewing_plan/solver/plan_relaxation.h"
#include "brewing_plan/triple_set_cuts.h"

#include <CoinPackedVector.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <unordered_map>

namespace qor {
namespace {

struct Packing {
    std::vector<std::vector<std::int32_t>> columnRows;
    std::vector<std::int64_t> stock;
    std::vector<std::int64_t> upper;
    std::vector<std::int64_t> value;
};

Packing randomPacking(std::mt19937_64 &rng, int rows, int columns, int maxStock, int smallest = 2) {
    Packing p;
    for (int i = 0; i < rows; ++i)
        p.stock.push_back(std::uniform_int_distribution<int>(1, maxStock)(rng));
    std::vector<std::int32_t> all(std::size_t(rows), 0);
    for (int i = 0; i < rows; ++i)
        all[std::size_t(i)] = i;
    for (int c = 0; c < columns; ++c) {
        std::shuffle(all.begin(), all.end(), rng);
        const int size = std::uniform_int_distribution<int>(smallest, 3)(rng);
        std::vector<std::int32_t> used(all.begin(), all.begin() + size);
        std::sort(used.begin(), used.end());
        std::int64_t most = maxStock;
        for (std::int32_t i : used)
            most = std::min(most, p.stock[std::size_t(i)]);
        p.columnRows.push_back(used);
        p.upper.push_back(most);
        // Few distinct values, so that ties between plans are common.
        p.value.push_back(std::uniform_int_distribution<int>(1, 12)(rng) * 5);
    }
    return p;
}

// The best Σ weight·x over all integer plans of the packing, by dynamic
// programming over (column, stock left).
std::int64_t bestIntegerPlan(const Packing &p, std::span<const std::int64_t> weight) {
    std::unordered_map<std::uint64_t, std::int64_t> memo;
    std::vector<std::int64_t> left = p.stock;
    std::function<std::int64_t(std::size_t)> best = [&](std::size_t c) -> std::int64_t {
        if (c == p.columnRows.size())
            return 0;
        std::uint64_t key = c;
        for (std::int64_t l : left)
            key = key * 16 + std::uint64_t(l);
        if (const auto at = memo.find(key); at != memo.end())
            return at->second;
        std::int64_t most = p.upper[c];
        for (std::int32_t i : p.columnRows[c])
            most = std::min(most, left[std::size_t(i)]);
        std::int64_t result = std::numeric_limits<std::int64_t>::min();
        for (std::int64_t n = 0; n <= most; ++n) {
            for (std::int32_t i : p.columnRows[c])
                left[std::size_t(i)] -= n;
            result = std::max(result, weight[c] * n + best(c + 1));
            for (std::int32_t i : p.columnRows[c])
                left[std::size_t(i)] += n;
        }
        memo.emplace(key, result);
        return result;
    };
    return best(0);
}

// The packing's columns as candidates: ingredient i + 1 for row i (index 0
// is no ingredient), and the stock to match.
std::vector<PlanColumn> candidatesOf(const Packing &p) {
    std::vector<PlanColumn> out;
    for (std::size_t c = 0; c < p.columnRows.size(); ++c) {
        PlanColumn r;
        for (std::size_t k = 0; k < p.columnRows[c].size(); ++k)
            r.items[k] = p.columnRows[c][k] + 1;
        r.value = std::int32_t(p.value[c]);
        out.push_back(r);
    }
    return out;
}
std::vector<std::int32_t> stockOf(const Packing &p) {
    std::vector<std::int32_t> stock{0};
    stock.insert(stock.end(), p.stock.begin(), p.stock.end());
    return stock;
}

// The cut's coefficients over every column (zero where it has none).
std::vector<std::int64_t> denseCoefficients(const OddSetCut &cut, std::size_t columns) {
    std::vector<std::int64_t> dense(columns, 0);
    for (std::size_t k = 0; k < cut.columns.size(); ++k)
        dense[std::size_t(cut.columns[k])] = std::llround(cut.coefficients[k]);
    return dense;
}

TEST(OddSetCuts, ThreePairsOnOddStocksGiveTheTriangleCut) {
    // Rows 0, 1, 2 with stock 5; pairs 0-1, 0-2, 1-2; a triple 0-1-2 and a
    // pair 2-3 that leaves the set.
    const std::vector<std::vector<std::int32_t>> columns{{0, 1}, {0, 2}, {1, 2}, {0, 1, 2}, {2, 3}};
    OddSetSeparator separator(columns, {5, 5, 5, 5}, {5, 5, 5, 5, 5});
    const std::vector<double> half{2.5, 2.5, 2.5, 0.0, 0.0};
    const auto cuts = separator.separate(half, 10);
    ASSERT_FALSE(cuts.empty());
    const OddSetCut &cut = cuts.front();
    EXPECT_DOUBLE_EQ(cut.violation, 0.5);
    EXPECT_DOUBLE_EQ(cut.rhs, 7.0);
    // Each pair inside counts once, so does the triple; 2-3 has one row inside.
    EXPECT_EQ(denseCoefficients(cut, columns.size()), (std::vector<std::int64_t>{1, 1, 1, 1, 0}));

    // Even stocks: three of each pair is an integer plan, nothing may cut it.
    OddSetSeparator even(columns, {6, 6, 6, 6}, {6, 6, 6, 6, 6});
    EXPECT_TRUE(even.separate(std::vector<double>{3.0, 3.0, 3.0, 0.0, 0.0}, 10).empty());
    // An integer plan is never cut off.
    EXPECT_TRUE(separator.separate(std::vector<double>{2.0, 3.0, 2.0, 0.0, 0.0}, 10).empty());
}

// The Fano plane: seven triples over seven ingredients of one each, every
// two sharing one, every ingredient in three. A third of each fills every
// stock, yet no two fit together; only the set of all seven cuts it (the
// odd sets and the small sets see nothing). Four triples inside four
// ingredients of two each, ⅔ of each, break the four-set's cut.
TEST(TripleSetCuts, CutTheFanoPlaneAndFourTriplesInFourIngredients) {
    const std::vector<std::vector<std::int32_t>> fano{{0, 1, 2}, {0, 3, 4}, {0, 5, 6}, {1, 3, 5},
                                                      {1, 4, 6}, {2, 3, 6}, {2, 4, 5}};
    const std::vector<std::int64_t> ones(7, 1);
    const std::vector<double> third(7, 1.0 / 3.0);
    const auto cuts = TripleSetSeparator(fano, ones).separate(third, 10);
    ASSERT_EQ(cuts.size(), 1u);
    EXPECT_EQ(cuts[0].modulus, 3);
    EXPECT_EQ(cuts[0].rows.size(), 7u);
    EXPECT_DOUBLE_EQ(cuts[0].rhs, 2.0);
    EXPECT_NEAR(cuts[0].violation, 1.0 / 3.0, 1e-12);
    EXPECT_EQ(denseCoefficients(cuts[0], 7), std::vector<std::int64_t>(7, 1));
    // One triple brewed whole and nothing else is a plan: nothing cuts it.
    EXPECT_TRUE(
        TripleSetSeparator(fano, ones).separate(std::vector<double>{1, 0, 0, 0, 0, 0, 0}, 10).empty());

    // Rows 0..3 of two each and a fifth row of plenty; the pair 3-4 and the
    // triple 2-3-4 reach outside the set and do not count.
    const std::vector<std::vector<std::int32_t>> four{{0, 1, 2}, {0, 1, 3}, {0, 2, 3},
                                                      {1, 2, 3}, {3, 4},    {2, 3, 4}};
    const std::vector<std::int64_t> stock{2, 2, 2, 2, 9};
    const auto fourCuts = TripleSetSeparator(four, stock)
                              .separate(std::vector<double>{2. / 3, 2. / 3, 2. / 3, 2. / 3, 0, 0}, 10);
    ASSERT_FALSE(fourCuts.empty());
    EXPECT_EQ(fourCuts[0].rows, (std::vector<std::int32_t>{0, 1, 2, 3}));
    EXPECT_DOUBLE_EQ(fourCuts[0].rhs, 2.0);
    EXPECT_NEAR(fourCuts[0].violation, 2.0 / 3.0, 1e-12);
    EXPECT_EQ(denseCoefficients(fourCuts[0], 6), (std::vector<std::int64_t>{1, 1, 1, 1, 0, 0}));
}

TEST(OddSetCuts, NoCutRemovesAnIntegerPlanAndViolationsAreExact) {
    std::mt19937_64 rng(1812);
    int separated = 0;
    int tripleSeparated = 0;
    for (int round = 0; round < 400; ++round) {
        // Odd rounds: triples only, filled in thirds below.
        const Packing p =
            randomPacking(rng, 5 + round % 3, 7 + round % 5 + 4 * (round % 2), 3, 2 + round % 2);
        OddSetSeparator separator(p.columnRows, p.stock, p.upper);
        const TripleSetSeparator tripleSets(p.columnRows, p.stock);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        SCOPED_TRACE(round);

        // Cuts of random sets, with and without bound rows.
        for (int k = 0; k < 6; ++k) {
            std::vector<std::int32_t> rows;
            for (std::int32_t i = 0; i < std::int32_t(p.stock.size()); ++i) {
                if (unit(rng) < 0.5)
                    rows.push_back(i);
            }
            std::vector<std::int32_t> bounds;
            for (std::int32_t c = 0; c < std::int32_t(p.upper.size()); ++c) {
                if (unit(rng) < 0.2)
                    bounds.push_back(c);
            }
            const OddSetCut cut = separator.cutOf(rows, bounds);
            const auto weight = denseCoefficients(cut, p.columnRows.size());
            EXPECT_LE(bestIntegerPlan(p, weight), std::llround(cut.rhs));
            const OddSetCut tripleCut = tripleSets.cutOf(rows);
            EXPECT_LE(bestIntegerPlan(p, denseCoefficients(tripleCut, p.columnRows.size())),
                      std::llround(tripleCut.rhs));
        }

        // Cuts separated from fractional plans that fill the stock in halves,
        // as the relaxation's vertices often do.
        std::vector<double> x(p.columnRows.size(), 0.0);
        std::vector<double> left(p.stock.begin(), p.stock.end());
        std::vector<std::size_t> order(x.size());
        for (std::size_t c = 0; c < order.size(); ++c)
            order[c] = c;
        const double unitStep = round % 2 == 0 ? 0.5 : 1.0 / 3.0;
        for (int pass = 0; pass < 12; ++pass) {
            std::shuffle(order.begin(), order.end(), rng);
            for (std::size_t c : order) {
                double room = double(p.upper[c]) - x[c];
                for (std::int32_t i : p.columnRows[c])
                    room = std::min(room, left[std::size_t(i)]);
                const double step = std::min(room, unit(rng) < 0.5 ? unitStep : 1.0);
                x[c] += step;
                for (std::int32_t i : p.columnRows[c])
                    left[std::size_t(i)] -= step;
            }
        }
        std::vector<OddSetCut> found = separator.separate(x, 20, 0.01);
        for (OddSetCut &cut : tripleSets.separate(x, 20, 0.01)) {
            found.push_back(std::move(cut));
            ++tripleSeparated;
        }
        for (const OddSetCut &cut : found) {
            const auto weight = denseCoefficients(cut, p.columnRows.size());
            EXPECT_LE(bestIntegerPlan(p, weight), std::llround(cut.rhs));
            double lhs = 0.0;
            for (std::size_t c = 0; c < x.size(); ++c)
                lhs += double(weight[c]) * x[c];
            EXPECT_NEAR(lhs - cut.rhs, cut.violation, 1e-9);
            EXPECT_GT(cut.violation, 0.0);
            ++separated;
        }
    }
    // The fractional plans must actually have been cut, or half the test is idle.
    EXPECT_GT(separated, 15);
    EXPECT_GT(tripleSeparated, 15);
}

TEST(OddSetCuts, ExactSolverMatchesDynamicProgrammingOnOddStocks) {
    std::mt19937_64 rng(74188);
    const auto solver = CreatePlanSolver();
    int beatGreedy = 0;
    int loose = 0;
    for (int round = 0; round < 40; ++round) {
        // Mostly triples: their relaxation stays loose after the cuts. The
        // last rounds have one of each of more ingredients, where every
        // recipe is brewed at most once and the search branches differently.
        const Packing p = round < 30
                              ? randomPacking(rng, 9, 40 + round, 3 + round % 2, round % 3 == 0 ? 2 : 3)
                              : randomPacking(rng, 13, 100 + round, 1, 3);
        const std::vector<PlanColumn> recipes = candidatesOf(p);
        const std::vector<std::int32_t> stock = stockOf(p);
        const BrewingPlan greedy = GreedyPlan(recipes, stock);
        // Progress must never claim more than any plan reaches, nor less as a bound.
        std::int64_t firstBound = -1;
        std::int64_t mostReported = 0;
        std::int64_t leastBound = std::numeric_limits<std::int64_t>::max();
        PlanSolveControl control;
        control.progress = [&](std::int64_t total, std::int64_t bound) {
            if (firstBound < 0)
                firstBound = bound;
            mostReported = std::max(mostReported, total);
            leastBound = std::min(leastBound, bound);
        };
        const PlanSolveResult exact = solver->solve(recipes, stock, greedy, control);
        SCOPED_TRACE(round);
        const std::int64_t best = bestIntegerPlan(p, p.value);
        loose += firstBound > best;
        EXPECT_EQ(exact.status, PlanSolveStatus::Optimal);
        EXPECT_EQ(exact.plan.total, best);
        EXPECT_EQ(exact.bound, best);
        EXPECT_EQ(PlanTotal(recipes, exact.plan.times), best);
        EXPECT_TRUE(PlanFitsStock(recipes, exact.plan.times, stock));
        EXPECT_LE(mostReported, best);
        EXPECT_GE(leastBound, best);
        beatGreedy += best > greedy.total;
    }
    // Instances where greedy is already best would not test the search.
    EXPECT_GT(beatGreedy, 10);
    EXPECT_GT(loose, 4) << "the search below the relaxation's bound went untried";
}

// Reduced values by the pricer against counting every cut's coefficient
// ⌊|r∩S| / 2⌋ (odd sets) or ⌊|r∩S| / 3⌋ (triple sets) directly, with some
// sets holding whole triples.
TEST(PlanPricing, ReducedValuesMatchTheDirectCount) {
    std::mt19937_64 rng(2406);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    int positive = 0;
    int inCutTriples = 0;
    for (int round = 0; round < 30; ++round) {
        const Packing p = randomPacking(rng, 8, 60, 4);
        const auto candidates = candidatesOf(p);
        const auto stock = stockOf(p);
        std::vector<double> itemPrice(stock.size());
        for (double &price : itemPrice)
            price = unit(rng) < 0.3 ? 0.0 : 20.0 * unit(rng);
        // Some rounds with more triple-set cuts than one word of bits holds.
        std::vector<PricedCut> cuts(round % 10 == 9 ? 150 : 4 + round % 4);
        for (PricedCut &cut : cuts) {
            cut.modulus = unit(rng) < 0.5 ? 2 : 3;
            for (std::int32_t i = 1; i < std::int32_t(stock.size()); ++i) {
                if (unit(rng) < 0.5)
                    cut.rows.push_back(i);
            }
            std::shuffle(cut.rows.begin(), cut.rows.end(), rng); // the pricer must not rely on order
            cut.price = unit(rng) < 0.2 ? 0.0 : 15.0 * unit(rng);
        }
        PlanPricer pricer(stock.size());
        pricer.setPrices(itemPrice, cuts);
        SCOPED_TRACE(round);
        for (const PlanColumn &c : candidates) {
            double direct = c.value;
            for (const std::int32_t i : c.ingredients())
                direct -= itemPrice[std::size_t(i)];
            for (const PricedCut &cut : cuts) {
                const auto inside =
                    std::count_if(c.ingredients().begin(), c.ingredients().end(), [&](auto i) {
                        return std::find(cut.rows.begin(), cut.rows.end(), i) != cut.rows.end();
                    });
                direct -= cut.price * double(inside / cut.modulus);
                inCutTriples += inside == 3 && cut.price > 0.0;
            }
            EXPECT_NEAR(pricer.reducedValue(c), direct, 1e-9);
            positive += direct > 1e-6;
        }
    }
    // Both signs and triples wholly inside a set must occur, or the check is idle.
    EXPECT_GT(positive, 200);
    EXPECT_GT(inCutTriples, 100);
}

// Column generation with its cuts reaches the optimum of the linear program
// over every candidate with the same cuts, from a start of few columns.
TEST(PlanPricing, ColumnGenerationReachesTheFullRelaxation) {
    std::mt19937_64 rng(9113);
    int generated = 0;
    int cut = 0;
    for (int round = 0; round < 20; ++round) {
        const Packing p = randomPacking(rng, 10 + round % 5, 150, 3 + round % 3, round % 2 == 0 ? 2 : 3);
        const auto candidates = candidatesOf(p);
        const auto stock = stockOf(p);
        const PlanStopper stopper(PlanSolveControl{.timeLimitSeconds = 600.0});
        PlanRelaxation relaxation(candidates, stock, stopper);
        relaxation.solve(GreedyPlan(candidates, stock));
        SCOPED_TRACE(round);
        ASSERT_TRUE(relaxation.solved());

        // The same program over every candidate at once.
        OsiClpSolverInterface full;
        full.messageHandler()->setLogLevel(0);
        const std::vector<double> noObjective(stock.size(), 0.0);
        std::vector<double> rowUpper(stock.begin(), stock.end());
        for (std::size_t k = 0; k < relaxation.cuts().size(); ++k)
            rowUpper.push_back(relaxation.cuts()[k].rhs);
        const std::vector<double> rowLower(rowUpper.size(), -COIN_DBL_MAX);
        CoinPackedMatrix matrix(true, 0, 0);
        matrix.setDimensions(int(rowUpper.size()), 0);
        std::vector<double> lower;
        std::vector<double> upper;
        std::vector<double> objective;
        std::vector<std::pair<std::int32_t, double>> coefficients;
        for (std::size_t c = 0; c < candidates.size(); ++c) {
            CoinPackedVector column;
            for (const std::int32_t i : candidates[c].ingredients())
                column.insert(i, 1.0);
            coefficients.clear();
            relaxation.cuts().coefficientsOf(std::uint32_t(c), candidates[c], coefficients);
            for (const auto &[k, a] : coefficients)
                column.insert(int(stock.size()) + k, a);
            matrix.appendCol(column);
            lower.push_back(0.0);
            upper.push_back(MaxBrews(candidates[c].ingredients(), stock));
            objective.push_back(-double(candidates[c].value));
        }
        full.loadProblem(matrix, lower.data(), upper.data(), objective.data(), rowLower.data(),
                         rowUpper.data());
        full.initialSolve();
        ASSERT_TRUE(full.isProvenOptimal());
        EXPECT_NEAR(relaxation.bound(), -full.getObjValue(), 1e-6);
        generated += relaxation.columnsInPlay() < candidates.size();
        cut += relaxation.cuts().size() > 0;
    }
    EXPECT_GT(generated, 15) << "every candidate joined: the pricing went untried";
    EXPECT_GT(cut, 5);
}

} // namespace
} // namespace qor
