#include "favorites/favorites_store.h"

namespace qor {

void FavoritesStore::announceFavorites(const FavoritesModel &before) {
    const FavoritesModel &now = favorites();
    if (now.FavPotions != before.FavPotions || now.FavPotionNames != before.FavPotionNames)
        Q_EMIT favoritesChanged(FavoritesPart::Recipes);
    if (now.FavItems != before.FavItems)
        Q_EMIT favoritesChanged(FavoritesPart::Items);
    if (now.FavEffects != before.FavEffects)
        Q_EMIT favoritesChanged(FavoritesPart::Effects);
}

void FavoritesStore::announceIngredientSets(const UsedItemsModel &before) {
    const UsedItemsModel &now = ingredientSets();
    if (now != before)
        Q_EMIT ingredientSetsChanged();
    if (now.ItemAvailable != before.ItemAvailable)
        Q_EMIT availableItemsChanged();
}

} // namespace qor
