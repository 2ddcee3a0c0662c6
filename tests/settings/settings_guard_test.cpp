// Values read from a file written for other data never index beyond the
// current tables.

#include "settings/settings_file.h"
#include "settings/settings_guard.h"

#include "game_data/game_data.h"

#include <gtest/gtest.h>

#include <concepts>
#include <cstdint>

using namespace qor;

namespace {

GameData smallData() {
    GameData d;
    d.ItemTable.resize(3);
    d.ItemNames = {QStringLiteral("-"), QStringLiteral("Корень"), QStringLiteral("Гриб")};
    d.EffectTable.resize(2);
    d.EffectNames = {QString(), QStringLiteral("Лечение")};
    d.CostList = {0, 50, 100};
    for (int i = 0; i < kFixedFilterCount + 1; ++i)
        d.FilterList.append(QStringLiteral("f%1").arg(i));
    return d;
}

TEST(SettingsGuard, NamesBeyondTheTablesShowADash) {
    const GameData d = smallData();
    EXPECT_EQ(itemNameOrDash(d, 2), QStringLiteral("Гриб"));
    EXPECT_EQ(itemNameOrDash(d, 3), QStringLiteral("-"));
    EXPECT_EQ(itemNameOrDash(d, -1), QStringLiteral("-"));
    EXPECT_EQ(effectNameOrDash(d, 1), QStringLiteral("Лечение"));
    EXPECT_EQ(effectNameOrDash(d, 2), QStringLiteral("-"));
}

TEST(SettingsGuard, PriceIndexBeyondCostListMeansNoBound) {
    const GameData d = smallData();
    EXPECT_EQ(costBound(d, 2), 100);
    EXPECT_EQ(costBound(d, 0), 0);
    EXPECT_FALSE(costBound(d, 3).has_value());
    EXPECT_FALSE(costBound(d, -1).has_value());
}

TEST(SettingsGuard, SlotIsFittedToTheChoosersButKeepsGoodValues) {
    const GameData d = smallData();
    SearchConditions raw;
    raw.CostMinIndex = 1;
    raw.CostMaxIndex = 40;
    raw.RequiredItem1 = 2;
    raw.RequiredItem2 = 3;
    raw.ItemsCountMode = 5;
    raw.FilterCode = {7, 8, -1, 2, 0};
    raw.WantedEffect = {1, 2, 0, -3, 1};
    raw.CheckCost = true;

    const SearchConditions fit = fitSlotToChoosers(raw, d);
    EXPECT_EQ(fit.CostMinIndex, 1);
    EXPECT_EQ(fit.CostMaxIndex, 2);
    EXPECT_EQ(fit.RequiredItem1, 2);
    EXPECT_EQ(fit.RequiredItem2, 0);
    EXPECT_EQ(fit.ItemsCountMode, 0);
    EXPECT_EQ(fit.FilterCode, (std::array<std::int32_t, 5>{7, 0, 0, 2, 0}));
    EXPECT_EQ(fit.WantedEffect, (std::array<std::int32_t, 5>{1, 0, 0, 0, 1}));
    EXPECT_TRUE(fit.CheckCost);
    EXPECT_EQ(fitSlotToChoosers(fit, d), fit);
}

TEST(SettingsGuard, SetIndexOutsideTheRangeFallsBackWithoutLosingTheFile) {
    MainSettings s = defaultSettings(3);
    s.setUsedItemsSetIndex(9);
    s.usedItems.UsedItemsSets[0] = {0, 1, 0};
    EXPECT_EQ(s.usedItems.currentSet(), 0);

    MainSettings back;
    ASSERT_TRUE(parseSettings(serializeSettings(s), 3, back).ok());
    EXPECT_EQ(back.usedItemsSetIndex(), 9); // raw value kept for the file
    EXPECT_EQ(back.usedItems.ItemAvailable, (std::vector<std::uint8_t>{0, 1, 0}));
    EXPECT_EQ(back.usedItems.MakeUsedItems(), 1);
    EXPECT_EQ(back.usedItems.UsedItemsSetIndex, 0);
}

TEST(SettingsGuard, SetsFollowTheIngredientCountOfTheData) {
    // A file written for four ingredients read with data of two, and back.
    MainSettings four = defaultSettings(5);
    four.usedItems.UsedItemsSets[1] = {0, 1, 1, 1, 1};
    MainSettings two;
    ASSERT_TRUE(parseSettings(serializeSettings(four), 3, two).ok());
    EXPECT_EQ(two.usedItems.UsedItemsSets[1], (std::vector<std::uint8_t>{0, 1, 1}));
    EXPECT_EQ(two.usedItems.ItemAvailable.size(), 3u);
    MainSettings grown;
    ASSERT_TRUE(parseSettings(serializeSettings(two), 5, grown).ok());
    EXPECT_EQ(grown.usedItems.UsedItemsSets[1], (std::vector<std::uint8_t>{0, 1, 1, 0, 0}));
}

TEST(SettingsDefaults, FirstRunValues) {
    const MainSettings s = defaultSettings(4);
    EXPECT_EQ(s.block.get(Setting.AlchemySkill), 15);
    EXPECT_TRUE(s.block.get(Setting.MenuCanQuickSearsh));
    EXPECT_TRUE(s.block.get(Setting.MenuFastFindStartWithCurElement));
    EXPECT_EQ(s.block.get(Setting.DropDownCount), 32);
    EXPECT_EQ(s.block.get(Setting.EffColorChar), 0x95);
    EXPECT_EQ(s.block.get(Setting.GridFindCol), 1);
    EXPECT_EQ(s.block.get(Setting.PotionFindCol), 3);
    EXPECT_EQ(s.usedItems.UsedItemsSets[0], (std::vector<std::uint8_t>{0, 1, 1, 1}));
    EXPECT_EQ(s.usedItems.ItemAvailable, (std::vector<std::uint8_t>{0, 1, 1, 1}));
    EXPECT_EQ(s.usedItems.setName(0), QStringLiteral("Все ингредиенты"));
    EXPECT_EQ(s.gridColumnWidths[0], s.block.get(Setting.GridRowHeight)); // square picture cells
    EXPECT_EQ(s.font(SettingsFont::LBFavorites).name, QStringLiteral("Courier"));
    for (int line : {14, 69, 70, 71})
        EXPECT_EQ(s.block.value(line), 0);
    // Every width is positive so that every column shows.
    for (int w : s.headerWidths)
        EXPECT_GT(w, 0);
    for (int w : s.gridColumnWidths)
        EXPECT_GT(w, 0);
}

TEST(SettingsBlockAccess, OutOfRangeLinesAndSkillSettings) {
    SettingsBlock b;
    b.setValue(0, 5);
    b.setValue(72, 5);
    EXPECT_EQ(b.value(0), 0);
    EXPECT_EQ(b.value(72), 0);
    EXPECT_EQ(b, SettingsBlock{});

    SkillSettings skills;
    skills.AlchemySkill = 100;
    skills.AlchemyFortify = 25;
    skills.AlchemistRanks = 5;
    skills.PerkBenefactor = true;
    skills.PerkPurity = true;
    b.setSkillSettings(skills);
    EXPECT_EQ(b.value(Setting.AlchemySkill.line), 100);
    EXPECT_EQ(b.value(Setting.AlchemyFortify.line), 25);
    EXPECT_EQ(b.value(Setting.AlchemistRanks.line), 5);
    EXPECT_EQ(b.value(Setting.PerkBenefactor.line), 1);
    EXPECT_EQ(b.value(Setting.PerkPurity.line), 1);
    EXPECT_EQ(b.value(Setting.PerkPoisoner.line), 0);
    const SkillSettings back = b.skillSettings();
    EXPECT_EQ(back.AlchemySkill, 100);
    EXPECT_TRUE(back.PerkBenefactor);
    EXPECT_FALSE(back.PerkPhysician);
}

} // namespace

