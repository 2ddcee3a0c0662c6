#include "discovery/reveal.h"

#include "discovery/known_effects.h"
#include "engine/evaluate_potion.h"

namespace qor {

BrewReveal revealOfBrew(const GameData &data, const EffectStrengths &strengths, int item1, int item2,
                        int item3) {
    BrewReveal out;
    TPotionRec rec;
    // Purity only hides effects from the finished potion; the player still
    // sees them appear, so the mix is judged without it. Non-strict: a third
    // ingredient that shares nothing is allowed and simply learns nothing.
    if (!EvaluatePotion(data, strengths, false, rec, item1, item2, item3, false))
        return out;
    for (int k = 0; k < rec.ItemCount; ++k) {
        const int item = rec.Items[std::size_t(k)];
        out.items[std::size_t(k)] = item;
        const std::uint8_t filled = filledSlots(data, item);
        for (int s = 0; s < kSlotsPerItem; ++s) {
            if ((filled & (1u << s)) == 0)
                continue;
            const std::int32_t effect = data.ItemTable[std::size_t(item)].Eff[std::size_t(s)].Effect;
            for (int e = 0; e < rec.EffCount; ++e) {
                if (rec.Effects[std::size_t(e)].Effect == effect)
                    out.slots[std::size_t(k)] |= std::uint8_t(1u << s);
            }
        }
    }
    return out;
}

std::uint8_t revealOfEating(const GameData &data, int item) {
    return filledSlots(data, item) & 1u;
}

} // namespace qor
