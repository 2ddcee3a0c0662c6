#include "discovery/discovery_plan.h"

#include <algorithm>
#include <bit>

namespace qor {

namespace {

bool inStock(const DiscoveryOptions &options, int item) {
    return options.stock == nullptr ||
           (std::size_t(item) < options.stock->size() && (*options.stock)[std::size_t(item)] > 0);
}

// Unknown part of a reveal.
DiscoveryStep freshPart(const KnownEffects &known, const BrewReveal &reveal) {
    DiscoveryStep step;
    step.items = reveal.items;
    for (std::size_t k = 0; k < 3; ++k) {
        const int item = reveal.items[k];
        const std::uint8_t knownSlots =
            item > 0 && std::size_t(item) < known.slots.size() ? known.slots[std::size_t(item)] : 0;
        step.fresh[k] = reveal.slots[k] & std::uint8_t(~knownSlots);
    }
    return step;
}

int itemCount(const DiscoveryStep &s) {
    return int(std::count_if(s.items.begin(), s.items.end(), [](std::int32_t i) { return i != 0; }));
}

// Element number of an ingredient's slot.
int elementOf(int item, int slot) {
    return (item - 1) * kSlotsPerItem + slot;
}

} // namespace

int DiscoveryStep::freshCount() const {
    return std::popcount(unsigned(fresh[0])) + std::popcount(unsigned(fresh[1])) +
           std::popcount(unsigned(fresh[2]));
}

std::vector<DiscoveryStep> discoverySteps(const GameData &data, const EffectStrengths &strengths,
                                          const KnownEffects &known, const DiscoveryOptions &options,
                                          const std::function<bool()> &stop) {
    std::vector<int> pool;
    for (int i = 1; i <= data.highestItem(); ++i) {
        if (inStock(options, i) && filledSlots(data, i) != 0)
            pool.push_back(i);
    }
    std::vector<DiscoveryStep> steps;
    if (options.eating) {
        for (const int i : pool) {
            const std::uint8_t fresh = revealOfEating(data, i) & std::uint8_t(~known.slots[std::size_t(i)]);
            if (fresh != 0) {
                DiscoveryStep s;
                s.eat = true;
                s.items[0] = i;
                s.fresh[0] = fresh;
                steps.push_back(s);
            }
        }
    }
    const std::size_t n = pool.size();
    for (std::size_t a = 0; a < n; ++a) {
        for (std::size_t b = a + 1; b < n; ++b) {
            // A pair and its triples cost at most a millisecond: a cancel is
            // seen well within the tenth of a second the player waits.
            if (stop && stop())
                return steps;
            const BrewReveal pair = revealOfBrew(data, strengths, pool[a], pool[b], 0);
            const DiscoveryStep pairStep = freshPart(known, pair);
            if (pairStep.freshCount() > 0)
                steps.push_back(pairStep);
            for (std::size_t c = b + 1; c < n; ++c) {
                const BrewReveal triple = revealOfBrew(data, strengths, pool[a], pool[b], pool[c]);
                if (triple.items[2] == 0 || triple.slots[0] == 0 || triple.slots[1] == 0 ||
                    triple.slots[2] == 0)
                    continue;
                const DiscoveryStep step = freshPart(known, triple);
                if (step.freshCount() > 0)
                    steps.push_back(step);
            }
        }
    }
    return steps;
}

std::vector<DiscoveryStep> BestExperiments(const GameData &data, const EffectStrengths &strengths,
                                           const KnownEffects &known, const DiscoveryOptions &options,
                                           std::size_t limit, const std::function<bool()> &stop) {
    std::vector<DiscoveryStep> steps = discoverySteps(data, strengths, known, options, stop);
    const auto better = [](const DiscoveryStep &x, const DiscoveryStep &y) {
        if (x.freshCount() != y.freshCount())
            return x.freshCount() > y.freshCount();
        if (itemCount(x) != itemCount(y))
            return itemCount(x) < itemCount(y);
        return x.items < y.items;
    };
    const std::size_t n = std::min(limit, steps.size());
    std::partial_sort(steps.begin(), steps.begin() + std::ptrdiff_t(n), steps.end(), better);
    steps.resize(n);
    return steps;
}

std::vector<EffectSlot> unrevealableSlots(const GameData &data, const KnownEffects &known,
                                          std::span<const DiscoveryStep> steps) {
    std::vector<std::uint8_t> shown(std::size_t(data.itemRecordCount()), 0);
    for (const DiscoveryStep &s : steps) {
        for (std::size_t k = 0; k < 3; ++k) {
            if (s.items[k] != 0)
                shown[std::size_t(s.items[k])] |= s.fresh[k];
        }
    }
    std::vector<EffectSlot> out;
    for (int i = 1; i <= data.highestItem(); ++i) {
        const std::uint8_t unknown = filledSlots(data, i) & std::uint8_t(~known.slots[std::size_t(i)]);
        for (int s = 0; s < kSlotsPerItem; ++s) {
            if ((unknown & ~shown[std::size_t(i)] & (1u << s)) != 0)
                out.push_back({i, s});
        }
    }
    return out;
}

CoverProblem discoveryCoverProblem(const GameData &data, std::span<const DiscoveryStep> steps,
                                   const DiscoveryOptions &options) {
    CoverProblem problem;
    problem.elementCount = data.highestItem() * kSlotsPerItem;
    problem.maxBrews = options.maxBrews;
    if (options.stock != nullptr)
        problem.stock = *options.stock;
    problem.stock.resize(options.stock != nullptr ? std::size_t(data.itemRecordCount()) : 0, 0);
    for (int i = 1; i <= data.highestItem(); ++i) {
        for (int slot = 0; slot < kSlotsPerItem; ++slot) {
            problem.effectOf.push_back(data.ItemTable[std::size_t(i)].Eff[std::size_t(slot)].Effect);
            problem.itemOf.push_back(i);
        }
    }
    std::vector<std::int32_t> covers;
    for (const DiscoveryStep &s : steps) {
        covers.clear();
        for (std::size_t k = 0; k < 3; ++k) {
            for (int slot = 0; slot < kSlotsPerItem; ++slot) {
                if ((s.fresh[k] & (1u << slot)) != 0)
                    covers.push_back(elementOf(s.items[k], slot));
            }
        }
        problem.addColumn(CoverColumn{s.items, !s.eat}, covers);
    }
    return problem;
}

DiscoveryPlan PlanDiscovery(const GameData &data, const EffectStrengths &strengths, const KnownEffects &known,
                            const DiscoveryOptions &options, CoverSolver &solver,
                            const PlanSolveControl &control) {
    DiscoveryPlan plan;
    // Listed whole: a part bounds nothing. The listing takes about 40 ms on
    // the bundled data; the solver then stops at once when asked.
    const std::vector<DiscoveryStep> steps = discoverySteps(data, strengths, known, options);
    for (int i = 1; i <= data.highestItem(); ++i)
        plan.unknownCount += std::popcount(unsigned(filledSlots(data, i) & ~known.slots[std::size_t(i)]));
    plan.unrevealable = unrevealableSlots(data, known, steps);
    plan.revealableCount = plan.unknownCount - int(plan.unrevealable.size());

    const CoverProblem problem = discoveryCoverProblem(data, steps, options);
    const std::vector<int> start = greedyCover(problem);
    const CoverResult solved = solver.solve(problem, start, control);
    plan.status = solved.status;
    plan.error = solved.error;
    plan.lowerBound = solved.lowerBound;

    // The chosen steps, the most teaching first, each credited with what it
    // adds to the ones before.
    std::vector<DiscoveryStep> left;
    for (const int j : solved.chosen)
        left.push_back(steps[std::size_t(j)]);
    KnownEffects learnt = known;
    while (!left.empty()) {
        const auto next = std::max_element(left.begin(), left.end(), [&](const auto &x, const auto &y) {
            return withoutKnown(x, learnt).freshCount() < withoutKnown(y, learnt).freshCount();
        });
        const DiscoveryStep s = withoutKnown(*next, learnt);
        left.erase(next);
        applyStep(s, learnt);
        plan.revealedCount += s.freshCount();
        (s.eat ? plan.eatings : plan.brews) += 1;
        plan.steps.push_back(s);
    }
    return plan;
}

// The step less what known holds already.
DiscoveryStep withoutKnown(DiscoveryStep step, const KnownEffects &known) {
    for (std::size_t k = 0; k < 3; ++k) {
        if (step.items[k] != 0)
            step.fresh[k] &= std::uint8_t(~known.slots[std::size_t(step.items[k])]);
    }
    return step;
}

void applyStep(const DiscoveryStep &step, KnownEffects &known) {
    for (std::size_t k = 0; k < 3; ++k)
        known.learn(step.items[k], step.fresh[k]);
}

} // namespace qor
