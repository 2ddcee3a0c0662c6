#pragma once
// The favourites announce their own changes: every list operation of
// FavoritesModel emits which of its lists changed, and the views that show
// that list follow, so no caller refreshes a view by hand. A copy of the
// model gets a notifier of its own (the views stay with the original);
// assigning a whole model over one announces all of its lists.

#include <QObject>

#include <memory>

namespace qor {

enum class FavoritesPart { Recipes, Items, Effects };

class FavoritesSignals : public QObject {
    Q_OBJECT
  Q_SIGNALS:
    void changed(qor::FavoritesPart part);
};

class FavoritesNotifier {
  public:
    FavoritesNotifier() : m_source(std::make_unique<FavoritesSignals>()) {}
    FavoritesNotifier(const FavoritesNotifier &) : FavoritesNotifier() {}
    FavoritesNotifier(FavoritesNotifier &&) noexcept : FavoritesNotifier() {}
    FavoritesNotifier &operator=(const FavoritesNotifier &);
    FavoritesNotifier &operator=(FavoritesNotifier &&) noexcept;
    ~FavoritesNotifier() = default;

    // What the views connect to.
    FavoritesSignals *source() const { return m_source.get(); }
    void announce(FavoritesPart part) const;

    // Listeners are no part of the favourites' value.
    friend bool operator==(const FavoritesNotifier &, const FavoritesNotifier &) { return true; }

  private:
    void announceAll() const;

    std::unique_ptr<FavoritesSignals> m_source;
};

} // namespace qor
