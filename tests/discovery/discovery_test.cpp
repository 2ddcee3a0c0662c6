// The reveal rule against its plain definition, and the experiment plans
// against every smaller or other plan on small random data.

#include "common/test_data.h"
#include "discovery/cover_cuts.h"
#include "discovery/discovery_plan.h"
#include "discovery/recipe_teaching.h"
#include "discovery/solver/cover_neighbourhood.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <numeric>
#include <random>
#include <set>

using namespace qor;

namespace {

bool validEffect(const GameData &data, std::int32_t e) {
    return e > 0 && e <= data.highestEffect();
}

// What the mix teaches by the definition: the effects that at least two of
// its ingredients have, the first five in the order the slots are read, shown
// to every ingredient that has them.
BrewReveal definedReveal(const GameData &data, std::array<int, 3> mix) {
    std::vector<int> items;
    for (const int i : mix) {
        if (i != 0 && std::find(items.begin(), items.end(), i) == items.end())
            items.push_back(i);
    }
    BrewReveal out;
    if (items.size() < 2)
        return out;
    std::vector<std::int32_t> shared;
    for (std::size_t p = 0; p < items.size(); ++p) {
        for (const TItemEffect &slot : data.ItemTable[items[p]].Eff) {
            if (!validEffect(data, slot.Effect) || std::count(shared.begin(), shared.end(), slot.Effect) > 0)
                continue;
            for (std::size_t q = p + 1; q < items.size(); ++q) {
                const auto &eff = data.ItemTable[items[q]].Eff;
                if (std::any_of(eff.begin(), eff.end(),
                                [&](const TItemEffect &t) { return t.Effect == slot.Effect; }))
                    shared.push_back(slot.Effect);
            }
        }
    }
    shared.erase(std::unique(shared.begin(), shared.end()), shared.end());
    if (shared.size() > kMaxPotionEffects)
        shared.resize(kMaxPotionEffects);
    if (shared.empty())
        return out;
    for (std::size_t p = 0; p < items.size(); ++p) {
        out.items[p] = items[p];
        for (int s = 0; s < kSlotsPerItem; ++s) {
            const std::int32_t e = data.ItemTable[items[p]].Eff[s].Effect;
            if (validEffect(data, e) && std::count(shared.begin(), shared.end(), e) > 0)
                out.slots[p] |= std::uint8_t(1u << s);
        }
    }
    return out;
}

} // namespace

TEST(Reveal, BrewsTeachWhatTheDefinitionSaysAndEatingTheFirstSlot) {
    std::mt19937_64 rng(26);
    int teaching = 0;
    for (int round = 0; round < 30; ++round) {
        const int items = 6 + round % 3;
        const GameData data = test::buildData(test::randomSmallDataSet(rng, items, 5 + round % 4));
        const EffectStrengths strengths = RecalcItemEffects(data, SkillSettings{});
        for (int a = 0; a <= items; ++a) {
            EXPECT_EQ(revealOfEating(data, a), a == 0 ? 0 : filledSlots(data, a) & 1u);
            for (int b = 0; b <= items; ++b) {
                for (int c = 0; c <= items; ++c) {
                    const BrewReveal got = revealOfBrew(data, strengths, a, b, c);
                    const BrewReveal want = definedReveal(data, {a, b, c});
                    ASSERT_EQ(got.slots, want.slots) << a << ' ' << b << ' ' << c;
                    if (got.any()) {
                        ASSERT_EQ(got.items, want.items);
                    }
                    teaching += got.any();
                }
            }
        }
    }
    EXPECT_GT(teaching, 1000);
}

