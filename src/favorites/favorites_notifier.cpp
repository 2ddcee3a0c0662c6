#include "favorites/favorites_notifier.h"

namespace qor {

FavoritesNotifier &FavoritesNotifier::operator=(const FavoritesNotifier &) {
    // The notifier is the model's last member: the data is already in place.
    announceAll();
    return *this;
}

FavoritesNotifier &FavoritesNotifier::operator=(FavoritesNotifier &&) noexcept {
    announceAll();
    return *this;
}

void FavoritesNotifier::announce(FavoritesPart part) const {
    Q_EMIT m_source->changed(part);
}

void FavoritesNotifier::announceAll() const {
    for (const FavoritesPart part : {FavoritesPart::Recipes, FavoritesPart::Items, FavoritesPart::Effects})
        announce(part);
}

} // namespace qor
