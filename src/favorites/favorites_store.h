#pragma once
// The favourites and the ingredient sets as the session keeps them, seen from
// the favourites' own views: read them, change them through an edit, and
// follow the announcements. An edit compares the lists before and after, so
// every list that changed is announced once and an edit that changed nothing
// announces nothing; no caller refreshes a view by hand.

#include "favorites/favorites_model.h"
#include "favorites/used_items_model.h"

#include <QObject>

#include <utility>
#include <vector>

namespace qor {

enum class FavoritesPart { Recipes, Items, Effects };

class FavoritesStore : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    virtual const FavoritesModel &favorites() const = 0;
    virtual const UsedItemsModel &ingredientSets() const = 0;

    // edit gets the favourites and returns what it likes (a row, say).
    template <class Edit> decltype(auto) editFavorites(Edit &&edit) {
        const FavoritesModel before = favorites();
        struct Announce {
            FavoritesStore &store;
            const FavoritesModel &before;
            ~Announce() { store.announceFavorites(before); }
        } announce{*this, before};
        return std::forward<Edit>(edit)(favoritesForEdit());
    }
    // The same for the four sets, their names, the current set and the
    // ingredients at hand.
    template <class Edit> decltype(auto) editIngredientSets(Edit &&edit) {
        const UsedItemsModel before = ingredientSets();
        struct Announce {
            FavoritesStore &store;
            const UsedItemsModel &before;
            ~Announce() { store.announceIngredientSets(before); }
        } announce{*this, before};
        return std::forward<Edit>(edit)(ingredientSetsForEdit());
    }

  Q_SIGNALS:
    // One of the favourite lists changed.
    void favoritesChanged(qor::FavoritesPart part);
    // A set, a set's name or the current set changed.
    void ingredientSetsChanged();
    // The ingredients at hand changed: what a search finds may differ.
    void availableItemsChanged();

  protected:
    virtual FavoritesModel &favoritesForEdit() = 0;
    virtual UsedItemsModel &ingredientSetsForEdit() = 0;

    // Announces every list that differs from before.
    void announceFavorites(const FavoritesModel &before);
    void announceIngredientSets(const UsedItemsModel &before);
};

} // namespace qor