// The effects a recipe marks in the strip: those the definition shows to an
// ingredient that does not know them yet; none once everything is known.
TEST(Reveal, ARecipeTeachesTheEffectsThatShowAnUnknownSlot) {
    std::mt19937_64 rng(27);
    int partly = 0; // mixes where some effects teach and others do not
    for (int round = 0; round < 10; ++round) {
        const int items = 7;
        const GameData data = test::buildData(test::randomSmallDataSet(rng, items, 5 + round % 3));
        const EffectStrengths strengths = RecalcItemEffects(data, SkillSettings{});
        KnownEffects known = KnownEffects::empty(data.itemRecordCount());
        for (int i = 1; i <= items; ++i)
            known.learn(i, std::uint8_t(rng() & filledSlots(data, i)));
        KnownEffects all = known;
        markAllKnown(data, all);
        for (int a = 1; a <= items; ++a) {
            for (int b = a + 1; b <= items; ++b) {
                for (int c = 0; c <= items; ++c) {
                    const BrewReveal defined = definedReveal(data, {a, b, c});
                    std::vector<std::int32_t> want, shown;
                    for (std::size_t p = 0; p < 3; ++p) {
                        for (int s = 0; s < kSlotsPerItem; ++s) {
                            if ((defined.slots[p] & (1u << s)) == 0)
                                continue;
                            const std::int32_t e = data.ItemTable[defined.items[p]].Eff[s].Effect;
                            shown.push_back(e);
                            if (!known.isKnown(defined.items[p], s))
                                want.push_back(e);
                        }
                    }
                    const TeachingEffects got = teachingEffects(data, strengths, known, a, b, c);
                    std::vector<std::int32_t> have(got.effects.begin(), got.effects.begin() + got.count);
                    std::sort(want.begin(), want.end());
                    want.erase(std::unique(want.begin(), want.end()), want.end());
                    std::sort(have.begin(), have.end());
                    ASSERT_EQ(have, want) << a << ' ' << b << ' ' << c;
                    for (const std::int32_t e : shown)
                        EXPECT_EQ(got.contains(e), std::count(want.begin(), want.end(), e) > 0);
                    partly += !want.empty() && std::any_of(shown.begin(), shown.end(),
                                                           [&](std::int32_t e) { return !got.contains(e); });
                    ASSERT_EQ(teachingEffects(data, strengths, all, a, b, c).count, 0);
                }
            }
        }
    }
    EXPECT_GT(partly, 20);
}

namespace {

// Everything a brute force needs of one step: the elements it shows as bits
// (4 per ingredient) and the ingredients it uses.
struct Move {
    std::uint32_t shows = 0;
    std::array<std::int32_t, 3> uses{};
    bool brew = true;
};

std::vector<Move> allMoves(const GameData &data, const EffectStrengths &strengths, const KnownEffects &known,
                           const DiscoveryOptions &o) {
    std::vector<Move> moves;
    const int h = data.highestItem();
    auto bitsOf = [&](int item, std::uint8_t slots) {
        return std::uint32_t(slots & ~known.slots[item]) << (4 * (item - 1));
    };
    for (int a = 1; a <= h; ++a) {
        if (o.eating && (o.stock == nullptr || (*o.stock)[a] > 0))
            moves.push_back({bitsOf(a, revealOfEating(data, a)), {a, 0, 0}, false});
        for (int b = a + 1; b <= h; ++b) {
            for (int c = b; c <= h; ++c) {
                const BrewReveal r = revealOfBrew(data, strengths, a, b, c == b ? 0 : c);
                Move m;
                m.uses = r.items;
                for (int k = 0; k < 3; ++k)
                    m.shows |= r.items[k] != 0 ? bitsOf(r.items[k], r.slots[k]) : 0;
                if (m.shows != 0)
                    moves.push_back(m);
            }
        }
    }
    return moves;
}

// The best (covered, −steps) over every subset of the moves that fits.
std::pair<int, int> bruteForceBest(const std::vector<Move> &moves, const DiscoveryOptions &o, int items) {
    std::pair<int, int> best{0, 0};
    const std::uint32_t subsets = 1u << moves.size();
    for (std::uint32_t set = 1; set < subsets; ++set) {
        std::uint32_t shows = 0;
        int brews = 0;
        std::array<int, 8> used{};
        for (std::uint32_t rest = set; rest != 0; rest &= rest - 1) {
            const Move &m = moves[std::size_t(std::countr_zero(rest))];
            shows |= m.shows;
            brews += m.brew;
            for (const std::int32_t i : m.uses)
                used[std::size_t(i)] += i != 0;
        }
        if (o.maxBrews >= 0 && brews > o.maxBrews)
            continue;
        bool fits = true;
        for (int i = 1; o.stock != nullptr && i <= items; ++i)
            fits = fits && used[std::size_t(i)] <= (*o.stock)[std::size_t(i)];
        const std::pair<int, int> score{std::popcount(shows), -std::popcount(set)};
        if (fits && score > best)
            best = score;
    }
    return best;
}

} // namespace

