#pragma once
// The search from effects without any widget: builds the wanted list from the
// conditions, walks every pair and triple of available ingredients in the
// order of the enumeration loops, and appends each matching recipe to the list.

#include "engine/effect_strength.h"
#include "engine/potion_list.h"
#include "engine/search_conditions.h"
#include "engine/search_plan.h"
#include "game_data/game_data.h"

#include <array>
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
    EffectSearchOutcome run(const GameData &data, const EffectStrengths &strengths, bool perkPurity,
                            const SearchConditions &cond, std::span<const std::uint8_t> itemAvailable,
                            bool clearFirst, PotionList &list);

  private:
    static constexpr int kScratchSets = 5;

    void prepare(const GameData &data, const EffectStrengths &strengths,
                 std::span<const std::uint8_t> itemAvailable);
    void buildAcceptMasks(const GameData &data, const EffectSearchPlan &plan);
    template <int kW>
    void enumerate(const GameData &data, const EffectStrengths &strengths, bool perkPurity,
                   const EffectSearchPlan &plan, PotionList &list);

    int m_words = 0;                          // 64-bit words per effect set
    int m_itemWords = 0;                      // 64-bit words per ingredient set
    int m_countMode = 0;                      // ItemsCountMode of the running search
    std::vector<std::uint64_t> m_effects;     // per ingredient: its effects
    std::vector<std::uint64_t> m_itemsWith;   // per effect: the ingredients having it
    std::vector<std::uint64_t> m_availBits;   // ingredients at hand
    std::vector<std::uint64_t> m_scratch;     // kScratchSets ingredient sets
    std::vector<std::uint64_t> m_effScratch;  // three effect sets when they do not fit a word or two
    std::vector<std::uint64_t> m_acceptMasks; // per wanted entry: the effects satisfying it
    std::array<bool, kEffectLines> m_acceptAll{};
    std::vector<std::int32_t> m_required; // specific wanted effects that always take part
};

// One run with a temporary searcher (see EffectSearcher::run).
EffectSearchOutcome SearshFromEffects(const GameData &data, const EffectStrengths &strengths, bool perkPurity,
                                      const SearchConditions &cond,
                                      std::span<const std::uint8_t> itemAvailable, bool clearFirst,
                                      PotionList &list);

} // namespace qor
