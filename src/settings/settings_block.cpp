#include "settings/settings_block.h"

#include "engine/potion_rec.h"

#include <algorithm>
#include <limits>

namespace qor {

namespace {

namespace L = SettingsLine;

constexpr std::int32_t kAnyMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kAnyMax = std::numeric_limits<std::int32_t>::max();

constexpr ColorCode rgb(int r, int g, int b) {
    return static_cast<ColorCode>(r | (g << 8) | (b << 16));
}

constexpr SettingRow flag(int line, const char *name, bool on) {
    return {line, name, 0, 1, on ? 1 : 0};
}

constexpr SettingRow colour(int line, const char *name, ColorCode def) {
    return {line, name, kAnyMin, kAnyMax, def};
}

constexpr SettingRow pixels(int line, const char *name, std::int32_t def) {
    return {line, name, 0, kMaxPixelSize, def};
}

constexpr SettingRow reserved(int line, const char *name) {
    return {line, name, 0, 0, 0};
}

// Every line of the block with its range and first-run value. The default
// sizes and check states are those of the window as first laid out.
constexpr std::array<SettingRow, kSettingsBlockSize> kRows{{
    flag(L::MenuGridLinesHor, "MenuGridLinesHor", false),
    flag(L::MenuGridLinesVer, "MenuGridLinesVer", true),
    {L::GridRowHeight, "GridRowHeight", 10, 100, 20},
    pixels(L::PanelItemDisplayWidth, "PanelItemDisplayWidth", 147),
    pixels(L::PanelPotionInfoHeight, "PanelPotionInfoHeight", 143),
    pixels(L::PanelLbPotionsMainHeight, "PanelLbPotionsMainHeight", 178),
    pixels(L::PageControlHeight, "PageControlHeight", 200),
    colour(L::PicBgColor, "PicBgColor", rgb(255, 255, 255)),
    {L::LbPotionItemHeight, "LbPotionItemHeight", 10, 100, 25},
    {L::HeaderHeight, "HeaderHeight", 1, 50, 19},
    {L::SplitterThickness, "SplitterThickness", 1, 50, 6},
    flag(L::MenuCanQuickSearsh, "MenuCanQuickSearsh", true),
    pixels(L::PanelAddInfoWidth, "PanelAddInfoWidth", 116),
    reserved(L::Reserved14, "Reserved14"),
    {L::FastFindTimeout, "FastFindTimeout", 100, 5000, 1000},
    pixels(L::PanelPotionTypeWidth, "PanelPotionTypeWidth", 55),
    {L::PanelCapLBPotionsHeight, "PanelCapLBPotionsHeight", 0, 50, 19},
    {L::PanelCap2Height, "PanelCap2Height", 0, 50, 17},
    {L::PanelCapGridHeight, "PanelCapGridHeight", 0, 50, 19},
    {L::GridSelRow, "GridSelRow", 0, kAnyMax, 1},
    {L::DropDownCount, "DropDownCount", 5, 50, 32},
    {L::UsedItemsItemHeight, "UsedItemsItemHeight", 10, 50, 20},
    {L::PotionColor2Percent, "PotionColor2Percent", 25, 300, 93},
    flag(L::MenuShowHints, "MenuShowHints", true),
    {L::AltListsItemHeight, "AltListsItemHeight", 10, 50, 17},
    pixels(L::PanelEffInfoWidth, "PanelEffInfoWidth", 375),
    {L::HeaderEffInfoHeight, "HeaderEffInfoHeight", 1, 50, 17},
    {L::LbEffectInfoItemHeight, "LbEffectInfoItemHeight", 10, 50, 17},
    {L::PotionSortCode, "PotionSortCode", -kMaxPotionFindCol, kMaxPotionFindCol, -PotionColumn::Cost},
    pixels(L::PanelInfoMainWidth, "PanelInfoMainWidth", 347),
    {L::GridFindCol, "GridFindCol", 1, kMaxGridFindCol, 1},
    colour(L::PoisonEffColor, "PoisonEffColor", rgb(192, 0, 0)),
    colour(L::GoodEffColor, "GoodEffColor", rgb(0, 128, 0)),
    {L::LbFavoritesItemHeight, "LbFavoritesItemHeight", 10, 100, 16},
    {L::GridColor2Percent, "GridColor2Percent", 25, 300, 93},
    pixels(L::HelpListWidth, "HelpListWidth", 501),
    {L::PotionFindCol, "PotionFindCol", 0, kMaxPotionFindCol, 3},
    // Dark enough to read as text on both row colours and on the selection;
    // as a marker background it takes white text.
    colour(L::DefMarkerColor, "DefMarkerColor", rgb(64, 0, 0)),
    {L::AlchemyFortify, "AlchemyFortify", 0, 400, 0},
    flag(L::MenuFastFindStartWithCurElement, "MenuFastFindStartWithCurElement", true),
    flag(L::MenuCanGrayedDisabledItem, "MenuCanGrayedDisabledItem", false),
    {L::GridHeaderRowHeight, "GridHeaderRowHeight", 1, 50, 20},
    {L::EffInfoColor2Percent, "EffInfoColor2Percent", 25, 300, 93},
    {L::AlchemySkill, "AlchemySkill", 0, 200, 15},
    {L::AlchemistRanks, "AlchemistRanks", 0, 5, 0},
    flag(L::PerkPhysician, "PerkPhysician", false),
    flag(L::PerkBenefactor, "PerkBenefactor", false),
    flag(L::PerkPoisoner, "PerkPoisoner", false),
    flag(L::MenuScrollForLBox, "MenuScrollForLBox", false),
    flag(L::MenuCanLightLBox, "MenuCanLightLBox", false),
    // The lit cell's text: reads on both row colours and on the selection.
    colour(L::CellLightColor, "CellLightColor", rgb(0, 0, 96)),
    flag(L::DrawVertLines, "DrawVertLines", false),
    colour(L::VertLineColor, "VertLineColor", rgb(192, 192, 192)),
    {L::GridSortCode, "GridSortCode", -kMaxGridFindCol, kMaxGridFindCol, 0},
    {L::FavoritesItemHeight, "FavoritesItemHeight", 10, 50, 20},
    pixels(L::FavoritesEffGroupHeight, "FavoritesEffGroupHeight", 150),
    flag(L::PerkPurity, "PerkPurity", false),
    {L::EffColorChar, "EffColorChar", 0, 255, 0x95},
    {L::DragImageSize, "DragImageSize", 24, 100, 48},
    {L::DragBlend, "DragBlend", 10, 255, 200},
    flag(L::MenuShowFormFavorites, "MenuShowFormFavorites", false),
    flag(L::MenuShowUsedItemsList, "MenuShowUsedItemsList", false),
    flag(L::PictureWindowOpen, "PictureWindowOpen", false),
    {L::UsedItemsSetIndex, "UsedItemsSetIndex", 0, 3, 0},
    {L::HelpItemHeight, "HelpItemHeight", 10, 50, 16},
    flag(L::DragShadow, "DragShadow", true),
    colour(L::DragTextColor, "DragTextColor", rgb(0, 0, 0)),
    flag(L::DragShapedMode, "DragShapedMode", false),
    reserved(L::Reserved69, "Reserved69"),
    reserved(L::Reserved70, "Reserved70"),
    reserved(L::Reserved71, "Reserved71"),
}};

constexpr bool rowsAreComplete() {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const SettingRow &row = kRows[i];
        if (row.line != static_cast<int>(i) + 1 || row.name == nullptr || row.min > row.max ||
            row.def < row.min || row.def > row.max)
            return false;
    }
    return true;
}
static_assert(rowsAreComplete(), "one row per line, in line order, each default within its range");

} // namespace

