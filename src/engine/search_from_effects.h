#pragma once
// The search from effects without any widget: builds the wanted list from the
// conditions, walks every pair and triple of available ingredients in the
// order of the enumeration loops, and appends each matching recipe to the list.

#include "engine/search_conditions.h"
#include "engine/search_plan.h"
#include "game_data/game_data.h"
#include "recipe_list/potion_list.h"

#include <cstdint>
#include <span>
#include <vector>

namespace qor {

// The list's record count before the search (after clearing, if any) and after
// it; the window uses them for its selection rule.
struct EffectSearchOutcome {
    int countBefore = 0; // PotionCount when the search started, before clearing
    int countAfter = 0;
};

// Reusable search: keeps its scratch buffers (per-ingredient effect sets,
// candidate lists) between runs so that a repeated search allocates nothing
// once the buffers have grown to the data's size.
class EffectSearcher {
public:
    // Runs the search into list; the list is cleared first when clearFirst,
    // otherwise the recipes are appended. Sorts the list by its PotionSortCode.
    // itemAvailable is indexed by ingredient index; missing entries count as
    // not at hand.
    EffectSearchOutcome run(const GameData &data, bool perkPurity, const SearchConditions &cond,
                            std::span<const std::uint8_t> itemAvailable, bool clearFirst, PotionList &list);

private:
    void prepare(const GameData &data, std::span<const std::uint8_t> itemAvailable);
    void enumerate(const GameData &data, bool perkPurity, const EffectSearchPlan &plan, PotionList &list);

    int m_words = 0;                       // 64-bit words per effect set
    std::vector<std::uint64_t> m_effects;  // per ingredient: set of its effects
    std::vector<std::uint8_t> m_available; // per ingredient, 1 = at hand
    std::vector<std::int32_t> m_partners;  // scratch: ingredients sharing an effect with b
    std::vector<std::uint64_t> m_pairSet;  // scratch: effects of c and b
};

// One run with a temporary searcher (see EffectSearcher::run).
EffectSearchOutcome SearshFromEffects(const GameData &data, bool perkPurity, const SearchConditions &cond,
                                      std::span<const std::uint8_t> itemAvailable, bool clearFirst,
                                      PotionList &list);

} // namespace qor