TEST(DiscoveryPlan, NoOtherPlanShowsMoreOrAsMuchWithFewerSteps) {
    std::mt19937_64 rng(7);
    const auto solver = CreateCoverSolver();
    int nonTrivial = 0;
    for (int round = 0; round < 40; ++round) {
        const int items = round % 4 == 0 ? 4 : 5;
        const GameData data = test::buildData(test::randomSmallDataSet(rng, items, 4 + round % 3));
        const EffectStrengths strengths = RecalcItemEffects(data, SkillSettings{});
        KnownEffects known = KnownEffects::empty(data.itemRecordCount());
        for (int i = 1; i <= items; ++i)
            known.slots[i] = std::uint8_t(rng() & rng() & 0xf);
        StockCounts stock(std::size_t(data.itemRecordCount()), 0);
        for (int i = 1; i <= items; ++i)
            stock[i] = std::uniform_int_distribution<int>(0, 2)(rng);
        DiscoveryOptions o;
        o.eating = items == 4;
        o.stock = round % 2 == 1 ? &stock : nullptr;
        o.maxBrews = round % 3 == 2 ? 1 + round % 2 : -1;

        const DiscoveryPlan plan = PlanDiscovery(data, strengths, known, o, *solver, {});
        SCOPED_TRACE(round);
        ASSERT_EQ(plan.status, PlanSolveStatus::Optimal);
        const std::pair<int, int> best = bruteForceBest(allMoves(data, strengths, known, o), o, items);
        EXPECT_EQ(plan.revealedCount, best.first);
        EXPECT_EQ(-int(plan.steps.size()), best.second);
        nonTrivial += plan.steps.size() > 1;

        // Every claim holds when the steps are taken, within the stock and the limit.
        KnownEffects learnt = known;
        std::vector<int> used(stock.size(), 0);
        for (const DiscoveryStep &s : plan.steps) {
            const BrewReveal r = s.eat ? BrewReveal{s.items, {revealOfEating(data, s.items[0]), 0, 0}}
                                       : revealOfBrew(data, strengths, s.items[0], s.items[1], s.items[2]);
            for (int k = 0; k < 3; ++k) {
                EXPECT_EQ(s.fresh[k], r.slots[k] & ~learnt.slots[std::size_t(s.items[k])]);
                used[std::size_t(s.items[k])] += s.items[k] != 0;
            }
            applyStep(s, learnt);
        }
        for (int i = 1; o.stock != nullptr && i <= items; ++i)
            EXPECT_LE(used[std::size_t(i)], stock[std::size_t(i)]);
        EXPECT_TRUE(o.maxBrews < 0 || plan.brews <= o.maxBrews);
        // Unlimited, the plan shows everything but what no step can.
        if (o.stock == nullptr && o.maxBrews < 0) {
            EXPECT_EQ(plan.revealedCount, plan.revealableCount);
        }
        EXPECT_EQ(plan.unknownCount - plan.revealableCount, int(plan.unrevealable.size()));
        for (const EffectSlot &u : plan.unrevealable)
            EXPECT_FALSE(learnt.isKnown(u.item, u.slot));
    }
    EXPECT_GT(nonTrivial, 10);
}

