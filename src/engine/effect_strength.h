#pragma once
// Magnitude, duration and price of every ingredient effect for the current
// skill settings: a table derived from the game data and the skills, laid out
// so that evaluation reads only integers from one row per ingredient.

#include "game_data/game_data.h"

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace qor {

inline constexpr std::int32_t MaxValue = 30000;

// One slot of one ingredient for the current skills. The numbers lie in
// 0..MaxValue.
struct SlotStrength {
    // The slot's effect, or 0 for an empty slot and for an index outside the
    // effect table, so that neither is ever shared.
    std::int32_t Effect = 0;
    std::int32_t Cost = 0; // with the Benefactor/Poisoner bonus where it applies
    std::int32_t Power = 0;
    std::int32_t Time = 0;
    std::int32_t CostPlain = 0; // never with that bonus
    std::int32_t PowerPlain = 0;
    std::int32_t TimePlain = 0;

    friend bool operator==(const SlotStrength &, const SlotStrength &) = default;
};

using ItemStrengths = std::array<SlotStrength, kSlotsPerItem>;

// One row per ingredient record, the placeholder (all zero) included, so
// that a table fits the data it was computed from when the counts agree.
class EffectStrengths {
  public:
    EffectStrengths() = default;
    explicit EffectStrengths(int itemRecordCount)
        : m_items(static_cast<std::size_t>(std::max(itemRecordCount, 0))) {}

    int itemRecordCount() const { return static_cast<int>(m_items.size()); }
    bool fits(const GameData &data) const { return itemRecordCount() == data.itemRecordCount(); }

    const ItemStrengths &item(int index) const {
        Q_ASSERT(index >= 0 && index < itemRecordCount());
        return m_items[static_cast<std::size_t>(index)];
    }
    ItemStrengths &item(int index) {
        Q_ASSERT(index >= 0 && index < itemRecordCount());
        return m_items[static_cast<std::size_t>(index)];
    }
    // Slot s (0..3) of an ingredient.
    const SlotStrength &slot(int index, int s) const {
        Q_ASSERT(s >= 0 && s < kSlotsPerItem);
        return item(index)[static_cast<std::size_t>(s)];
    }

    friend bool operator==(const EffectStrengths &, const EffectStrengths &) = default;

  private:
    std::vector<ItemStrengths> m_items;
};

// 0 below 0, MaxValue above MaxValue.
std::int32_t ClampValue(std::int64_t v);
// Rounds a strength half to even and clamps to 0..MaxValue; NaN gives 0.
std::int32_t roundClamp(double v);
// Price of one effect of one slot at strength v, before clamping (saturated
// to the int32 range).
std::int32_t EffectPrice(const TEffectRec &effect, const TItemEffect &slot, double v);
// The strengths of every slot of ingredients 1..H for the skills; the
// placeholder's row stays zero.
EffectStrengths RecalcItemEffects(const GameData &data, const SkillSettings &skills);

} // namespace qor
