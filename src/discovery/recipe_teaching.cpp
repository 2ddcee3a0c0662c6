#include "discovery/recipe_teaching.h"

#include <algorithm>

namespace qor {

bool TeachingEffects::contains(std::int32_t effect) const {
    const auto end = effects.begin() + count;
    return effect > 0 && std::find(effects.begin(), end, effect) != end;
}

TeachingEffects teachingEffects(const GameData &data, const EffectStrengths &strengths,
                                const KnownEffects &known, int item1, int item2, int item3) {
    TeachingEffects out;
    const BrewReveal reveal = revealOfBrew(data, strengths, item1, item2, item3);
    for (std::size_t k = 0; k < reveal.items.size(); ++k) {
        const int item = reveal.items[k];
        for (int s = 0; s < kSlotsPerItem; ++s) {
            if ((reveal.slots[k] & (1u << s)) == 0 || known.isKnown(item, s))
                continue;
            const std::int32_t effect = data.ItemTable[std::size_t(item)].Eff[std::size_t(s)].Effect;
            // A brew shows at most five effects, so the list never overflows.
            if (!out.contains(effect) && out.count < kMaxPotionEffects)
                out.effects[std::size_t(out.count++)] = effect;
        }
    }
    return out;
}

} // namespace qor
