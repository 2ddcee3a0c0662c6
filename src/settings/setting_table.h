#pragma once
// The table of the 71 numbers of Main.ini's settings block. Each member of
// SettingTable is one line: its typed key with the line number, the range
// the commands and the guard enforce and the first-run value. A new value
// takes one row here (a reserved line becomes a named key) plus its use:
// `block.get(Setting.GridRowHeight)`, `block.set(Setting.MenuShowHints, on)`.

#include "engine/potion_rec.h"
#include "game_data/game_data.h"

#include <array>
#include <cstdint>
#include <limits>
#include <span>

namespace qor {

inline constexpr int kSettingsBlockSize = 71;

// Highest column codes that the find columns may name.
inline constexpr int kMaxGridFindCol = 29;
inline constexpr int kMaxPotionFindCol = 25;

// Colours and unbounded values take the whole int32 range, pixel sizes
// 0..kMaxPixelSize.
inline constexpr std::int32_t kSettingMin = std::numeric_limits<std::int32_t>::min();
inline constexpr std::int32_t kSettingMax = std::numeric_limits<std::int32_t>::max();
inline constexpr std::int32_t kMaxPixelSize = 100000;

struct SettingRange {
    std::int32_t min;
    std::int32_t max;
};

// How a line is read: a check state is on only for exactly 1; a reserved
// line is always written as 0.
enum class SettingKind { Flag, Number, Colour, Character, Reserved };

// One line of the block, untyped: for the reader, the writer and commands
// that name their line at run time.
struct SettingRow {
    int line = 0;
    SettingKind kind = SettingKind::Number;
    std::int32_t min = 0;
    std::int32_t max = 0;
    std::int32_t def = 0;

