#pragma once
// Texts of the recipe list: the cells of the 26 columns, the cells of the
// effect-information list of the selected recipe, the count panel, a recipe's
// default name, the details and count messages and the recipe popup captions.
// Nothing here touches a widget; the list views ask for texts by row.

#include "engine/potion_list.h"
#include "engine/potion_rec.h"
#include "game_data/game_data.h"
#include "recipe_list/potion_list_ops.h"

#include <QString>

namespace qor {

// Section captions of the recipe list header (column codes 0..25).
QString potionColumnCaption(int column);
// Section captions of the effect-information header (columns 0..6).
QString potEffColumnCaption(int column);
inline constexpr int kPotEffColumnCount = 7;

// Text of one cell of the recipe list; empty for a row outside the list or a
// column outside 0..25. With upper set, names come from ItemNamesUp and
// EffectNamesUp.
QString GetPotionCellText(const GameData &data, const PotionList &list, int row, int column, bool upper);
// The same for a record that is not in the list (row only gives column 0).
QString potionCellText(const GameData &data, const TPotionRec &rec, int row, int column, bool upper);

// Text of one cell of the effect-information list: effect slot 1..5 of cur,
// column 0..6. Empty while cur has no effects, for a slot beyond 1..5 or a
// column beyond 0..6. decimalPoint is the separator of the base cost
// (the window's one separator, taken from the locale once).
QString GetPotEffDataStr(const GameData &data, const TPotionRec &cur, int slot, int column,
                         const QString &decimalPoint);

// An effect's description for a magnitude and a duration (DescrKind 0..5;
// other kinds give the empty text).
QString effectDescription(const TEffectRec &effect, std::int32_t power, std::int32_t time);

// Shortest general form of v with up to 15 significant digits, with
// decimalPoint in place of ".".
QString formatGeneral(double v, const QString &decimalPoint);

// " Всего: N", the caption of the count panel.
QString panelCountText(int potionCount);

// Ingredient names joined by " + ", then " = " and the main effect's name;
// empty when ItemCount is 0.
QString potionDefaultName(const GameData &data, const TPotionRec &rec);

// Text beside the details: the potion's price, its ingredients' price and the
// useless ingredient when there is one. Empty for an all-zero record.
QString potionAddInfoText(const GameData &data, const TPotionRec &rec);

// The details message: caption and text (per ingredient its price and its
// four effects marked with the recipe slot that holds them).
QString detailsMessageCaption();
QString potionDetailsText(const GameData &data, const TPotionRec &rec);

// "name: N" followed by five blanks (the count of recipes with an element).
QString elementCountMessage(const QString &elementName, int count);

// Captions of the recipe popup items that name the element under the mouse.
QString disableItemCaption(const QString &itemName);
QString countElementsCaption(const QString &cellText);
QString deleteWithElementCaption(const QString &cellText);

// Enabling, check marks and captions of the recipe popup menu, prepared from
// the selected row and the cell under the last mouse-down point.
struct RecipePopupState {
    bool recipeCommands = false; // delete, add to favourites, details, go to number
    bool disableItem = false;
    QString disableItemCaption;
    bool itemMarker = false;
    bool itemMarkerChecked = false;
    bool effectMarker = false;
    bool effectMarkerChecked = false;
    bool elementCommands = false; // count and delete-all with the element
    QString countCaption;
    QString deleteAllCaption;
};
RecipePopupState recipePopupState(const GameData &data, const PotionList &list, int selectedRow,
                                  int pressColumn, int pressRow);

} // namespace qor
