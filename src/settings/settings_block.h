#pragma once
// The block of 71 numbers of Main.ini: sizes, colours, check states, the
// skill settings, sort and find columns and tool-window switches. The values
// are kept raw, exactly as read, so that a file survives a read-write cycle;
// the accessors interpret them (a flag is true only for exactly 1).

#include "game_data/game_data.h"

#include <array>
#include <cstdint>
#include <span>

namespace qor {

inline constexpr int kSettingsBlockSize = 71;

// Line numbers of the block (1-based, counted after the line "71").
namespace SettingsLine {
inline constexpr int MenuGridLinesHor = 1;
inline constexpr int MenuGridLinesVer = 2;
inline constexpr int GridRowHeight = 3;
inline constexpr int PanelItemDisplayWidth = 4;
inline constexpr int PanelPotionInfoHeight = 5;
inline constexpr int PanelLbPotionsMainHeight = 6;
inline constexpr int PageControlHeight = 7;
inline constexpr int PicBgColor = 8;
inline constexpr int LbPotionItemHeight = 9;
inline constexpr int HeaderHeight = 10;
inline constexpr int SplitterThickness = 11;
inline constexpr int MenuCanQuickSearsh = 12;
inline constexpr int PanelAddInfoWidth = 13;
inline constexpr int Reserved14 = 14;
inline constexpr int FastFindTimeout = 15;
inline constexpr int PanelPotionTypeWidth = 16;
inline constexpr int PanelCapLBPotionsHeight = 17;
inline constexpr int PanelCap2Height = 18;
inline constexpr int PanelCapGridHeight = 19;
inline constexpr int GridSelRow = 20;
inline constexpr int DropDownCount = 21;
inline constexpr int UsedItemsItemHeight = 22;
inline constexpr int PotionColor2Percent = 23;
inline constexpr int MenuShowHints = 24;
inline constexpr int AltListsItemHeight = 25;
inline constexpr int PanelEffInfoWidth = 26;
inline constexpr int HeaderEffInfoHeight = 27;
inline constexpr int LbEffectInfoItemHeight = 28;
inline constexpr int PotionSortCode = 29;
inline constexpr int PanelInfoMainWidth = 30;
inline constexpr int GridFindCol = 31;
inline constexpr int PoisonEffColor = 32;
inline constexpr int GoodEffColor = 33;
inline constexpr int LbFavoritesItemHeight = 34;
inline constexpr int GridColor2Percent = 35;
inline constexpr int HelpListWidth = 36;
inline constexpr int PotionFindCol = 37;
inline constexpr int DefMarkerColor = 38;
inline constexpr int AlchemyFortify = 39;
inline constexpr int MenuFastFindStartWithCurElement = 40;
inline constexpr int MenuCanGrayedDisabledItem = 41;
inline constexpr int GridHeaderRowHeight = 42;
inline constexpr int EffInfoColor2Percent = 43;
inline constexpr int AlchemySkill = 44;
inline constexpr int AlchemistRanks = 45;
inline constexpr int PerkPhysician = 46;
inline constexpr int PerkBenefactor = 47;
inline constexpr int PerkPoisoner = 48;
inline constexpr int MenuScrollForLBox = 49;
inline constexpr int MenuCanLightLBox = 50;
inline constexpr int CellLightColor = 51;
inline constexpr int DrawVertLines = 52;
inline constexpr int VertLineColor = 53;
inline constexpr int GridSortCode = 54;
inline constexpr int FavoritesItemHeight = 55;
inline constexpr int FavoritesEffGroupHeight = 56;
inline constexpr int PerkPurity = 57;
inline constexpr int EffColorChar = 58;
inline constexpr int DragImageSize = 59;
inline constexpr int DragBlend = 60;
inline constexpr int MenuShowFormFavorites = 61;
inline constexpr int MenuShowUsedItemsList = 62;
inline constexpr int PictureWindowOpen = 63;
inline constexpr int UsedItemsSetIndex = 64;
inline constexpr int HelpItemHeight = 65;
inline constexpr int DragShadow = 66;
inline constexpr int DragTextColor = 67;
inline constexpr int DragShapedMode = 68;
inline constexpr int Reserved69 = 69;
inline constexpr int Reserved70 = 70;
inline constexpr int Reserved71 = 71;
} // namespace SettingsLine

// Highest column codes that the find columns may name.
inline constexpr int kMaxGridFindCol = 29;
inline constexpr int kMaxPotionFindCol = 25;

// The range the commands enforce for a line; colours and unbounded values
// take the whole int32 range, pixel sizes 0..kMaxPixelSize.
struct SettingRange {
    std::int32_t min;
    std::int32_t max;
};
inline constexpr std::int32_t kMaxPixelSize = 100000;
SettingRange settingRange(int line);

// One line of the block: its number, its name, the range the commands and
// the guard enforce, and its first-run value. Ranges, defaults and the
// bounds of the number prompts all read these rows.
struct SettingRow {
    int line;
    const char *name;
    std::int32_t min;
    std::int32_t max;
    std::int32_t def;
};
// The rows of lines 1..71, in line order.
std::span<const SettingRow, kSettingsBlockSize> settingRows();

class SettingsBlock {
  public:
    // Raw access by 1-based line number; a line outside 1..71 reads 0 and
    // ignores writes.
    std::int32_t value(int line) const;
    void setValue(int line, std::int32_t v);
    bool flag(int line) const { return value(line) == 1; }
    void setFlag(int line, bool on) { setValue(line, on ? 1 : 0); }

