#pragma once
// Magnitude, duration and price of every ingredient effect for the current
// skill settings, precomputed so that evaluation reads only integers.

#include "game_data/game_data.h"

#include <cstdint>

namespace qor {

inline constexpr std::int32_t MaxValue = 30000;

// 0 below 0, MaxValue above MaxValue.
std::int32_t ClampValue(std::int64_t v);
// Rounds a strength half to even and clamps to 0..MaxValue; NaN gives 0.
std::int32_t roundClamp(double v);
// Price of one effect of one slot at strength v, before clamping (saturated
// to the int32 range).
std::int32_t EffectPrice(const TEffectRec &effect, const TItemEffect &slot, double v);
// Recomputes the six derived fields of every slot of ingredients 1..H.
void RecalcItemEffects(GameData &data, const SkillSettings &skills);

} // namespace qor