TEST(DiscoveryPlan, BestExperimentsComeFirstAndAnEffectOfOneIngredientIsUnrevealable) {
    DataSetDescription set = test::emptyDataSet();
    const int shared = test::addEffect(set, test::effect(false));
    const int other = test::addEffect(set, test::effect(false));
    const int lonely = test::addEffect(set, test::effect(false));
    const int a = test::addItem(set, {{lonely, 1, 1}, {shared, 1, 1}, {other, 1, 1}});
    const int b = test::addItem(set, {{shared, 1, 1}, {other, 1, 1}});
    const int c = test::addItem(set, {{shared, 1, 1}});
    const GameData data = test::buildData(set);
    const EffectStrengths strengths = RecalcItemEffects(data, SkillSettings{});
    const KnownEffects known = KnownEffects::empty(data.itemRecordCount());

    const std::vector<DiscoveryStep> best = BestExperiments(data, strengths, known, {}, 2);
    ASSERT_EQ(best.size(), 2u);
    EXPECT_EQ(best[0].items, (std::array<std::int32_t, 3>{a, b, c}));
    EXPECT_EQ(best[0].freshCount(), 5);
    EXPECT_EQ(best[1].items, (std::array<std::int32_t, 3>{a, b, 0}));

    const std::vector<EffectSlot> never =
        unrevealableSlots(data, known, discoverySteps(data, strengths, known, {}));
    EXPECT_EQ(never, (std::vector<EffectSlot>{{a, 0}}));
    DiscoveryOptions eating;
    eating.eating = true;
    EXPECT_TRUE(unrevealableSlots(data, known, discoverySteps(data, strengths, known, eating)).empty());

    // Asked to stop, the listing ends where it stood: the first pair and
    // its triple, not the second pair.
    int asked = 0;
    const auto firstPairOnly = discoverySteps(data, strengths, known, {}, [&] { return ++asked > 1; });
    EXPECT_EQ(asked, 2);
    ASSERT_EQ(firstPairOnly.size(), 2u);
    EXPECT_EQ(firstPairOnly[1].items, (std::array<std::int32_t, 3>{a, b, c}));
    EXPECT_TRUE(BestExperiments(data, strengths, known, {}, 2, [] { return true; }).empty());
}

namespace {

// The covering problem of the moves, with each element's effect and
// ingredient (4 slots per ingredient, as the moves number them).
CoverProblem problemOf(const GameData &data, const std::vector<Move> &moves) {
    CoverProblem p;
    p.elementCount = data.highestItem() * kSlotsPerItem;
    for (int e = 0; e < p.elementCount; ++e) {
        p.itemOf.push_back(1 + e / kSlotsPerItem);
        p.effectOf.push_back(
            data.ItemTable[std::size_t(1 + e / kSlotsPerItem)].Eff[std::size_t(e % kSlotsPerItem)].Effect);
    }
    for (const Move &m : moves) {
        std::vector<std::int32_t> shown;
        for (int e = 0; e < p.elementCount; ++e) {
            if ((m.shows >> e) & 1u)
                shown.push_back(e);
        }
        p.addColumn({m.uses, m.brew}, shown);
    }
    return p;
}

} // namespace