std::span<const SettingRow, kSettingsBlockSize> settingRows() {
    return kRows;
}

SettingRange settingRange(int line) {
    if (line < 1 || line > kSettingsBlockSize)
        return {kAnyMin, kAnyMax};
    const SettingRow &row = kRows[static_cast<std::size_t>(line - 1)];
    return {row.min, row.max};
}

std::int32_t SettingsBlock::clampedValue(int line) const {
    const SettingRange r = settingRange(line);
    // A flag is on only for exactly 1, so 5 is off rather than clamped to on.
    if (r.min == 0 && r.max == 1)
        return flag(line) ? 1 : 0;
    return std::clamp(value(line), r.min, r.max);
}

std::int32_t SettingsBlock::value(int line) const {
    if (line < 1 || line > kSettingsBlockSize)
        return 0;
    return m_values[static_cast<std::size_t>(line - 1)];
}

void SettingsBlock::setValue(int line, std::int32_t v) {
    if (line < 1 || line > kSettingsBlockSize)
        return;
    m_values[static_cast<std::size_t>(line - 1)] = v;
}

void SettingsBlock::applyReadCorrections() {
    const std::int32_t grid = gridFindCol();
    if (grid == 0 || grid > kMaxGridFindCol)
        setGridFindCol(1);
    if (potionFindCol() > kMaxPotionFindCol)
        setPotionFindCol(3);
}

void SettingsBlock::clearReserved() {
    setValue(SettingsLine::Reserved14, 0);
    setValue(SettingsLine::Reserved69, 0);
    setValue(SettingsLine::Reserved70, 0);
    setValue(SettingsLine::Reserved71, 0);
}

void SettingsBlock::normalizeFlags() {
    for (int line = 1; line <= kSettingsBlockSize; ++line) {
        const SettingRange r = settingRange(line);
        if (r.min == 0 && r.max == 1)
            setFlag(line, flag(line));
    }
}

SkillSettings SettingsBlock::skillSettings() const {
    SkillSettings s;
    s.AlchemySkill = alchemySkill();
    s.AlchemyFortify = alchemyFortify();
    s.AlchemistRanks = alchemistRanks();
    s.PerkPhysician = perkPhysician();
    s.PerkBenefactor = perkBenefactor();
    s.PerkPoisoner = perkPoisoner();
    s.PerkPurity = perkPurity();
    return s;
}

SkillSettings SettingsBlock::clampedSkillSettings() const {
    SkillSettings s = skillSettings();
    s.AlchemySkill = clampedValue(SettingsLine::AlchemySkill);
    s.AlchemyFortify = clampedValue(SettingsLine::AlchemyFortify);
    s.AlchemistRanks = clampedValue(SettingsLine::AlchemistRanks);
    return s;
}

void SettingsBlock::setSkillSettings(const SkillSettings &s) {
    setAlchemySkill(s.AlchemySkill);
    setAlchemyFortify(s.AlchemyFortify);
    setAlchemistRanks(s.AlchemistRanks);
    setPerkPhysician(s.PerkPhysician);
    setPerkBenefactor(s.PerkBenefactor);
    setPerkPoisoner(s.PerkPoisoner);
    setPerkPurity(s.PerkPurity);
}

} // namespace qor
