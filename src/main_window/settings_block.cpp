#include "main_window/settings_block.h"

#include <algorithm>
#include <limits>

namespace qor {

SettingRange settingRange(int line) {
    using namespace SettingsLine;
    constexpr SettingRange any{std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max()};
    constexpr SettingRange flag{0, 1};
    constexpr SettingRange pixels{0, kMaxPixelSize};
    constexpr SettingRange percent{25, 300};
    switch (line) {
    case MenuGridLinesHor:
    case MenuGridLinesVer:
    case MenuCanQuickSearsh:
    case MenuShowHints:
    case MenuFastFindStartWithCurElement:
    case MenuCanGrayedDisabledItem:
    case PerkPhysician:
    case PerkBenefactor:
    case PerkPoisoner:
    case MenuScrollForLBox:
    case MenuCanLightLBox:
    case DrawVertLines:
    case PerkPurity:
    case MenuShowFormFavorites:
    case MenuShowUsedItemsList:
    case PictureWindowOpen:
    case DragShadow:
    case DragShapedMode:
        return flag;
    case GridRowHeight:
    case LbPotionItemHeight:
    case LbFavoritesItemHeight:
        return {10, 100};
    case HeaderHeight:
    case SplitterThickness:
    case HeaderEffInfoHeight:
    case GridHeaderRowHeight:
        return {1, 50};
    case PanelCapLBPotionsHeight:
    case PanelCap2Height:
    case PanelCapGridHeight:
        return {0, 50};
    case UsedItemsItemHeight:
    case AltListsItemHeight:
    case LbEffectInfoItemHeight:
    case FavoritesItemHeight:
    case HelpItemHeight:
        return {10, 50};
    case PanelItemDisplayWidth:
    case PanelPotionInfoHeight:
    case PanelLbPotionsMainHeight:
    case PageControlHeight:
    case PanelAddInfoWidth:
    case PanelPotionTypeWidth:
    case PanelEffInfoWidth:
    case PanelInfoMainWidth:
    case HelpListWidth:
    case FavoritesEffGroupHeight:
        return pixels;
    case PotionColor2Percent:
    case GridColor2Percent:
    case EffInfoColor2Percent:
        return percent;
    case FastFindTimeout:
        return {100, 5000};
    case GridSelRow:
        return {0, any.max};
    case DropDownCount:
        return {5, 50};
    case PotionSortCode:
        return {-kMaxPotionFindCol, kMaxPotionFindCol};
    case GridSortCode:
        return {-kMaxGridFindCol, kMaxGridFindCol};
    case GridFindCol:
        return {1, kMaxGridFindCol};
    case PotionFindCol:
        return {0, kMaxPotionFindCol};
    case AlchemyFortify:
        return {0, 400};
    case AlchemySkill:
        return {0, 200};
    case AlchemistRanks:
        return {0, 5};
    case EffColorChar:
        return {0, 255};
    case DragImageSize:
        return {24, 100};
    case DragBlend:
        return {10, 255};
    case UsedItemsSetIndex:
        return {0, 3};
    case Reserved14:
    case Reserved69:
    case Reserved70:
    case Reserved71:
        return {0, 0};
    default: // colours
        return any;
    }
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
