// Favourite recipes, ingredients and effects: list operations with their
// selection rules, and filling the recipe list from the favourites.

#include "favorites/favorites_model.h"

#include "engine/potion_list.h"
#include "game_data/game_data.h"

#include <gtest/gtest.h>

using namespace qor;

namespace {

GameData smallData() {
    GameData d;
    d.ItemTable.resize(4);
    d.ItemNames = {QString(), QStringLiteral("Корень"), QStringLiteral("Гриб"), QStringLiteral("Перо")};
    d.EffectTable.resize(3);
    d.EffectNames = {QString(), QStringLiteral("Лечение"), QStringLiteral("Яд")};
    return d;
}

TPotionRec recipe(int a, int b, int cost, int mainSlot = 1) {
    TPotionRec r;
    r.Items = {a, b, 0};
    r.ItemCount = 2;
    r.EffCount = 2;
    r.MainEffSlot = mainSlot;
    r.Cost = cost;
    r.Effects[0] = {1, 5, 0, cost};
    r.Effects[1] = {2, 3, 10, 1};
    return r;
}

QStringList names(const FavoritesModel &m) {
    return m.FavPotionNames;
}

TEST(FavoritesModel, DefaultNameUsesTheMainEffectSlot) {
    const GameData d = smallData();
    EXPECT_EQ(defaultPotionName(recipe(1, 2, 10, 2), d), QStringLiteral("Корень + Гриб = Яд"));
    EXPECT_EQ(defaultPotionName(TPotionRec{}, d), QString());
}

TEST(FavoritesModel, AddInsertRenameKeepNamesParallel) {
    FavoritesModel m;
    EXPECT_EQ(m.addPotion(recipe(1, 2, 10), QStringLiteral("a")), 0);
    EXPECT_EQ(m.addPotion(recipe(1, 3, 20), QStringLiteral("b")), 1);
    EXPECT_EQ(m.insertPotion(1, recipe(2, 3, 30), QStringLiteral("c")), 1);
    EXPECT_EQ(m.insertPotion(99, recipe(2, 3, 40), QStringLiteral("d")), 3);
    EXPECT_EQ(names(m), (QStringList{"a", "c", "b", "d"}));
    EXPECT_EQ(m.FavPotions[1].Cost, 30);
    EXPECT_TRUE(m.renamePotion(2, QString())); // an empty name is accepted
    EXPECT_FALSE(m.renamePotion(4, QStringLiteral("x")));
    EXPECT_EQ(names(m), (QStringList{"a", "c", "", "d"}));
}

TEST(FavoritesModel, DeleteKeepsTheRowOrMovesUpFromTheLast) {
    FavoritesModel m;
    for (int i = 0; i < 3; ++i)
        m.addPotion(recipe(1, 2, i), QString::number(i));
    EXPECT_EQ(m.deletePotion(5), -1);
    EXPECT_EQ(m.potionCount(), 3);
    EXPECT_EQ(m.deletePotion(1), 1); // "2" moves up into row 1
    EXPECT_EQ(names(m), (QStringList{"0", "2"}));
    EXPECT_EQ(m.deletePotion(1), 0);  // the last row: one up
    EXPECT_EQ(m.deletePotion(0), -1); // the only one: empty list
    EXPECT_EQ(m.potionCount(), 0);
    EXPECT_TRUE(m.FavPotionNames.isEmpty());
}

TEST(FavoritesModel, MoveCarriesRecordAndNameTogether) {
    FavoritesModel m;
    for (int i = 0; i < 4; ++i)
        m.addPotion(recipe(1, 2, i), QString::number(i));
    EXPECT_EQ(m.movePotion(0, 2), 2);
    EXPECT_EQ(names(m), (QStringList{"1", "2", "0", "3"}));
    EXPECT_EQ(m.movePotion(3, 0), 0);
    EXPECT_EQ(names(m), (QStringList{"3", "1", "2", "0"}));
    EXPECT_EQ(m.movePotion(1, 100), 3); // below the last row: to the end
    EXPECT_EQ(names(m), (QStringList{"3", "2", "0", "1"}));
    EXPECT_EQ(m.movePotion(-1, 0), -1);
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(QString::number(m.FavPotions[static_cast<std::size_t>(row)].Cost), names(m).at(row));
}

TEST(FavoritesModel, IngredientAndEffectListsRefuseRepeats) {
    FavoritesModel m;
    EXPECT_EQ(m.insertItem(0, 5), 0);
    EXPECT_EQ(m.insertItem(-1, 7), 1); // below the last row: appended
    EXPECT_EQ(m.insertItem(1, 6), 1);  // between two rows
    EXPECT_EQ(m.insertItem(0, 7), -1); // already there: nothing changes
    EXPECT_EQ(m.FavItems, (std::vector<std::int32_t>{5, 6, 7}));
    EXPECT_EQ(m.moveItem(0, 10), 2);
    EXPECT_EQ(m.FavItems, (std::vector<std::int32_t>{6, 7, 5}));
    EXPECT_EQ(m.deleteItem(2), 1);
    EXPECT_EQ(m.FavItems, (std::vector<std::int32_t>{6, 7}));

    EXPECT_EQ(m.insertEffect(3, 2), 0);
    EXPECT_EQ(m.insertEffect(0, 2), -1);
    EXPECT_EQ(m.moveEffect(0, 0), 0);
    EXPECT_EQ(m.deleteEffect(0), -1);
    EXPECT_TRUE(m.FavEffects.empty());
}

TEST(FavoritesModel, NamesOfStaleIndicesShowADash) {
    const GameData d = smallData();
    FavoritesModel m;
    m.FavItems = {3, 40};
    m.FavEffects = {2, -1};
    EXPECT_EQ(m.itemName(0, d), QStringLiteral("Перо"));
    EXPECT_EQ(m.itemName(1, d), QStringLiteral("-"));
    EXPECT_EQ(m.itemName(2, d), QStringLiteral("-"));
    EXPECT_EQ(m.effectName(0, d), QStringLiteral("Яд"));
    EXPECT_EQ(m.effectName(1, d), QStringLiteral("-"));
}

TEST(FillFromFavorites, OneOrAllSortedAndAlwaysCleared) {
    const GameData d = smallData();
    FavoritesModel m;
    m.addPotion(recipe(1, 2, 10), QStringLiteral("a"));
    m.addPotion(recipe(1, 3, 30), QStringLiteral("b"));
    m.addPotion(recipe(2, 3, 20), QStringLiteral("c"));

    PotionList list;
    list.AddPotion(recipe(3, 3, 99)); // left over from an earlier search
    list.PotionSortCode = -PotionColumn::Cost;
    EXPECT_EQ(FillLbPotionsFromFavorites(m, false, 2, d, list), 1);
    EXPECT_EQ(list[0].Cost, 20);

    EXPECT_EQ(FillLbPotionsFromFavorites(m, true, -1, d, list), 3);
    EXPECT_EQ(list[0].Cost, 30);
    EXPECT_EQ(list[1].Cost, 20);
    EXPECT_EQ(list[2].Cost, 10);

    EXPECT_EQ(FillLbPotionsFromFavorites(m, false, -1, d, list), 0); // no row selected
    EXPECT_EQ(FillLbPotionsFromFavorites(m, false, 3, d, list), 0);
}

TEST(FillFromFavorites, RecipesThatDoNotFitTheDataAreLeftOut) {
    const GameData d = smallData();
    FavoritesModel m;
    m.addPotion(recipe(1, 2, 10), QStringLiteral("ok"));
    m.addPotion(recipe(1, 9, 10), QStringLiteral("ingredient beyond the table"));
    TPotionRec badEffect = recipe(1, 2, 10);
    badEffect.Effects[4].Effect = 3;
    m.addPotion(badEffect, QStringLiteral("effect beyond the table"));
    TPotionRec badKey = recipe(1, 2, 10);
    badKey.Effects[0].Power = 2000000; // would overrun the sort's counters
    m.addPotion(badKey, QStringLiteral("key beyond the sort range"));
    TPotionRec negative = recipe(1, 2, -5);
    m.addPotion(negative, QStringLiteral("negative price"));

    EXPECT_TRUE(potionFitsData(m.FavPotions[0], d));
    for (int i = 1; i < m.potionCount(); ++i)
        EXPECT_FALSE(potionFitsData(m.FavPotions[static_cast<std::size_t>(i)], d)) << i;

    PotionList list;
    list.PotionSortCode = PotionColumn::power(1);
    EXPECT_EQ(FillLbPotionsFromFavorites(m, true, -1, d, list), 1);
    EXPECT_EQ(FillLbPotionsFromFavorites(m, false, 3, d, list), 0);
    EXPECT_EQ(m.potionCount(), 5); // the favourites themselves stay for the file
}

} // namespace
