#pragma once
// The search from effects written out loop for loop, with no pruning: the
// reference that the fast search must equal record for record and in order.

#include "engine/effect_strength.h"
#include "engine/potion_list.h"
#include "engine/search_conditions.h"
#include "game_data/game_data.h"

#include <cstdint>
#include <span>

namespace qor::test {

void literalSearchFromEffects(const GameData &data, const EffectStrengths &strengths, bool perkPurity,
                              const SearchConditions &cond, std::span<const std::uint8_t> itemAvailable,
                              bool clearFirst, PotionList &list);

} // namespace qor::test