    SettingRange range() const { return {min, max}; }
};

// A line whose value reads as T. A flag reads as bool, the marker character
// as its low byte; a reserved line has no value to read.
template <typename T> struct SettingKey : SettingRow { using Value = T; };
struct NoValue {};
using FlagKey = SettingKey<bool>;
using NumberKey = SettingKey<std::int32_t>;
using ColourKey = SettingKey<ColorCode>;
using CharKey = SettingKey<std::uint8_t>;
using ReservedKey = SettingKey<NoValue>;

constexpr FlagKey flagLine(int line, bool on) {
    return {{line, SettingKind::Flag, 0, 1, on ? 1 : 0}};
}
constexpr NumberKey numberLine(int line, std::int32_t min, std::int32_t max, std::int32_t def) {
    return {{line, SettingKind::Number, min, max, def}};
}
constexpr NumberKey pixelLine(int line, std::int32_t def) {
    return numberLine(line, 0, kMaxPixelSize, def);
}
constexpr ColourKey colourLine(int line, ColorCode def) {
    return {{line, SettingKind::Colour, kSettingMin, kSettingMax, def}};
}
constexpr CharKey charLine(int line, std::uint8_t def) {
    return {{line, SettingKind::Character, 0, 255, def}};
}
constexpr ReservedKey reservedLine(int line) {
    return {{line, SettingKind::Reserved, 0, 0, 0}};
}
// A colour as Main.ini keeps it: red in the low byte.
constexpr ColorCode colourCode(int r, int g, int b) {
    return static_cast<ColorCode>(r | (g << 8) | (b << 16));
}

// Every line in line order. The default sizes and check states are those of
// the window as first laid out.
struct SettingTable {
    FlagKey MenuGridLinesHor = flagLine(1, false);
    FlagKey MenuGridLinesVer = flagLine(2, true);
    NumberKey GridRowHeight = numberLine(3, 10, 100, 20);
    NumberKey PanelItemDisplayWidth = pixelLine(4, 147);
    NumberKey PanelPotionInfoHeight = pixelLine(5, 143);
    NumberKey PanelLbPotionsMainHeight = pixelLine(6, 178);
    NumberKey PageControlHeight = pixelLine(7, 200);
    ColourKey PicBgColor = colourLine(8, colourCode(255, 255, 255));
    NumberKey LbPotionItemHeight = numberLine(9, 10, 100, 25);
    NumberKey HeaderHeight = numberLine(10, 1, 50, 19);
    NumberKey SplitterThickness = numberLine(11, 1, 50, 6);
    FlagKey MenuCanQuickSearsh = flagLine(12, true);
    NumberKey PanelAddInfoWidth = pixelLine(13, 116);
    ReservedKey Reserved14 = reservedLine(14);
    NumberKey FastFindTimeout = numberLine(15, 100, 5000, 1000);
    NumberKey PanelPotionTypeWidth = pixelLine(16, 55);
    NumberKey PanelCapLBPotionsHeight = numberLine(17, 0, 50, 19);
    NumberKey PanelCap2Height = numberLine(18, 0, 50, 17);
    NumberKey PanelCapGridHeight = numberLine(19, 0, 50, 19);
    NumberKey GridSelRow = numberLine(20, 0, kSettingMax, 1);
    NumberKey DropDownCount = numberLine(21, 5, 50, 32);
    NumberKey UsedItemsItemHeight = numberLine(22, 10, 50, 20);
    NumberKey PotionColor2Percent = numberLine(23, 25, 300, 93);
    FlagKey MenuShowHints = flagLine(24, true);
    NumberKey AltListsItemHeight = numberLine(25, 10, 50, 17);
    NumberKey PanelEffInfoWidth = pixelLine(26, 375);
    NumberKey HeaderEffInfoHeight = numberLine(27, 1, 50, 17);
    NumberKey LbEffectInfoItemHeight = numberLine(28, 10, 50, 17);
    NumberKey PotionSortCode = numberLine(29, -kMaxPotionFindCol, kMaxPotionFindCol, -PotionColumn::Cost);
    NumberKey PanelInfoMainWidth = pixelLine(30, 347);
    NumberKey GridFindCol = numberLine(31, 1, kMaxGridFindCol, 1);
    ColourKey PoisonEffColor = colourLine(32, colourCode(192, 0, 0));
    ColourKey GoodEffColor = colourLine(33, colourCode(0, 128, 0));
    NumberKey LbFavoritesItemHeight = numberLine(34, 10, 100, 16);
    NumberKey GridColor2Percent = numberLine(35, 25, 300, 93);
    NumberKey HelpListWidth = pixelLine(36, 501);
    NumberKey PotionFindCol = numberLine(37, 0, kMaxPotionFindCol, 3);
    // Dark enough to read as text on both row colours and on the selection;
    // as a marker background it takes white text.
    ColourKey DefMarkerColor = colourLine(38, colourCode(64, 0, 0));
    NumberKey AlchemyFortify = numberLine(39, 0, 400, 0);
    FlagKey MenuFastFindStartWithCurElement = flagLine(40, true);
    FlagKey MenuCanGrayedDisabledItem = flagLine(41, false);
    NumberKey GridHeaderRowHeight = numberLine(42, 1, 50, 20);
    NumberKey EffInfoColor2Percent = numberLine(43, 25, 300, 93);
    NumberKey AlchemySkill = numberLine(44, 0, 200, 15);
    NumberKey AlchemistRanks = numberLine(45, 0, 5, 0);
    FlagKey PerkPhysician = flagLine(46, false);
    FlagKey PerkBenefactor = flagLine(47, false);
    FlagKey PerkPoisoner = flagLine(48, false);
    FlagKey MenuScrollForLBox = flagLine(49, false);
    FlagKey MenuCanLightLBox = flagLine(50, false);
    // The lit cell's text: reads on both row colours and on the selection.
    ColourKey CellLightColor = colourLine(51, colourCode(0, 0, 96));
    FlagKey DrawVertLines = flagLine(52, false);
    ColourKey VertLineColor = colourLine(53, colourCode(192, 192, 192));
    NumberKey GridSortCode = numberLine(54, -kMaxGridFindCol, kMaxGridFindCol, 0);
    NumberKey FavoritesItemHeight = numberLine(55, 10, 50, 20);
    NumberKey FavoritesEffGroupHeight = pixelLine(56, 150);
    FlagKey PerkPurity = flagLine(57, false);
    CharKey EffColorChar = charLine(58, 0x95);
    NumberKey DragImageSize = numberLine(59, 24, 100, 48);
    NumberKey DragBlend = numberLine(60, 10, 255, 200);
    FlagKey MenuShowFormFavorites = flagLine(61, false);
    FlagKey MenuShowUsedItemsList = flagLine(62, false);
    FlagKey PictureWindowOpen = flagLine(63, false);
    NumberKey UsedItemsSetIndex = numberLine(64, 0, 3, 0);
    NumberKey HelpItemHeight = numberLine(65, 10, 50, 16);
    FlagKey DragShadow = flagLine(66, true);
    ColourKey DragTextColor = colourLine(67, colourCode(0, 0, 0));
    FlagKey DragShapedMode = flagLine(68, false);
    ReservedKey Reserved69 = reservedLine(69);
    ReservedKey Reserved70 = reservedLine(70);
    ReservedKey Reserved71 = reservedLine(71);
};
inline constexpr SettingTable Setting{};

// The rows of lines 1..71, in line order.
std::span<const SettingRow, kSettingsBlockSize> settingRows();
// The row of a 1-based line; a line outside 1..71 has the whole int32 range.
SettingRow settingRow(int line);

} // namespace qor
