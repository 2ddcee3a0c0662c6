// The drag rules on plain tables: which control accepts which payload, and
// what the drops on the recipe list, the favourites and the favourite lists
// do; the effect-slot exchange of the reference table.

#include "input/drag_rules.h"
#include "recipe_list/model_test_data.h"
#include "reference_table/effect_slot_exchange.h"

#include <gtest/gtest.h>

#include <utility>

namespace qor {
namespace {

using modeltest::listOf;
using modeltest::recipe;

class DragRulesTest : public ::testing::Test {
  protected:
    DragState payload(DragControl from, PayloadKind kind, int value, int sourceRow = -1) const {
        DragState d;
        d.pickUp(from, kind, value, sourceRow);
        return d;
    }
    bool accepts(const DragState &d, DropSpot spot) const {
        return dragAccepts(d, spot, DragContext{data, alt, favorites});
    }
    static DropSpot on(DragControl target, int column = -1, bool sameControl = false) {
        DropSpot s;
        s.target = target;
        s.column = column;
        s.sameControl = sameControl;
        return s;
    }

    GameData data;
    AltMaking alt;
    FavoritesModel favorites;
};

TEST_F(DragRulesTest, NothingIsAcceptedWithoutAPayload) {
    DragState idle;
    for (DragControl target : {DragControl::EffectChooser, DragControl::Image, DragControl::Grid,
                               DragControl::Favorites, DragControl::AltAmountItems, DragControl::UsedItems})
        EXPECT_FALSE(accepts(idle, on(target))) << static_cast<int>(target);
}

TEST_F(DragRulesTest, ChoosersTakeTheirOwnKindWithinTheirItems) {
    const DragState effect = payload(DragControl::Grid, PayloadKind::Effect, 4);
    const DragState item = payload(DragControl::RecipeList, PayloadKind::Ingredient, 4, 0);
    const DragState filter = payload(DragControl::FilterChooser, PayloadKind::Filter, 4);
    DropSpot chooser = on(DragControl::EffectChooser);
    chooser.choiceCount = 10;
    EXPECT_TRUE(accepts(effect, chooser));
    EXPECT_FALSE(accepts(item, chooser));
    EXPECT_FALSE(accepts(filter, chooser));
    chooser.target = DragControl::ItemChooser;
    EXPECT_TRUE(accepts(item, chooser));
    EXPECT_FALSE(accepts(effect, chooser));
    chooser.target = DragControl::FilterChooser;
    EXPECT_TRUE(accepts(filter, chooser));
    // An ingredient chooser not filled yet has no item to show it.
    chooser.target = DragControl::ItemChooser;
    chooser.choiceCount = 0;
    EXPECT_FALSE(accepts(item, chooser));
    EXPECT_TRUE(accepts(item, on(DragControl::Image)));
    EXPECT_FALSE(accepts(effect, on(DragControl::Image)));

    // The payload is the chooser's item index: its item count is one past
    // the last item, each kind of chooser.
    for (const auto &[target, dragged] :
         {std::pair{DragControl::EffectChooser, effect}, std::pair{DragControl::ItemChooser, item},
          std::pair{DragControl::FilterChooser, filter}}) {
        chooser.target = target;
        chooser.choiceCount = dragged.DragPayload + 1;
        EXPECT_TRUE(accepts(dragged, chooser)) << static_cast<int>(target);
        chooser.choiceCount = dragged.DragPayload;
        EXPECT_FALSE(accepts(dragged, chooser)) << static_cast<int>(target);
    }
}

TEST_F(DragRulesTest, TheRecipeListTakesOnlyItsOwnElementsOverTheirColumns) {
    const DragState item = payload(DragControl::RecipeList, PayloadKind::Ingredient, 4, 0);
    const DragState effect = payload(DragControl::RecipeList, PayloadKind::Effect, 2, 0);
    for (int column : {3, 4, 5})
        EXPECT_TRUE(accepts(item, on(DragControl::RecipeList, column))) << column;
    for (int column : {-1, 0, 2, 6, 9, 26})
        EXPECT_FALSE(accepts(item, on(DragControl::RecipeList, column))) << column;
    for (int column : {9, 13, 17, 21, 25})
        EXPECT_TRUE(accepts(effect, on(DragControl::RecipeList, column))) << column;
    for (int column : {3, 10, 11, 12, 14, 26})
        EXPECT_FALSE(accepts(effect, on(DragControl::RecipeList, column))) << column;
    // The same ingredient from elsewhere is refused.
    EXPECT_FALSE(
        accepts(payload(DragControl::Grid, PayloadKind::Ingredient, 4), on(DragControl::RecipeList, 4)));
}

TEST_F(DragRulesTest, FavouritesTakeFavouritesAndRecipesOnly) {
    EXPECT_TRUE(
        accepts(payload(DragControl::Favorites, PayloadKind::Favorite, 0), on(DragControl::Favorites)));
    EXPECT_TRUE(
        accepts(payload(DragControl::RecipeList, PayloadKind::Effect, 3, 5), on(DragControl::Favorites)));
    EXPECT_FALSE(accepts(payload(DragControl::Grid, PayloadKind::Ingredient, 3), on(DragControl::Favorites)));
    EXPECT_FALSE(
        accepts(payload(DragControl::ItemsInfo, PayloadKind::Ingredient, 3), on(DragControl::Favorites)));
}

TEST_F(DragRulesTest, TheGridTakesElementsFromElsewhereAndOnlyEffectsOverEffectCellsFromItself) {
    EXPECT_TRUE(accepts(payload(DragControl::Image, PayloadKind::Ingredient, 3), on(DragControl::Grid)));
    EXPECT_TRUE(accepts(payload(DragControl::EffectChooser, PayloadKind::Effect, 3), on(DragControl::Grid)));
    EXPECT_FALSE(accepts(payload(DragControl::FilterChooser, PayloadKind::Filter, 3), on(DragControl::Grid)));
    EXPECT_FALSE(accepts(payload(DragControl::Favorites, PayloadKind::Favorite, 0), on(DragControl::Grid)));

    const DragState ownEffect = payload(DragControl::Grid, PayloadKind::Effect, 3);
    DropSpot cell = on(DragControl::Grid, 13, true);
    cell.onDataCell = true;
    EXPECT_TRUE(accepts(ownEffect, cell));
    cell.column = 12;
    EXPECT_FALSE(accepts(ownEffect, cell));
    cell.column = 25;
    cell.onDataCell = false; // below the last row
    EXPECT_FALSE(accepts(ownEffect, cell));
    cell.onDataCell = true;
    EXPECT_FALSE(accepts(payload(DragControl::Grid, PayloadKind::Ingredient, 3), cell));
}

TEST_F(DragRulesTest, AlternativeListsKeepTheirLimitsAndRefuseDuplicates) {
    const auto item = [&](int i) { return payload(DragControl::Grid, PayloadKind::Ingredient, i); };
    const auto effect = [&](int e) { return payload(DragControl::Grid, PayloadKind::Effect, e); };
    alt.AltItems = {1, 2};
    alt.AltCandidates = {3, 5};
    EXPECT_TRUE(accepts(item(3), on(DragControl::AltAmountItems)));
    EXPECT_FALSE(accepts(item(2), on(DragControl::AltAmountItems)));
    EXPECT_FALSE(accepts(effect(3), on(DragControl::AltAmountItems)));
    // Only what the page offers, as with the double click.
    EXPECT_FALSE(accepts(item(4), on(DragControl::AltAmountItems)));
    alt.AltItems = {1, 2, 3};
    EXPECT_FALSE(accepts(item(5), on(DragControl::AltAmountItems)));

    alt.AltEffects = {1, 2, 3, 4};
    EXPECT_TRUE(accepts(effect(5), on(DragControl::AltAmountEffects)));
    EXPECT_FALSE(accepts(effect(4), on(DragControl::AltAmountEffects)));
    alt.AltEffects.push_back(5);
    EXPECT_FALSE(accepts(effect(6), on(DragControl::AltAmountEffects)));

    // Taking back: only what came from the chosen ingredients.
    EXPECT_TRUE(accepts(payload(DragControl::AltAmountItems, PayloadKind::Ingredient, 2),
                        on(DragControl::AltItemsList)));
    EXPECT_FALSE(accepts(item(2), on(DragControl::AltItemsList)));
    EXPECT_FALSE(accepts(effect(2), on(DragControl::AltEffectsList)));
    EXPECT_FALSE(accepts(item(2), on(DragControl::ItemsInfo)));
    EXPECT_FALSE(accepts(effect(2), on(DragControl::EffectInfo)));
}

TEST_F(DragRulesTest, ToolListsRefuseDuplicatesExceptTheirOwnRows) {
    favorites.FavItems = {5, 6};
    favorites.FavEffects = {2};
    const DragState item5 = payload(DragControl::Grid, PayloadKind::Ingredient, 5);
    EXPECT_FALSE(accepts(item5, on(DragControl::FavoriteItems)));
    EXPECT_TRUE(accepts(item5, on(DragControl::FavoriteItems, -1, true)));
    EXPECT_TRUE(
        accepts(payload(DragControl::Grid, PayloadKind::Ingredient, 7), on(DragControl::FavoriteItems)));
    EXPECT_FALSE(accepts(payload(DragControl::Grid, PayloadKind::Effect, 7), on(DragControl::FavoriteItems)));
    EXPECT_FALSE(
        accepts(payload(DragControl::Grid, PayloadKind::Effect, 2), on(DragControl::FavoriteEffects)));
    EXPECT_TRUE(
        accepts(payload(DragControl::Grid, PayloadKind::Effect, 3), on(DragControl::FavoriteEffects)));
    EXPECT_TRUE(accepts(item5, on(DragControl::UsedItems)));
    EXPECT_FALSE(accepts(item5, on(DragControl::UsedItems, -1, true)));
}

TEST_F(DragRulesTest, RecipeListDropsMoveAndSwapColumnsInEveryRecipe) {
    auto list =
        listOf({recipe({4, 7, 9}, {1, 2}, 30), recipe({7, 5}, {1, 3}, 20), recipe({5, 6}, {2, 3}, 10)});
    const DragState seven = payload(DragControl::RecipeList, PayloadKind::Ingredient, 7, 0);
    // Column 2 is column code 4: ingredient 7 goes there wherever it is.
    ASSERT_TRUE(dropOnRecipeList(*list, seven, 4, 3, false, {}, 0));
    for (const TPotionRec &rec : list->Potions()) {
        if (std::find(rec.Items.begin(), rec.Items.end(), 7) != rec.Items.end()) {
            EXPECT_EQ(rec.Items[1], 7) << rec.Cost;
        }
    }
    // A column that holds no ingredient refuses.
    EXPECT_FALSE(dropOnRecipeList(*list, seven, 9, 3, false, {}, 0));

    // With Ctrl the pressed column (code 3) and the target (code 5) swap
    // where a recipe has both.
    auto swapped = listOf({recipe({1, 2, 3}, {1, 2}, 30), recipe({4, 5}, {1, 2}, 20)});
    ASSERT_TRUE(dropOnRecipeList(*swapped, seven, 5, 3, true, {.shift = true}, 0));
    EXPECT_EQ((*swapped)[0].Items, (std::array<std::int32_t, 3>{3, 2, 1}));
    EXPECT_EQ((*swapped)[1].Items, (std::array<std::int32_t, 3>{4, 5, 0}));

    const DragState effect = payload(DragControl::RecipeList, PayloadKind::Effect, 3, 1);
    ASSERT_TRUE(dropOnRecipeList(*list, effect, 9, 9, false, {.shift = true}, 0));
    for (const TPotionRec &rec : list->Potions()) {
        if (rec.Effects[0].Effect == 3 || rec.Effects[1].Effect == 3) {
            EXPECT_EQ(rec.Effects[0].Effect, 3);
        }
    }
    EXPECT_FALSE(dropOnRecipeList(*list, DragState{}, 4, 3, false, {}, 0));
}

TEST_F(DragRulesTest, FavouriteDropsReorderAndInsertNamedRecipes) {
    GameData names;
    names.ItemTable.resize(4);
    names.ItemNames = {QString(), QStringLiteral("Корень"), QStringLiteral("Гриб"), QStringLiteral("Перо")};
    names.EffectTable.resize(3);
    names.EffectNames = {QString(), QStringLiteral("Лечение"), QStringLiteral("Яд")};
    FavoritesModel fav;
    fav.addPotion(recipe({1, 2}, {1, 2}, 10), QStringLiteral("A"));
    fav.addPotion(recipe({2, 3}, {1, 2}, 20), QStringLiteral("B"));
    fav.addPotion(recipe({1, 3}, {1, 2}, 30), QStringLiteral("C"));
    const auto empty = listOf({});

    // On itself: nothing changes.
    EXPECT_EQ(
        dropOnFavorites(fav, payload(DragControl::Favorites, PayloadKind::Favorite, 1), 1, *empty, names),
        -1);
    EXPECT_EQ(fav.FavPotionNames, (QStringList{"A", "B", "C"}));
    // Below the last row: to the end.
    EXPECT_EQ(
        dropOnFavorites(fav, payload(DragControl::Favorites, PayloadKind::Favorite, 0), 3, *empty, names), 2);
    EXPECT_EQ(fav.FavPotionNames, (QStringList{"B", "C", "A"}));
    EXPECT_EQ(fav.FavPotions[2].Cost, 10);

    // A recipe of the list between rows 0 and 1, under its default name.
    TPotionRec rec = recipe({3, 1}, {2, 1}, 40);
    rec.MainEffSlot = 1;
    const auto list = listOf({recipe({1, 2}, {1, 2}, 5), rec});
    EXPECT_EQ(dropOnFavorites(fav, payload(DragControl::RecipeList, PayloadKind::Ingredient, 3, 1), 1, *list,
                              names),
              1);
    ASSERT_EQ(fav.potionCount(), 4);
    EXPECT_EQ(fav.FavPotions[1], rec);
    EXPECT_EQ(fav.FavPotionNames[1], QStringLiteral("Перо + Корень = Яд"));
    // A source row that no longer exists inserts nothing.
    EXPECT_EQ(dropOnFavorites(fav, payload(DragControl::RecipeList, PayloadKind::Ingredient, 3, 7), 0, *list,
                              names),
              -1);
    EXPECT_EQ(fav.potionCount(), 4);
}

TEST_F(DragRulesTest, FavouriteListDropsInsertOnceAndMoveWithin) {
    FavoritesModel fav;
    fav.FavItems = {5, 6, 7};
    const auto drop = [&](DragControl from, int item, int row, bool self) {
        return dropOnFavoriteList(fav, DragControl::FavoriteItems,
                                  payload(from, PayloadKind::Ingredient, item), row, self);
    };
    EXPECT_EQ(drop(DragControl::Grid, 9, 1, false), 1);
    EXPECT_EQ(fav.FavItems, (std::vector<std::int32_t>{5, 9, 6, 7}));
    EXPECT_EQ(drop(DragControl::Grid, 6, 0, false), -1);
    EXPECT_EQ(fav.FavItems.size(), 4u);
    // Within the list: below the last row means the end; onto itself nothing.
    EXPECT_EQ(drop(DragControl::FavoriteItems, 5, 4, true), 3);
    EXPECT_EQ(fav.FavItems, (std::vector<std::int32_t>{9, 6, 7, 5}));
    EXPECT_EQ(drop(DragControl::FavoriteItems, 6, 1, true), -1);
    // An effect never lands among the ingredients.
    EXPECT_EQ(dropOnFavoriteList(fav, DragControl::FavoriteItems,
                                 payload(DragControl::Grid, PayloadKind::Effect, 3), 0, false),
              -1);
}

TEST(DragStartTest, ThresholdAndStartKinds) {
    EXPECT_FALSE(pastDragDistance({10, 10}, {14, 6}, 4));
    EXPECT_TRUE(pastDragDistance({10, 10}, {15, 10}, 4));
    EXPECT_TRUE(pastDragDistance({10, 10}, {10, 5}, 4));
    EXPECT_EQ(dragStartOf(DragControl::EffectChooser), DragStart::Immediate);
    EXPECT_EQ(dragStartOf(DragControl::Grid), DragStart::Threshold);
    EXPECT_EQ(dragStartOf(DragControl::RecipeList), DragStart::Automatic);
    EXPECT_EQ(recipeEffectSlotOfColumn(9), 1);
    EXPECT_EQ(recipeEffectSlotOfColumn(25), 5);
    EXPECT_EQ(recipeEffectSlotOfColumn(29), 0);
    EXPECT_EQ(recipeEffectSlotOfColumn(10), 0);
    DragState d;
    d.pickUp(DragControl::RecipeList, PayloadKind::Effect, 3, 4);
    d.Dragging = true;
    d.clear();
    EXPECT_EQ(d.DragPayload, -1);
    EXPECT_EQ(d.DragSourceRow, -1);
    EXPECT_FALSE(d.Dragging);
}

TEST(EffectSlotExchange, TheSlotsSwapInEveryIngredientWithTheEffect) {
    GameData data;
    data.EffectTable.resize(6);
    data.ItemTable.resize(4);
    const auto setSlots = [&](int item, std::array<int, 4> effects) {
        for (std::size_t s = 0; s < 4; ++s) {
            data.ItemTable[static_cast<std::size_t>(item)].Eff[s].Effect = effects[s];
            data.ItemTable[static_cast<std::size_t>(item)].Eff[s].BasePower = 10 * item + static_cast<int>(s);
        }
    };
    setSlots(1, {3, 1, 2, 4});
    setSlots(2, {1, 2, 4, 3});
    setSlots(3, {1, 2, 4, 5}); // without the effect
    EXPECT_EQ(exchangeEffectSlots(data, 3, 2), 2);
    const auto &one = data.ItemTable[1].Eff;
    EXPECT_EQ(one[1].Effect, 3);
    EXPECT_EQ(one[1].BasePower, 10); // every field moves with the effect
    EXPECT_EQ(one[0].Effect, 1);
    EXPECT_EQ(one[0].BasePower, 11);
    EXPECT_EQ(data.ItemTable[2].Eff[1].Effect, 3);
    EXPECT_EQ(data.ItemTable[2].Eff[3].Effect, 2);
    EXPECT_EQ(data.ItemTable[3].Eff[1].Effect, 2);
    // Onto its own slot, or out of range: nothing moves.
    EXPECT_EQ(exchangeEffectSlots(data, 3, 2), 0);
    EXPECT_EQ(exchangeEffectSlots(data, 3, 5), 0);
    EXPECT_EQ(exchangeEffectSlots(data, 9, 1), 0);
    EXPECT_EQ(exchangeEffectSlots(data, 0, 1), 0);
}

} // namespace
} // namespace qor
