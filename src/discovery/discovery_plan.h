#pragma once
// Experiments that teach the player unknown effects: the brews (and
// eatings) to try, one at a time or as the shortest plan that shows every
// effect that can be shown.

#include "brewing_plan/stock_file.h"
#include "discovery/cover_problem.h"
#include "discovery/known_effects.h"
#include "discovery/reveal.h"

#include <functional>
#include <vector>

namespace qor {

// A brew of items (0 for none), or the eating of items[0]; fresh holds the
// slots it shows that are not known yet (before it, or before the plan's
// earlier steps).
struct DiscoveryStep {
    bool eat = false;
    std::array<std::int32_t, 3> items{};
    std::array<std::uint8_t, 3> fresh{};

    int freshCount() const;
    friend bool operator==(const DiscoveryStep &, const DiscoveryStep &) = default;
};

struct DiscoveryOptions {
    const StockCounts *stock = nullptr; // null: any number of every ingredient
    bool eating = false;                // eating an ingredient counts as a step
    int maxBrews = -1;                  // -1: no limit
};

struct EffectSlot {
    std::int32_t item = 0;
    int slot = 0; // 0-based

    friend bool operator==(const EffectSlot &, const EffectSlot &) = default;
};

// Every step that shows at least one unknown slot, brews of two or three
// ingredients in stock (each at least once) and, when asked, eatings.
// A triple whose third ingredient learns nothing is left out: the pair
// teaches the same. stop is asked once per pair of ingredients; when it
// says yes, the list ends where the enumeration stopped.
std::vector<DiscoveryStep> discoverySteps(const GameData &data, const EffectStrengths &strengths,
                                          const KnownEffects &known, const DiscoveryOptions &options,
                                          const std::function<bool()> &stop = {});

// The single steps that show most unknown slots, best first (ties: fewer
// ingredients, then lower indexes), at most limit of them.
std::vector<DiscoveryStep> BestExperiments(const GameData &data, const EffectStrengths &strengths,
                                           const KnownEffects &known, const DiscoveryOptions &options,
                                           std::size_t limit, const std::function<bool()> &stop = {});

// Unknown slots with an effect that no step of the options can show.
std::vector<EffectSlot> unrevealableSlots(const GameData &data, const KnownEffects &known,
                                          std::span<const DiscoveryStep> steps);

// The steps as a covering problem: column j is steps[j], the elements the
// ingredients' slots.
CoverProblem discoveryCoverProblem(const GameData &data, std::span<const DiscoveryStep> steps,
                                   const DiscoveryOptions &options);

struct DiscoveryPlan {
    std::vector<DiscoveryStep> steps; // in the order to take them; fresh = what each adds
    std::vector<EffectSlot> unrevealable;
    int unknownCount = 0;    // unknown slots with an effect
    int revealableCount = 0; // of them, those some step shows
    int revealedCount = 0;   // of them, those the plan shows
    int brews = 0;
    int eatings = 0;
    int lowerBound = -1; // proven fewest steps that show every revealable slot; -1: not known
    PlanSolveStatus status = PlanSolveStatus::Failed; // Optimal: no plan shows more with fewer steps
    QString error;
};

// The plan that shows most unknown slots with the fewest steps.
DiscoveryPlan PlanDiscovery(const GameData &data, const EffectStrengths &strengths, const KnownEffects &known,
                            const DiscoveryOptions &options, CoverSolver &solver,
                            const PlanSolveControl &control);

// The step less what known holds already.
DiscoveryStep withoutKnown(DiscoveryStep step, const KnownEffects &known);

// What taking the step teaches: its slots become known.
void applyStep(const DiscoveryStep &step, KnownEffects &known);

} // namespace qor
