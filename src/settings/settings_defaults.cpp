// The first-run state, kept in one place: the initial sizes, fonts and check
// states of the main window and sensible values for everything else.

#include "settings/settings_file.h"

#include <cstdint>

namespace qor {

namespace {

// 13 pixels at 96 dpi is about 10 points, 17 pixels about 13 points.
constexpr std::int32_t kFontPt13px = 10;
constexpr std::int32_t kFontPt17px = 13;

void setDefaultBlock(SettingsBlock &b) {
    for (const SettingRow &row : settingRows())
        b.setValue(row.line, row.def);
}

void setDefaultWidths(MainSettings &s) {
    // "№", "Тип", "Цена", three ingredients, then per effect power, time,
    // price and name.
    s.headerWidths = {40, 30, 50, 140, 140, 140};
    for (int slot = 1; slot <= kMaxPotionEffects; ++slot) {
        s.headerWidths[static_cast<std::size_t>(PotionColumn::power(slot))] = 45;
        s.headerWidths[static_cast<std::size_t>(PotionColumn::time(slot))] = 45;
        s.headerWidths[static_cast<std::size_t>(PotionColumn::cost(slot))] = 45;
        s.headerWidths[static_cast<std::size_t>(PotionColumn::effect(slot))] = 140;
    }
    s.headerEffInfoWidths = {21, 50, 50, 50, 60, 70, 70};

    // Column 0 is the square picture column; then the name, four effect
    // slots of six columns, price, weight, identifier and second name.
    s.gridColumnWidths[0] = s.block.get(Setting.GridRowHeight);
    s.gridColumnWidths[1] = 140;
    for (int slot = 0; slot < 4; ++slot) {
        const int first = 2 + 6 * slot;
        for (int c = first; c < first + 5; ++c)
            s.gridColumnWidths[static_cast<std::size_t>(c)] = 45;
        s.gridColumnWidths[static_cast<std::size_t>(first + 5)] = 140;
    }
    s.gridColumnWidths[26] = 45;
    s.gridColumnWidths[27] = 45;
    s.gridColumnWidths[28] = 70;
    s.gridColumnWidths[29] = 140;
}

void setDefaultFonts(MainSettings &s) {
    const FontSetting tahoma{QStringLiteral("Tahoma"), kFontPt13px};
    const FontSetting sansSerif{QStringLiteral("MS Sans Serif"), kFontPt13px};
    s.font(SettingsFont::LBPotion) = sansSerif;
    s.font(SettingsFont::UsedItemsList) = sansSerif;
    s.font(SettingsFont::DropDown) = sansSerif;
    s.font(SettingsFont::StringGrid) = sansSerif;
    s.font(SettingsFont::LBFavorites) = FontSetting{QStringLiteral("Courier"), kFontPt17px};
    s.font(SettingsFont::LbItemsInfo) = sansSerif;
    s.font(SettingsFont::LbEffectInfo) = sansSerif;
    s.font(SettingsFont::LabelAddInfo) = tahoma;
    s.font(SettingsFont::LbHelp) = tahoma;
    s.font(SettingsFont::PanelCount) = tahoma;
    s.font(SettingsFont::FavoritesLists) = tahoma;
    s.font(SettingsFont::MainForm) = tahoma;
    s.font(SettingsFont::AltLists) = sansSerif;
    s.font(SettingsFont::DragText) = tahoma;
}

} // namespace

MainSettings defaultSettings(int itemRecordCount) {
    MainSettings s;
    setDefaultBlock(s.block);
    setDefaultWidths(s);
    setDefaultFonts(s);

    s.pictureWindowBounds = {100, 100, 400, 400};
    s.usedItemsWindowBounds = {700, 150, 1000, 650};
    s.favoritesWindowBounds = {400, 150, 700, 650};

    s.usedItems.UsedItemsSetNames = {QStringLiteral("Все ингредиенты"), QStringLiteral("Набор 2"),
                                     QStringLiteral("Набор 3"), QStringLiteral("Набор 4")};
    s.usedItems.resize(itemRecordCount);
    auto &all = s.usedItems.UsedItemsSets[0];
    for (std::size_t i = 1; i < all.size(); ++i)
        all[i] = 1;
    s.setUsedItemsSetIndex(0);
    s.usedItems.MakeUsedItems();
    // The slots start as an empty search, every effect line enabled.
    s.SearchSlots.fill(SearchConditions{});
    return s;
}

WindowBounds fitToolWindowToScreen(const WindowBounds &saved, int screenWidth, int screenHeight) {
    // 64-bit sums: a damaged file may hold edges near the int32 limits.
    const auto beyond = [](std::int32_t edge, int screen) {
        return std::int64_t{screen} < std::int64_t{edge} + 20;
    };
    // A damaged file may also hold an empty, inverted or absurdly placed
    // rectangle, whose width would overflow wherever it is applied.
    const auto sane = [](std::int32_t first, std::int32_t last) {
        const std::int64_t extent = std::int64_t{last} - first;
        return first >= -kMaxPixelSize && extent >= 1 && extent <= kMaxPixelSize;
    };
    // Nor may it lie (almost) wholly left of or above the screen, where it
    // could not be reached.
    const auto reachable = [](std::int32_t last) { return last >= 20; };
    if (sane(saved.left, saved.right) && sane(saved.top, saved.bottom) && !beyond(saved.right, screenWidth) &&
        !beyond(saved.bottom, screenHeight) && reachable(saved.right) && reachable(saved.bottom))
        return saved;
    return {screenWidth / 3, screenHeight / 4, screenWidth - screenWidth / 3,
            screenHeight - screenHeight / 4};
}

void MainSettings::setUsedItemsSetIndex(std::int32_t v) {
    usedItems.UsedItemsSetIndex = v;
    block.set(Setting.UsedItemsSetIndex, v);
}

} // namespace qor
