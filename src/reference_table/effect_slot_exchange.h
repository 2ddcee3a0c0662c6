#pragma once
// Rearranging the effect slots of the ingredient table: an effect dropped on
// another effect column of the reference grid takes that slot in every
// ingredient that has it. The slot order then holds for the rest of the run.

#include "game_data/game_data.h"

namespace qor {

// In every ingredient with the effect in some slot j, slots j and
// targetSlot (1..4) change places with all their values. Returns the number
// of ingredients whose slots actually moved; 0 for an effect or slot out of
// range.
int exchangeEffectSlots(GameData &data, int effect, int targetSlot);

} // namespace qor