TEST(CoverCuts, EveryCutHoldsForEveryPlanThatShowsAllAndHalfBrewsBreakOne) {
    std::mt19937_64 rng(11);
    int cutsChecked = 0;
    int brewItemCuts = 0; // over all slots of a brew's three ingredients
    for (int round = 0; round < 40; ++round) {
        const int items = 4;
        const GameData data = test::buildData(test::randomSmallDataSet(rng, items, 4 + round % 3));
        const KnownEffects known = KnownEffects::empty(data.itemRecordCount());
        const std::vector<Move> moves = allMoves(data, RecalcItemEffects(data, SkillSettings{}), known, {});
        if (moves.empty() || moves.size() > 16)
            continue;
        const CoverProblem p = problemOf(data, moves);
        std::uint32_t all = 0;
        for (const Move &m : moves)
            all |= m.shows;
        // Every column at next to nothing: a point that breaks every cut.
        std::vector<int> columns(moves.size());
        std::iota(columns.begin(), columns.end(), 0);
        const std::vector<double> little(moves.size(), 0.01);
        const CoverCutPool pool(p);
        for (const CoverCut &cut : pool.separate(columns, little, 100)) {
            ++cutsChecked;
            std::set<std::int32_t> items;
            for (const std::int32_t e : cut.elements)
                items.insert(p.itemOf[std::size_t(e)]);
            brewItemCuts += items.size() == 3 ? 1 : 0;
            std::uint32_t cutMask = 0;
            for (const std::int32_t e : cut.elements)
                cutMask |= 1u << e;
            for (std::uint32_t set = 1; set < (1u << moves.size()); ++set) {
                std::uint32_t shows = 0;
                int lhs = 0;
                for (std::uint32_t rest = set; rest != 0; rest &= rest - 1) {
                    const std::uint32_t m = moves[std::size_t(std::countr_zero(rest))].shows;
                    shows |= m;
                    lhs += cut.coefficient(std::popcount(m & cutMask));
                }
                if (shows == all) {
                    ASSERT_GE(lhs, cut.rhs) << "round " << round << " plan " << set;
                }
            }
        }
    }
    EXPECT_GT(cutsChecked, 50);
    EXPECT_GT(brewItemCuts, 5);

    // Three ingredients sharing an effect, each pair also sharing one of its
    // own: the three pairs at half a brew show everything at 1.5 brews; a
    // whole plan needs two brews, or the brew of all three counted twice.
    DataSetDescription set = test::emptyDataSet();
    const int shared = test::addEffect(set, test::effect(false));
    const int ab = test::addEffect(set, test::effect(false));
    const int bc = test::addEffect(set, test::effect(false));
    const int ca = test::addEffect(set, test::effect(false));
    test::addItem(set, {{shared, 1, 1}, {ab, 1, 1}, {ca, 1, 1}});
    test::addItem(set, {{shared, 1, 1}, {ab, 1, 1}, {bc, 1, 1}});
    test::addItem(set, {{shared, 1, 1}, {bc, 1, 1}, {ca, 1, 1}});
    const GameData data = test::buildData(set);
    const std::vector<Move> moves = allMoves(data, RecalcItemEffects(data, SkillSettings{}),
                                             KnownEffects::empty(data.itemRecordCount()), {});
    const CoverProblem p = problemOf(data, moves);
    std::vector<int> pairs;
    for (int j = 0; j < p.columnCount(); ++j) {
        if (p.columns[std::size_t(j)].uses[2] == 0)
            pairs.push_back(j);
    }
    ASSERT_EQ(pairs.size(), 3u);
    const std::vector<CoverCut> cuts = CoverCutPool(p).separate(pairs, std::vector<double>(3, 0.5), 10);
    ASSERT_FALSE(cuts.empty());
    EXPECT_EQ(cuts[0].rhs, 2);
    EXPECT_TRUE(cuts[0].doubleFull);
}

