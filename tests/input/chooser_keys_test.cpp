// Shift and Ctrl arrows in the choosers of the search pages, and the check
// box the space bar toggles.

#include "input/chooser_keys.h"

#include "game_data/cp1251_text.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

const KeyModifiers kShift{true, false, false}, kCtrl{false, true, false}, kCtrlShift{true, true, false};

ChooserRef named(const char *name) {
    return chooserOfName(QString::fromLatin1(name));
}

TEST(ChooserKeys, NamesRoundTrip) {
    for (const char *name : {"CbEffect1", "CbEffect5", "CbFilter3", "CbPrioriryIngredient2", "CbIngredient3",
                             "ComboBoxCost_Min", "ComboBoxCost_Max"}) {
        const ChooserRef ref = named(name);
        EXPECT_TRUE(ref.valid()) << name;
        EXPECT_EQ(chooserName(ref), QString::fromLatin1(name));
    }
    for (const char *name :
         {"CbEffect0", "CbEffect6", "CbEffect12", "CbIngredient4", "ComboBoxCost_Min1", "LBPotion"})
        EXPECT_FALSE(named(name).valid()) << name;
}

TEST(ChooserKeys, SpaceTogglesTheBoxOfItsChooser) {
    EXPECT_EQ(chooserCheckBoxName(named("CbEffect4")), QStringLiteral("CBoxEnableEff4"));
    EXPECT_EQ(chooserCheckBoxName(named("CbFilter4")), QStringLiteral("CBoxEnableEff4"));
    EXPECT_EQ(chooserCheckBoxName(named("ComboBoxCost_Max")), QStringLiteral("CBoxNeedCheckCost"));
    EXPECT_EQ(chooserCheckBoxName(named("CbPrioriryIngredient2")), QStringLiteral("CheckBoxCanPrimaryItem2"));
    EXPECT_EQ(chooserCheckBoxName(named("CbIngredient1")), QStringLiteral("CBoxCanUseItem1"));
    EXPECT_EQ(chooserCheckBoxName(ChooserRef{}), QString());
}

TEST(ChooserKeys, CtrlArrowsBeyondTheFirstAndLastEffectRowDoNothing) {
    for (auto [name, key] :
         {std::pair{"CbEffect5", ArrowKey::Down}, std::pair{"CbEffect1", ArrowKey::Up},
          std::pair{"CbFilter5", ArrowKey::Down}, std::pair{"CbPrioriryIngredient1", ArrowKey::Up},
          std::pair{"CbIngredient3", ArrowKey::Down}}) {
        const ChooserKeyOutcome out = chooserArrowKey(named(name), key, kCtrl);
        EXPECT_TRUE(out.handled) << name;
        EXPECT_FALSE(out.target.valid()) << name;
        EXPECT_EQ(out.exchange, ChooserExchange::None) << name;
    }
}

TEST(ChooserKeys, CtrlArrowsExchangeWithTheNeighbour) {
    ChooserKeyOutcome out = chooserArrowKey(named("CbEffect3"), ArrowKey::Up, kCtrl);
    EXPECT_EQ(out.target, named("CbEffect2"));
    EXPECT_EQ(out.exchange, ChooserExchange::BothCommandsLocked);
    EXPECT_TRUE(out.lockedMove);

    out = chooserArrowKey(named("CbPrioriryIngredient1"), ArrowKey::Down, kCtrl);
    EXPECT_EQ(out.target, named("CbPrioriryIngredient2"));
    EXPECT_EQ(out.exchange, ChooserExchange::SenderCommandThenMove);

    out = chooserArrowKey(named("CbIngredient2"), ArrowKey::Down, kCtrl);
    EXPECT_EQ(out.target, named("CbIngredient3"));
    EXPECT_EQ(out.exchange, ChooserExchange::ThenMove);
    EXPECT_TRUE(out.lockedMove);
}

TEST(ChooserKeys, ShiftArrowsMoveBetweenChoosers) {
    ChooserKeyOutcome out = chooserArrowKey(named("CbFilter2"), ArrowKey::Down, kShift);
    EXPECT_EQ(out.target, named("CbFilter3"));
    EXPECT_TRUE(out.lockedMove);
    EXPECT_EQ(out.exchange, ChooserExchange::None);

    // Between effect and filter of one row: focus and command, no lock.
    out = chooserArrowKey(named("CbEffect4"), ArrowKey::Right, kShift);
    EXPECT_EQ(out.target, named("CbFilter4"));
    EXPECT_FALSE(out.lockedMove);
    out = chooserArrowKey(named("CbFilter4"), ArrowKey::Left, kShift);
    EXPECT_EQ(out.target, named("CbEffect4"));
    out = chooserArrowKey(named("CbFilter4"), ArrowKey::Right, kShift);
    EXPECT_TRUE(out.handled);
    EXPECT_FALSE(out.target.valid());

    // The second ingredient chooser steps to the third without a search.
    out = chooserArrowKey(named("CbIngredient2"), ArrowKey::Down, kShift);
    EXPECT_EQ(out.target, named("CbIngredient3"));
    EXPECT_FALSE(out.lockedMove);
    out = chooserArrowKey(named("CbIngredient1"), ArrowKey::Down, kShift);
    EXPECT_TRUE(out.lockedMove);

    out = chooserArrowKey(named("CbPrioriryIngredient2"), ArrowKey::Down, kShift);
    EXPECT_TRUE(out.handled);
    EXPECT_FALSE(out.target.valid());
}

TEST(ChooserKeys, OtherKeysGoOnToTheControl) {
    EXPECT_FALSE(chooserArrowKey(named("CbEffect3"), ArrowKey::Up, {}).handled);
    EXPECT_FALSE(chooserArrowKey(named("CbEffect3"), ArrowKey::Up, kCtrlShift).handled);
    EXPECT_FALSE(chooserArrowKey(named("CbEffect3"), ArrowKey::Left, kCtrl).handled);
    EXPECT_FALSE(chooserArrowKey(named("CbIngredient2"), ArrowKey::Right, kShift).handled);
    EXPECT_FALSE(chooserArrowKey(named("ComboBoxCost_Min"), ArrowKey::Down, kShift).handled);
    EXPECT_FALSE(chooserArrowKey(ChooserRef{}, ArrowKey::Down, kCtrl).handled);
}

} // namespace
} // namespace qor
