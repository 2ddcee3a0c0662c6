#pragma once
// What the player learns. Eating an ingredient shows its first effect.
// Brewing shows each ingredient of the mix the effects it shares with
// another ingredient of the mix, as far as they make the potion: the
// evaluation's shared effects (at most five), whoever wins their strength.

#include "engine/effect_strength.h"
#include "game_data/game_data.h"

#include <array>
#include <cstdint>

namespace qor {

// Slot masks (bit s for slot s + 1) of the mix's ingredients, in the order
// of items; all zero when the ingredients make no potion.
struct BrewReveal {
    std::array<std::int32_t, 3> items{}; // the mix as evaluated: repeats dropped, 0 for none
    std::array<std::uint8_t, 3> slots{};

    bool any() const { return (slots[0] | slots[1] | slots[2]) != 0; }
};

BrewReveal revealOfBrew(const GameData &data, const EffectStrengths &strengths, int item1, int item2,
                        int item3);
// The first slot when it holds an effect, else nothing.
std::uint8_t revealOfEating(const GameData &data, int item);

} // namespace qor