namespace {

TEST(ToolWindowBounds, RectangleNearOrBeyondTheScreenEdgeIsCentred) {
    const WindowBounds inside{100, 100, 1899, 1059};
    EXPECT_EQ(fitToolWindowToScreen(inside, 1920, 1080), inside);
    const WindowBounds centred{640, 270, 1280, 810};
    EXPECT_EQ(fitToolWindowToScreen({100, 100, 1901, 500}, 1920, 1080), centred);
    EXPECT_EQ(fitToolWindowToScreen({100, 100, 500, 1061}, 1920, 1080), centred);
    EXPECT_EQ(fitToolWindowToScreen({0, 0, 2147483647, 0}, 1920, 1080), centred);
    EXPECT_EQ(fitToolWindowToScreen({0, 0, 990, 10}, 1001, 1003), (WindowBounds{333, 250, 668, 753}));
}

} // namespace

namespace {

TEST(SettingsBlockRanges, ClampedValuesForDamagedFiles) {
    SettingsBlock b;
    b.set(Setting.GridRowHeight, 5);
    b.set(Setting.DropDownCount, 1000000);
    b.set(Setting.PanelEffInfoWidth, -40);
    b.set(Setting.PoisonEffColor, -2147483647); // a system colour stays as it is
    b.set(Setting.UsedItemsSetIndex, 7);
    b.set(Setting.PotionSortCode, -99);
    b.set(Setting.MenuShowHints, true);
    b.setValue(Setting.DragShadow.line, 5);
    b.set(Setting.FastFindTimeout, 1000);
    EXPECT_EQ(b.clamped(Setting.GridRowHeight), 10);
    EXPECT_EQ(b.clamped(Setting.DropDownCount), 50);
    EXPECT_EQ(b.clamped(Setting.PanelEffInfoWidth), 0);
    EXPECT_EQ(b.clamped(Setting.PoisonEffColor), -2147483647);
    EXPECT_EQ(b.clamped(Setting.UsedItemsSetIndex), 3);
    EXPECT_EQ(b.clamped(Setting.PotionSortCode), -25);
    EXPECT_TRUE(b.get(Setting.MenuShowHints));
    EXPECT_FALSE(b.get(Setting.DragShadow)); // on only for exactly 1
    EXPECT_EQ(b.clamped(Setting.FastFindTimeout), 1000);
    EXPECT_EQ(b.value(Setting.DropDownCount.line), 1000000); // the raw value stays

    // Every default lies inside its range.
    const MainSettings d = defaultSettings(2);
    for (int line = 1; line <= kSettingsBlockSize; ++line)
        EXPECT_EQ(d.block.clampedValue(line), d.block.value(line)) << "line " << line;
}

// A key takes only a value of its own type and reads as that type.
template <typename Key, typename Value>
concept Settable = requires(SettingsBlock b, Key key, Value v) {
    b.set(key, v);
};
static_assert(Settable<FlagKey, bool> && !Settable<FlagKey, int>);
static_assert(Settable<NumberKey, int> && !Settable<NumberKey, bool> && !Settable<NumberKey, double>);
static_assert(Settable<CharKey, std::uint8_t> && !Settable<CharKey, int>);
static_assert(!Settable<ReservedKey, int>);
static_assert(std::same_as<decltype(SettingsBlock{}.get(Setting.MenuShowHints)), bool>);
static_assert(std::same_as<decltype(SettingsBlock{}.get(Setting.EffColorChar)), std::uint8_t>);

} // namespace
