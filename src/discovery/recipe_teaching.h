#pragma once
// Which effects of a recipe would teach the player something: brewing it
// shows each ingredient the effects it shares with the others, and an effect
// teaches when it shows at least one (ingredient, slot) pair not yet known.

#include "discovery/known_effects.h"
#include "discovery/reveal.h"
#include "engine/potion_rec.h"

#include <array>
#include <cstdint>

namespace qor {

struct TeachingEffects {
    std::array<std::int32_t, kMaxPotionEffects> effects{};
    int count = 0;

    bool contains(std::int32_t effect) const;
};

TeachingEffects teachingEffects(const GameData &data, const EffectStrengths &strengths,
                                const KnownEffects &known, int item1, int item2, int item3);

} // namespace qor
