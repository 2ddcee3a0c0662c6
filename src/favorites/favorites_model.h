#pragma once
// The user's favourites: named favourite recipes, favourite ingredients and
// favourite effects, in list order. Plain data with the list operations the
// favourites views and drops need; the views hold no copies of their own and
// follow the session's announcements of its changes (FavoritesStore).

#include "engine/potion_rec.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace qor {

struct GameData;
class PotionList;

// Suggested name of a recipe: its ingredient names joined by " + ", then
// " = " and the name of its main effect; empty for a recipe without
// ingredients. The recipe list's potionDefaultName under the favourites'
// name.
QString defaultPotionName(const TPotionRec &rec, const GameData &data);

// True when every ingredient and effect index of the recipe lies inside the
// current tables, so it can be shown and sorted safely.
bool potionFitsData(const TPotionRec &rec, const GameData &data);

struct FavoritesModel {
    std::vector<TPotionRec> FavPotions;
    QStringList FavPotionNames;           // parallel to FavPotions
    std::vector<std::int32_t> FavItems;   // ingredient indices, no repeats
    std::vector<std::int32_t> FavEffects; // effect indices, no repeats

    int potionCount() const { return static_cast<int>(FavPotions.size()); }

    // Appends a copy of the recipe with the given name; returns its row.
    int addPotion(const TPotionRec &rec, const QString &name);
    // Inserts at row (appends when row is outside 0..count); returns its row.
    int insertPotion(int row, const TPotionRec &rec, const QString &name);
    // Returns false for a row outside the list.
    bool renamePotion(int row, const QString &name);
    // Removes the row; returns the new selection: the same row, one up when
    // the last row was removed, -1 when the list is empty or the row was
    // outside the list (then nothing changes and -1 is returned).
    int deletePotion(int row);
    // Moves a recipe with its name from one row to another (drag reorder);
    // a target beyond the last row means the last row. Returns the row the
    // recipe lands on, or -1 when from is outside the list.
    int movePotion(int from, int to);

    // Favourite ingredients and effects share one rule set: an index already
    // in the list is refused (-1); otherwise it is inserted at row (appended
    // when row is outside 0..count) and its row is returned.
    int insertItem(int row, std::int32_t item);
    int insertEffect(int row, std::int32_t effect);
    // Removal with the same selection rule as deletePotion.
    int deleteItem(int row);
    int deleteEffect(int row);
    // Reorder within the list; returns the new row or -1.
    int moveItem(int from, int to);
    int moveEffect(int from, int to);

    // Guarded names for the favourites window: "-" beyond the tables.
    QString itemName(int row, const GameData &data) const;
    QString effectName(int row, const GameData &data) const;

    friend bool operator==(const FavoritesModel &, const FavoritesModel &) = default;
};

// Fills the recipe list from the favourites: all of them, or the one at
// index. The list is always cleared first; more than one recipe is sorted by
// the list's sort code. Recipes that name indices beyond the current tables
// (from a settings file written for other data) are left out. Returns the
// number of recipes shown. The last search type is not touched.
int FillLbPotionsFromFavorites(const FavoritesModel &fav, bool all, int index, const GameData &data,
                               PotionList &list);

} // namespace qor
