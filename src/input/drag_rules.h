#pragma once
// The one drag of the main window: what was picked up, where it may be
// dropped and what a drop does to the tables. The widget side finds the
// control and the cell under the cursor and asks here; nothing here knows a
// widget, so the rules are tested on plain data.

#include "engine/alt_making.h"
#include "engine/potion_list.h"
#include "favorites/favorites_model.h"
#include "game_data/game_data.h"
#include "recipe_list/potion_list_ops.h"

#include <QPoint>

#include <cstdint>

namespace qor {

// What a payload is.
enum class PayloadKind : std::int8_t { Ingredient = 0, Effect = 1, Favorite = 2, Filter = 3 };

// The controls a drag starts from or ends on, by the part they play. Several
// controls may share a role (the five effect choosers); the widget side
// tells whether source and target are the same control.
enum class DragControl : std::uint8_t {
    None,
    EffectChooser,    // CbEffect1..5
    FilterChooser,    // CbFilter1..5
    ItemChooser,      // CbIngredient1..3, CbPrioriryIngredient1..2
    Image,            // the ingredient picture
    RecipeList,       // LBPotion
    ItemsInfo,        // LbItemsInfo
    EffectInfo,       // LbEffectInfo
    Favorites,        // LBFavorites
    Grid,             // StringGrid
    AltEffectsList,   // LbAltEffectsList
    AltAmountEffects, // LbAltAmountEffects
    AltItemsList,     // LbAltItemsList
    AltAmountItems,   // LbAltAmountItems
    FavoriteItems,    // the favourites window's ingredient list
    FavoriteEffects,  // the favourites window's effect list
    UsedItems,        // the list of ingredients at hand
};

// How a picked-up payload turns into a drag.
enum class DragStart : std::uint8_t {
    Automatic, // once the mouse leaves the platform's drag distance
    Threshold, // the same distance, checked by the window itself
    Immediate, // at once (Ctrl on a chooser)
};
DragStart dragStartOf(DragControl source);

struct DragState {
    std::int32_t DragPayload = -1; // -1: nothing picked up
    PayloadKind DragKind = PayloadKind::Ingredient;
    std::int32_t DragSourceRow = -1; // the recipe-list row of the payload
    QPoint DragPressPoint;           // control position of the last press
    QPoint LbPotionPressPoint;       // viewport position of the last press on LBPotion
    bool Dragging = false;           // a drag is running
    DragControl source = DragControl::None;

    bool pending() const { return DragPayload != -1; }
    void pickUp(DragControl from, PayloadKind kind, int payload, int sourceRow = -1);
    // Back to idle: no payload, no source row, no drag.
    void clear();
};

// Whether the mouse left the drag rectangle around the press point.
bool pastDragDistance(QPoint press, QPoint now, int distance);

// What lies under the cursor on the target, as far as the rules ask.
struct DropSpot {
    DragControl target = DragControl::None;
    bool sameControl = false; // the target is the very control the drag came from
    int column = -1;          // LBPotion: column code under x; StringGrid: grid column
    bool onDataCell = false;  // StringGrid: the cell is on a data row
    int choiceCount = 0;      // choosers: their number of items
};

// The tables the accept rules read.
struct DragContext {
    const GameData &data;
    const AltMaking &alt;
    const FavoritesModel &favorites;
};

// The accept rule of a target for the pending payload (On_DragOver).
bool dragAccepts(const DragState &drag, const DropSpot &spot, const DragContext &ctx);

// Effect slot 1..5 of an effect-name column of the recipe list, else 0.
int recipeEffectSlotOfColumn(int column);

// The drop inside LBPotion: an ingredient moves into the target ingredient
// column in every recipe (with Ctrl the pressed ingredient column and the
// target column swap); an effect moves into the target slot. Alt and Shift
// act as in the column moves. Returns whether the list changed.
bool dropOnRecipeList(PotionList &list, const DragState &drag, int targetColumn, int pressColumn, bool ctrl,
                      Modifiers modifiers, int selectedRow);

// The drop on LBFavorites at dropRow (the row under the point, or the count
// when below the last row): a favourite moves there, a recipe of the list
// (DragSourceRow) is inserted there under its default name. Returns the row
// that becomes current, -1 when nothing changed.
int dropOnFavorites(FavoritesModel &favorites, const DragState &drag, int dropRow, const PotionList &list,
                    const GameData &data);

// The drop on a list of the favourites window: an element from elsewhere is
// inserted at dropRow (refused when already in the list), one from the same
// list moves there. Returns the row to select, -1 when nothing changed.
int dropOnFavoriteList(FavoritesModel &favorites, DragControl list, const DragState &drag, int dropRow,
                       bool sameControl);

} // namespace qor
