#pragma once
// The recipe record: two or three ingredients and up to five potion effects.
// A plain value, copied whole between the recipe list, the favourites and the
// current recipe.

#include <array>
#include <cstdint>
#include <type_traits>

namespace qor {

struct TPotionEffect {
    std::int32_t Effect = 0; // effect index; 0 = empty slot
    std::int32_t Power = 0;
    std::int32_t Time = 0;
    std::int32_t Cost = 0;

    friend bool operator==(const TPotionEffect &, const TPotionEffect &) = default;
};

inline constexpr int kMaxPotionEffects = 5;
inline constexpr int kMaxPotionItems = 3;

// Items[0..2] are the recipe's ingredients 1..3, Effects[0..4] its slots 1..5.
// MainEffSlot keeps its 1-based meaning (1..5).
struct TPotionRec {
    std::int32_t EffCount = 0;
    std::int32_t ItemCount = 0;
    std::int32_t MainEffSlot = 0;
    std::int32_t Cost = 0;
    std::int32_t UselessItem = 0;
    std::array<std::int32_t, kMaxPotionItems> Items{};
    std::array<TPotionEffect, kMaxPotionEffects> Effects{};
    std::uint8_t PotionType = 0; // Harmful of the main effect

    friend bool operator==(const TPotionRec &, const TPotionRec &) = default;
};
static_assert(std::is_trivially_copyable_v<TPotionRec>);

// Column codes of the recipe list (the position of the header section).
namespace PotionColumn {
inline constexpr int Number = 0;
inline constexpr int Type = 1;
inline constexpr int Cost = 2;
inline constexpr int Item1 = 3; // Item1 + k for ingredient k + 1
inline constexpr int Count = 26;
// Columns of effect slot s (1..5).
constexpr int power(int s) {
    return 4 * s + 2;
}
constexpr int time(int s) {
    return 4 * s + 3;
}
constexpr int cost(int s) {
    return 4 * s + 4;
}
constexpr int effect(int s) {
    return 4 * s + 5;
}
constexpr bool isItemColumn(int c) {
    return c >= 3 && c <= 5;
}
constexpr bool isEffectColumn(int c) {
    return c >= 9 && c <= 25 && (c - 9) % 4 == 0;
}
} // namespace PotionColumn

} // namespace qor
