#pragma once
// The game tables: ingredients, effects, their names, price steps and effect
// filters, and the player's alchemy settings. Filled once by the loader and
// never resized afterwards; index 0 of every table is the placeholder "none".

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace qor {

// Colours are 32-bit codes with red in the low byte, then green, then blue.
using ColorCode = std::int32_t;

// One effect of one ingredient as the data file gives it. What the skills
// make of it is a separate table (see RecalcItemEffects).
struct TItemEffect {
    std::int32_t Effect = 0; // effect index; 0 = empty slot
    std::int32_t BasePower = 0;
    std::int32_t BaseTime = 0;
};

inline constexpr int kSlotsPerItem = 4;

// One ingredient. Eff[0..3] are the file's slots 1..4. Pictures are kept by
// the visuals subsystem in a table parallel to ItemTable.
struct TItemRec {
    ColorCode MarkerColor = 0;
    std::int32_t ID = 0;
    std::int32_t Cost = 0;
    std::array<TItemEffect, kSlotsPerItem> Eff{};
    double Weight = 0.0;
    std::uint8_t Extra = 0;
    bool Marked = false;
};

// One effect.
struct TEffectRec {
    std::uint8_t Harmful = 0; // 1 = harmful (poison) effect
    double BaseCost = 0.0;
    std::uint8_t TimeScaled = 0; // 1 = the skill scales the duration
    std::uint8_t PerkBoost = 0;  // non-zero: Benefactor/Poisoner bonus applies
    bool Marked = false;
    std::uint8_t Percent = 0;  // magnitude shown with "%"
    std::uint8_t EffClass = 0; // 0..8, see RecalcItemEffects
    ColorCode MarkerColor = 0;
    std::uint8_t DescrKind = 0; // 0..5: how Descr and the numbers combine
    std::array<QString, 3> Descr;
};

// Number of fixed entries in front of the Filter.txt lines in FilterList.
inline constexpr int kFixedFilterCount = 7;

struct GameData {
    std::vector<TItemRec> ItemTable;     // index 0 = placeholder
    std::vector<TEffectRec> EffectTable; // index 0 = no effect
    QStringList ItemNames;
    QStringList ItemNamesUp;
    QStringList ItemNames2;
    QStringList EffectNames;
    QStringList EffectNamesUp;
    std::vector<std::int32_t> CostList;
    QStringList FilterList;                      // 7 fixed entries, then Filter.txt
    std::vector<std::int32_t> EffectFilterGroup; // per effect: Filter.txt line or -1

    // Number of ingredient records, the placeholder included.
    int itemRecordCount() const { return static_cast<int>(ItemTable.size()); }
    // Highest ingredient index H (records 1..H are ingredients).
    int highestItem() const { return itemRecordCount() - 1; }
    int effectRecordCount() const { return static_cast<int>(EffectTable.size()); }
    int highestEffect() const { return effectRecordCount() - 1; }
};

// The player's alchemy settings.
struct SkillSettings {
    std::int32_t AlchemySkill = 15;
    std::int32_t AlchemyFortify = 0;
    std::int32_t AlchemistRanks = 0;
    bool PerkPhysician = false;
    bool PerkBenefactor = false;
    bool PerkPoisoner = false;
    bool PerkPurity = false;
};

} // namespace qor