    // The value of a line pulled into its range: for applying a value from a
    // damaged file to a control without trusting it.
    std::int32_t clampedValue(int line) const;

    // The two corrections applied after reading (find columns out of range).
    void applyReadCorrections();
    // Reserved lines are always 0 in a written file.
    void clearReserved();
    // Flag lines become their check state, 0 or 1: a check state is on only
    // for exactly 1, so a 2 or -1 from a foreign file is written back as 0.
    void normalizeFlags();

    // The skill settings of lines 39, 44..48 and 57.
    SkillSettings skillSettings() const;
    // The same pulled into the skill tab's ranges, for computing with them.
    SkillSettings clampedSkillSettings() const;
    void setSkillSettings(const SkillSettings &s);

    // Named accessors, one per line.
    bool menuGridLinesHor() const { return flag(SettingsLine::MenuGridLinesHor); }
    void setMenuGridLinesHor(bool v) { setFlag(SettingsLine::MenuGridLinesHor, v); }
    bool menuGridLinesVer() const { return flag(SettingsLine::MenuGridLinesVer); }
    void setMenuGridLinesVer(bool v) { setFlag(SettingsLine::MenuGridLinesVer, v); }
    std::int32_t gridRowHeight() const { return value(SettingsLine::GridRowHeight); }
    void setGridRowHeight(std::int32_t v) { setValue(SettingsLine::GridRowHeight, v); }
    std::int32_t panelItemDisplayWidth() const { return value(SettingsLine::PanelItemDisplayWidth); }
    void setPanelItemDisplayWidth(std::int32_t v) { setValue(SettingsLine::PanelItemDisplayWidth, v); }
    std::int32_t panelPotionInfoHeight() const { return value(SettingsLine::PanelPotionInfoHeight); }
    void setPanelPotionInfoHeight(std::int32_t v) { setValue(SettingsLine::PanelPotionInfoHeight, v); }
    std::int32_t panelLbPotionsMainHeight() const { return value(SettingsLine::PanelLbPotionsMainHeight); }
    void setPanelLbPotionsMainHeight(std::int32_t v) { setValue(SettingsLine::PanelLbPotionsMainHeight, v); }
    std::int32_t pageControlHeight() const { return value(SettingsLine::PageControlHeight); }
    void setPageControlHeight(std::int32_t v) { setValue(SettingsLine::PageControlHeight, v); }
    ColorCode picBgColor() const { return value(SettingsLine::PicBgColor); }
    void setPicBgColor(ColorCode v) { setValue(SettingsLine::PicBgColor, v); }
    std::int32_t lbPotionItemHeight() const { return value(SettingsLine::LbPotionItemHeight); }
    void setLbPotionItemHeight(std::int32_t v) { setValue(SettingsLine::LbPotionItemHeight, v); }
    std::int32_t headerHeight() const { return value(SettingsLine::HeaderHeight); }
    void setHeaderHeight(std::int32_t v) { setValue(SettingsLine::HeaderHeight, v); }
    std::int32_t splitterThickness() const { return value(SettingsLine::SplitterThickness); }
    void setSplitterThickness(std::int32_t v) { setValue(SettingsLine::SplitterThickness, v); }
    bool menuCanQuickSearsh() const { return flag(SettingsLine::MenuCanQuickSearsh); }
    void setMenuCanQuickSearsh(bool v) { setFlag(SettingsLine::MenuCanQuickSearsh, v); }
    std::int32_t panelAddInfoWidth() const { return value(SettingsLine::PanelAddInfoWidth); }
    void setPanelAddInfoWidth(std::int32_t v) { setValue(SettingsLine::PanelAddInfoWidth, v); }
    std::int32_t fastFindTimeout() const { return value(SettingsLine::FastFindTimeout); }
    void setFastFindTimeout(std::int32_t v) { setValue(SettingsLine::FastFindTimeout, v); }
    std::int32_t panelPotionTypeWidth() const { return value(SettingsLine::PanelPotionTypeWidth); }
    void setPanelPotionTypeWidth(std::int32_t v) { setValue(SettingsLine::PanelPotionTypeWidth, v); }
    std::int32_t panelCapLBPotionsHeight() const { return value(SettingsLine::PanelCapLBPotionsHeight); }
    void setPanelCapLBPotionsHeight(std::int32_t v) { setValue(SettingsLine::PanelCapLBPotionsHeight, v); }
    std::int32_t panelCap2Height() const { return value(SettingsLine::PanelCap2Height); }
    void setPanelCap2Height(std::int32_t v) { setValue(SettingsLine::PanelCap2Height, v); }
    std::int32_t panelCapGridHeight() const { return value(SettingsLine::PanelCapGridHeight); }
    void setPanelCapGridHeight(std::int32_t v) { setValue(SettingsLine::PanelCapGridHeight, v); }
    std::int32_t gridSelRow() const { return value(SettingsLine::GridSelRow); }
    void setGridSelRow(std::int32_t v) { setValue(SettingsLine::GridSelRow, v); }
    std::int32_t dropDownCount() const { return value(SettingsLine::DropDownCount); }
    void setDropDownCount(std::int32_t v) { setValue(SettingsLine::DropDownCount, v); }
    std::int32_t usedItemsItemHeight() const { return value(SettingsLine::UsedItemsItemHeight); }
    void setUsedItemsItemHeight(std::int32_t v) { setValue(SettingsLine::UsedItemsItemHeight, v); }
    std::int32_t potionColor2Percent() const { return value(SettingsLine::PotionColor2Percent); }
    void setPotionColor2Percent(std::int32_t v) { setValue(SettingsLine::PotionColor2Percent, v); }
    bool menuShowHints() const { return flag(SettingsLine::MenuShowHints); }
    void setMenuShowHints(bool v) { setFlag(SettingsLine::MenuShowHints, v); }
    std::int32_t altListsItemHeight() const { return value(SettingsLine::AltListsItemHeight); }
    void setAltListsItemHeight(std::int32_t v) { setValue(SettingsLine::AltListsItemHeight, v); }
    std::int32_t panelEffInfoWidth() const { return value(SettingsLine::PanelEffInfoWidth); }
    void setPanelEffInfoWidth(std::int32_t v) { setValue(SettingsLine::PanelEffInfoWidth, v); }
    std::int32_t headerEffInfoHeight() const { return value(SettingsLine::HeaderEffInfoHeight); }
    void setHeaderEffInfoHeight(std::int32_t v) { setValue(SettingsLine::HeaderEffInfoHeight, v); }
    std::int32_t lbEffectInfoItemHeight() const { return value(SettingsLine::LbEffectInfoItemHeight); }
    void setLbEffectInfoItemHeight(std::int32_t v) { setValue(SettingsLine::LbEffectInfoItemHeight, v); }
    std::int32_t potionSortCode() const { return value(SettingsLine::PotionSortCode); }
    void setPotionSortCode(std::int32_t v) { setValue(SettingsLine::PotionSortCode, v); }
    std::int32_t panelInfoMainWidth() const { return value(SettingsLine::PanelInfoMainWidth); }
    void setPanelInfoMainWidth(std::int32_t v) { setValue(SettingsLine::PanelInfoMainWidth, v); }
    std::int32_t gridFindCol() const { return value(SettingsLine::GridFindCol); }
    void setGridFindCol(std::int32_t v) { setValue(SettingsLine::GridFindCol, v); }
    ColorCode poisonEffColor() const { return value(SettingsLine::PoisonEffColor); }
    void setPoisonEffColor(ColorCode v) { setValue(SettingsLine::PoisonEffColor, v); }
    ColorCode goodEffColor() const { return value(SettingsLine::GoodEffColor); }
    void setGoodEffColor(ColorCode v) { setValue(SettingsLine::GoodEffColor, v); }
    std::int32_t lbFavoritesItemHeight() const { return value(SettingsLine::LbFavoritesItemHeight); }
    void setLbFavoritesItemHeight(std::int32_t v) { setValue(SettingsLine::LbFavoritesItemHeight, v); }
    std::int32_t gridColor2Percent() const { return value(SettingsLine::GridColor2Percent); }
    void setGridColor2Percent(std::int32_t v) { setValue(SettingsLine::GridColor2Percent, v); }
    std::int32_t helpListWidth() const { return value(SettingsLine::HelpListWidth); }
    void setHelpListWidth(std::int32_t v) { setValue(SettingsLine::HelpListWidth, v); }
    std::int32_t potionFindCol() const { return value(SettingsLine::PotionFindCol); }
    void setPotionFindCol(std::int32_t v) { setValue(SettingsLine::PotionFindCol, v); }
    ColorCode defMarkerColor() const { return value(SettingsLine::DefMarkerColor); }
    void setDefMarkerColor(ColorCode v) { setValue(SettingsLine::DefMarkerColor, v); }
    std::int32_t alchemyFortify() const { return value(SettingsLine::AlchemyFortify); }
    void setAlchemyFortify(std::int32_t v) { setValue(SettingsLine::AlchemyFortify, v); }
    bool menuFastFindStartWithCurElement() const {
        return flag(SettingsLine::MenuFastFindStartWithCurElement);
    }
    void setMenuFastFindStartWithCurElement(bool v) {
        setFlag(SettingsLine::MenuFastFindStartWithCurElement, v);
    }
    bool menuCanGrayedDisabledItem() const { return flag(SettingsLine::MenuCanGrayedDisabledItem); }
    void setMenuCanGrayedDisabledItem(bool v) { setFlag(SettingsLine::MenuCanGrayedDisabledItem, v); }
    std::int32_t gridHeaderRowHeight() const { return value(SettingsLine::GridHeaderRowHeight); }
    void setGridHeaderRowHeight(std::int32_t v) { setValue(SettingsLine::GridHeaderRowHeight, v); }
    std::int32_t effInfoColor2Percent() const { return value(SettingsLine::EffInfoColor2Percent); }
    void setEffInfoColor2Percent(std::int32_t v) { setValue(SettingsLine::EffInfoColor2Percent, v); }
    std::int32_t alchemySkill() const { return value(SettingsLine::AlchemySkill); }
    void setAlchemySkill(std::int32_t v) { setValue(SettingsLine::AlchemySkill, v); }
    std::int32_t alchemistRanks() const { return value(SettingsLine::AlchemistRanks); }
    void setAlchemistRanks(std::int32_t v) { setValue(SettingsLine::AlchemistRanks, v); }
    bool perkPhysician() const { return flag(SettingsLine::PerkPhysician); }
    void setPerkPhysician(bool v) { setFlag(SettingsLine::PerkPhysician, v); }
    bool perkBenefactor() const { return flag(SettingsLine::PerkBenefactor); }
    void setPerkBenefactor(bool v) { setFlag(SettingsLine::PerkBenefactor, v); }
    bool perkPoisoner() const { return flag(SettingsLine::PerkPoisoner); }
    void setPerkPoisoner(bool v) { setFlag(SettingsLine::PerkPoisoner, v); }
    bool menuScrollForLBox() const { return flag(SettingsLine::MenuScrollForLBox); }
    void setMenuScrollForLBox(bool v) { setFlag(SettingsLine::MenuScrollForLBox, v); }
    bool menuCanLightLBox() const { return flag(SettingsLine::MenuCanLightLBox); }
    void setMenuCanLightLBox(bool v) { setFlag(SettingsLine::MenuCanLightLBox, v); }
    ColorCode cellLightColor() const { return value(SettingsLine::CellLightColor); }
    void setCellLightColor(ColorCode v) { setValue(SettingsLine::CellLightColor, v); }
    bool drawVertLines() const { return flag(SettingsLine::DrawVertLines); }
    void setDrawVertLines(bool v) { setFlag(SettingsLine::DrawVertLines, v); }
    ColorCode vertLineColor() const { return value(SettingsLine::VertLineColor); }
    void setVertLineColor(ColorCode v) { setValue(SettingsLine::VertLineColor, v); }
    std::int32_t gridSortCode() const { return value(SettingsLine::GridSortCode); }
    void setGridSortCode(std::int32_t v) { setValue(SettingsLine::GridSortCode, v); }
    std::int32_t favoritesItemHeight() const { return value(SettingsLine::FavoritesItemHeight); }
    void setFavoritesItemHeight(std::int32_t v) { setValue(SettingsLine::FavoritesItemHeight, v); }
    std::int32_t favoritesEffGroupHeight() const { return value(SettingsLine::FavoritesEffGroupHeight); }
    void setFavoritesEffGroupHeight(std::int32_t v) { setValue(SettingsLine::FavoritesEffGroupHeight, v); }
    bool perkPurity() const { return flag(SettingsLine::PerkPurity); }
    void setPerkPurity(bool v) { setFlag(SettingsLine::PerkPurity, v); }
    // The reader keeps only the low byte of line 58.
    std::uint8_t effColorChar() const {
        return static_cast<std::uint8_t>(value(SettingsLine::EffColorChar) & 0xFF);
    }
    void setEffColorChar(std::uint8_t v) { setValue(SettingsLine::EffColorChar, v); }
    std::int32_t dragImageSize() const { return value(SettingsLine::DragImageSize); }
    void setDragImageSize(std::int32_t v) { setValue(SettingsLine::DragImageSize, v); }
    std::int32_t dragBlend() const { return value(SettingsLine::DragBlend); }
    void setDragBlend(std::int32_t v) { setValue(SettingsLine::DragBlend, v); }
    bool menuShowFormFavorites() const { return flag(SettingsLine::MenuShowFormFavorites); }
    void setMenuShowFormFavorites(bool v) { setFlag(SettingsLine::MenuShowFormFavorites, v); }
    bool menuShowUsedItemsList() const { return flag(SettingsLine::MenuShowUsedItemsList); }
    void setMenuShowUsedItemsList(bool v) { setFlag(SettingsLine::MenuShowUsedItemsList, v); }
    bool pictureWindowOpen() const { return flag(SettingsLine::PictureWindowOpen); }
    void setPictureWindowOpen(bool v) { setFlag(SettingsLine::PictureWindowOpen, v); }
    // Raw; may lie outside 0..3 in a damaged file (MakeUsedItems falls back
    // to set 0). MainSettings keeps it in step with its used-items model.
    std::int32_t usedItemsSetIndex() const { return value(SettingsLine::UsedItemsSetIndex); }
    void setUsedItemsSetIndex(std::int32_t v) { setValue(SettingsLine::UsedItemsSetIndex, v); }
    std::int32_t helpItemHeight() const { return value(SettingsLine::HelpItemHeight); }
    void setHelpItemHeight(std::int32_t v) { setValue(SettingsLine::HelpItemHeight, v); }
    bool dragShadow() const { return flag(SettingsLine::DragShadow); }
    void setDragShadow(bool v) { setFlag(SettingsLine::DragShadow, v); }
    ColorCode dragTextColor() const { return value(SettingsLine::DragTextColor); }
    void setDragTextColor(ColorCode v) { setValue(SettingsLine::DragTextColor, v); }
    bool dragShapedMode() const { return flag(SettingsLine::DragShapedMode); }
    void setDragShapedMode(bool v) { setFlag(SettingsLine::DragShapedMode, v); }

    const std::array<std::int32_t, kSettingsBlockSize> &values() const { return m_values; }

    friend bool operator==(const SettingsBlock &, const SettingsBlock &) = default;

  private:
    std::array<std::int32_t, kSettingsBlockSize> m_values{};
};

} // namespace qor
