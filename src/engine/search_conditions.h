#pragma once
// What the user asks of the search from effects; mirrors the condition
// controls. A search reads only this record, never the controls.

#include <array>
#include <cstdint>

namespace qor {

// Codes of the fixed filter entries; 7 + k is line k of Filter.txt.
namespace FilterCode {
inline constexpr int None = 0;
inline constexpr int NoneOrAny = 1;
inline constexpr int Any = 2;
inline constexpr int NoneOrHarmful = 3;
inline constexpr int Harmful = 4;
inline constexpr int NoneOrBeneficial = 5;
inline constexpr int Beneficial = 6;
inline constexpr int FirstNamed = 7;
} // namespace FilterCode

inline constexpr int kEffectLines = 5;

// Lines 1..5 of the dialog are index 0..4 of the arrays.
struct SearchConditions {
    std::int32_t CostMinIndex = 0;
    std::int32_t CostMaxIndex = 0;
    std::int32_t RequiredItem1 = 0;
    std::int32_t RequiredItem2 = 0;
    std::int32_t ItemsCountMode = 0; // 0 pairs, 1 triples, 2 both
    std::array<std::int32_t, kEffectLines> FilterCode{};
    std::array<std::int32_t, kEffectLines> WantedEffect{};
    std::array<bool, kEffectLines> EffectEnabled{true, true, true, true, true};
    bool RequiredItem1Enabled = false;
    bool RequiredItem2Enabled = false;
    bool CheckCost = false;

    friend bool operator==(const SearchConditions &, const SearchConditions &) = default;
};

// Which search ran last (StartSearshLastType repeats it).
enum class SearchType : std::uint8_t { None = 0, FromItems = 1, FromEffects = 2, AltMaking = 3 };

} // namespace qor
