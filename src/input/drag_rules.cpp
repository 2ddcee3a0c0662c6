#include "input/drag_rules.h"

#include <algorithm>
#include <cstdlib>

namespace qor {

namespace {

bool contains(const std::vector<std::int32_t> &values, int value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

int indexOf(const std::vector<std::int32_t> &values, int value) {
    const auto it = std::find(values.begin(), values.end(), value);
    return it == values.end() ? -1 : static_cast<int>(it - values.begin());
}

bool isRecipeItemColumn(int column) {
    return column >= PotionColumn::Item1 && column < PotionColumn::Item1 + kMaxPotionItems;
}

bool isGridEffectColumn(int column) {
    return column == 7 || column == 13 || column == 19 || column == 25;
}

} // namespace

DragStart dragStartOf(DragControl source) {
    switch (source) {
    case DragControl::EffectChooser:
    case DragControl::FilterChooser:
    case DragControl::ItemChooser:
        return DragStart::Immediate;
    case DragControl::Grid:
    case DragControl::Image:
    case DragControl::FavoriteItems:
    case DragControl::FavoriteEffects:
        return DragStart::Threshold;
    default:
        return DragStart::Automatic;
    }
}

void DragState::pickUp(DragControl from, PayloadKind kind, int payload, int sourceRow) {
    source = from;
    DragKind = kind;
    DragPayload = payload;
    DragSourceRow = sourceRow;
}

void DragState::clear() {
    DragPayload = -1;
    DragSourceRow = -1;
    Dragging = false;
    source = DragControl::None;
}

bool pastDragDistance(QPoint press, QPoint now, int distance) {
    return std::abs(now.x() - press.x()) > distance || std::abs(now.y() - press.y()) > distance;
}

int recipeEffectSlotOfColumn(int column) {
    // The effect-name column of slot s is 4s + 5: 9, 13, 17, 21, 25.
    if (column < 9 || column > 25 || (column - 5) % 4 != 0)
        return 0;
    return (column - 5) / 4;
}

bool dragAccepts(const DragState &drag, const DropSpot &spot, const DragContext &ctx) {
    if (!drag.pending())
        return false;
    const bool item = drag.DragKind == PayloadKind::Ingredient;
    const bool effect = drag.DragKind == PayloadKind::Effect;
    const bool fromSelf = spot.sameControl;
    switch (spot.target) {
    case DragControl::EffectChooser:
        return effect && drag.DragPayload < spot.choiceCount;
    case DragControl::FilterChooser:
        return drag.DragKind == PayloadKind::Filter && drag.DragPayload < spot.choiceCount;
    case DragControl::ItemChooser:
        return item && drag.DragPayload < spot.choiceCount;
    case DragControl::Image:
        return item;
    case DragControl::RecipeList:
        if (drag.source != DragControl::RecipeList)
            return false;
        return (item && isRecipeItemColumn(spot.column)) ||
               (effect && recipeEffectSlotOfColumn(spot.column) > 0);
    case DragControl::Favorites:
        return drag.source == DragControl::Favorites ||
               (drag.source == DragControl::RecipeList && drag.DragSourceRow >= 0);
    case DragControl::Grid:
        if (drag.source != DragControl::Grid)
            return item || effect;
        return effect && spot.onDataCell && isGridEffectColumn(spot.column);
    case DragControl::AltAmountItems:
        // The rules of the double click: only an ingredient the page offers
        // ("Доступные ингредиенты": not chosen yet, room left, sharing an
        // effect and keeping every required effect reachable).
        return item && !contains(ctx.alt.AltItems, drag.DragPayload) &&
               static_cast<int>(ctx.alt.AltItems.size()) < kAltMaxItems &&
               contains(ctx.alt.AltCandidates, drag.DragPayload);
    case DragControl::AltAmountEffects:
        return effect && !contains(ctx.alt.AltEffects, drag.DragPayload) &&
               static_cast<int>(ctx.alt.AltEffects.size()) < kAltMaxEffects;
    case DragControl::AltItemsList:
        return drag.source == DragControl::AltAmountItems;
    case DragControl::FavoriteItems:
        return item && (fromSelf || !contains(ctx.favorites.FavItems, drag.DragPayload));
    case DragControl::FavoriteEffects:
        return effect && (fromSelf || !contains(ctx.favorites.FavEffects, drag.DragPayload));
    case DragControl::UsedItems:
        return item && !fromSelf;
    default:
        return false;
    }
}

bool dropOnRecipeList(PotionList &list, const DragState &drag, int targetColumn, int pressColumn, bool ctrl,
                      Modifiers modifiers, int selectedRow) {
    if (!drag.pending())
        return false;
    if (drag.DragKind == PayloadKind::Ingredient) {
        if (!isRecipeItemColumn(targetColumn))
            return false;
        if (ctrl)
            return MoveAllItemsToAnyColumn(list, pressColumn - 2, targetColumn - 2, 1, modifiers,
                                           selectedRow);
        return MoveAllItemsToAnyColumn(list, drag.DragPayload, targetColumn - 2, 0, modifiers, selectedRow);
    }
    if (drag.DragKind == PayloadKind::Effect) {
        const int slot = recipeEffectSlotOfColumn(targetColumn);
        return slot > 0 && MoveAllEffectsToAnyColumn(list, drag.DragPayload, slot, 0, modifiers, selectedRow);
    }
    return false;
}

int dropOnFavorites(FavoritesModel &favorites, const DragState &drag, int dropRow, const PotionList &list,
                    const GameData &data) {
    if (!drag.pending())
        return -1;
    if (drag.source == DragControl::Favorites) {
        const int count = favorites.potionCount();
        const int to = std::clamp(dropRow, 0, std::max(0, count - 1));
        if (to == drag.DragPayload)
            return -1;
        return favorites.movePotion(drag.DragPayload, to);
    }
    if (drag.source == DragControl::RecipeList && drag.DragSourceRow >= 0 &&
        drag.DragSourceRow < list.PotionCount()) {
        const TPotionRec &rec = list[drag.DragSourceRow];
        return favorites.insertPotion(dropRow, rec, defaultPotionName(rec, data));
    }
    return -1;
}

int dropOnFavoriteList(FavoritesModel &favorites, DragControl target, const DragState &drag, int dropRow,
                       bool sameControl) {
    if (!drag.pending())
        return -1;
    const bool items = target == DragControl::FavoriteItems;
    if (target != DragControl::FavoriteItems && target != DragControl::FavoriteEffects)
        return -1;
    if (drag.DragKind != (items ? PayloadKind::Ingredient : PayloadKind::Effect))
        return -1;
    std::vector<std::int32_t> &values = items ? favorites.FavItems : favorites.FavEffects;
    if (!sameControl)
        return items ? favorites.insertItem(dropRow, drag.DragPayload)
                     : favorites.insertEffect(dropRow, drag.DragPayload);
    const int from = indexOf(values, drag.DragPayload);
    const int to = std::clamp(dropRow, 0, std::max(0, static_cast<int>(values.size()) - 1));
    if (from < 0 || from == to)
        return -1;
    return items ? favorites.moveItem(from, to) : favorites.moveEffect(from, to);
}

} // namespace qor
