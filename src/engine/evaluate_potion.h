#pragma once
// Turns two or three ingredients into a recipe: the shared effects, their
// winners, at most five effects, potion or poison, price, useless ingredient.

#include "engine/effect_strength.h"
#include "engine/potion_rec.h"
#include "game_data/game_data.h"

namespace qor {

// Fills rec and returns true when the combination is a recipe; strict rejects
// wasteful combinations. item3 = 0 for a pair. After false, rec is undefined.
// The effects, strengths and prices come from strengths, which must have been
// computed from data; data gives the effects' kinds. Allocates nothing and
// does no floating-point work.
bool EvaluatePotion(const GameData &data, const EffectStrengths &strengths, bool perkPurity, TPotionRec &rec,
                    int item1, int item2, int item3, bool strict);

} // namespace qor