TEST(CoverNeighbourhoods, ABetterPlanShowsAtLeastAsMuchAndFitsTheStockAndTheBrewLimit) {
    std::mt19937_64 rng(19);
    int improved = 0;
    int showMore = 0;
    int reachedBest = 0;
    for (int round = 0; round < 40; ++round) {
        const int items = 5;
        const GameData data = test::buildData(test::randomSmallDataSet(rng, items, 4 + round % 3));
        const KnownEffects known = KnownEffects::empty(data.itemRecordCount());
        StockCounts stock(std::size_t(data.itemRecordCount()), 0);
        for (int i = 1; i <= items; ++i)
            stock[std::size_t(i)] = std::uniform_int_distribution<int>(1, 3)(rng);
        DiscoveryOptions o;
        o.stock = round % 2 == 1 ? &stock : nullptr;
        o.maxBrews = round % 3 == 2 ? 2 : -1;
        const std::vector<Move> moves = allMoves(data, RecalcItemEffects(data, SkillSettings{}), known, o);
        if (moves.empty() || moves.size() > 20)
            continue;
        CoverProblem p = problemOf(data, moves);
        if (o.stock != nullptr)
            p.stock = stock;
        p.maxBrews = o.maxBrews;
        // A poor start: the pairs before the triples, each while it fits.
        std::vector<int> order(std::size_t(p.columnCount()));
        std::iota(order.begin(), order.end(), 0);
        std::stable_partition(order.begin(), order.end(),
                              [&](int j) { return p.columns[std::size_t(j)].uses[2] == 0; });
        std::vector<int> plan;
        for (const int j : order) {
            plan.push_back(j);
            if (!p.fits(plan))
                plan.pop_back();
        }
        dropRedundant(p, plan);
        const std::int64_t before = coverScore(p, plan);
        const PlanStopper stopper(PlanSolveControl{});
        SearchWork work(1e12);
        SCOPED_TRACE(round);
        const int shownBefore = p.coveredCount(plan);
        const bool better = improveByNeighbourhoods(p, plan, stopper, work);
        EXPECT_EQ(better, coverScore(p, plan) > before);
        EXPECT_GE(coverScore(p, plan), before);
        EXPECT_TRUE(p.fits(plan));
        improved += better;
        showMore += p.coveredCount(plan) > shownBefore;
        const std::pair<int, int> best = bruteForceBest(moves, o, items);
        reachedBest += std::pair(p.coveredCount(plan), -int(plan.size())) == best;
    }
    // A plan this small is mostly one neighbourhood: it ends at the best
    // plan (two brews that share no ingredient are two).
    EXPECT_GT(improved, 25);
    EXPECT_GT(showMore, 8);
    EXPECT_GT(reachedBest, 30);
}

TEST(DiscoveryPlan, AWorkBudgetStopsTheSearchAtTheSamePlanWhateverTheTimeLimit) {
    std::mt19937_64 rng(3);
    const GameData data = test::buildData(test::randomSmallDataSet(rng, 16, 12));
    const EffectStrengths strengths = RecalcItemEffects(data, SkillSettings{});
    const KnownEffects known = KnownEffects::empty(data.itemRecordCount());
    const auto solver = CreateCoverSolver();
    std::vector<DiscoveryPlan> plans;
    for (const double seconds : {600.0, 3600.0, 600.0}) {
        PlanSolveControl control;
        control.timeLimitSeconds = seconds;
        control.workLimitSeconds = 0.004;
        plans.push_back(PlanDiscovery(data, strengths, known, {}, *solver, control));
    }
    ASSERT_EQ(plans[0].status, PlanSolveStatus::TimeLimit);
    for (const DiscoveryPlan &plan : plans) {
        EXPECT_EQ(plan.status, plans[0].status);
        EXPECT_EQ(plan.steps, plans[0].steps);
        EXPECT_EQ(plan.lowerBound, plans[0].lowerBound);
    }
    // With the work to finish, the same problem is solved to the end.
    PlanSolveControl ample;
    ample.timeLimitSeconds = 600.0;
    const DiscoveryPlan solved = PlanDiscovery(data, strengths, known, {}, *solver, ample);
    EXPECT_EQ(solved.status, PlanSolveStatus::Optimal);
    EXPECT_EQ(int(solved.steps.size()), solved.lowerBound);
    EXPECT_LE(solved.steps.size(), plans[0].steps.size());
}
