#include "favorites/favorites_model.h"

#include "engine/potion_list.h"
#include "game_data/game_data.h"
#include "game_data/name_lookup.h"
#include "recipe_list/potion_cells.h"

#include <algorithm>

namespace qor {

namespace {

bool validRow(int row, std::size_t count) {
    return row >= 0 && static_cast<std::size_t>(row) < count;
}

// Selection after removing `row` from a list that had `oldCount` entries.
int selectionAfterRemoval(int row, std::size_t oldCount) {
    const int newCount = static_cast<int>(oldCount) - 1;
    if (newCount <= 0)
        return -1;
    return std::min(row, newCount - 1);
}

template <typename T> int insertAt(std::vector<T> &list, int row, const T &value) {
    if (!validRow(row, list.size()))
        row = static_cast<int>(list.size());
    list.insert(list.begin() + row, value);
    return row;
}

// Moves element `from` to position `to` (to beyond the end = last),
// shifting the ones between by one.
template <typename List> int moveWithin(List &list, qsizetype size, int from, int to) {
    if (from < 0 || from >= size)
        return -1;
    if (to < 0 || to >= size)
        to = static_cast<int>(size) - 1;
    if (from != to)
        list.move(from, to);
    return to;
}

// std::vector has no move(); a small adaptor keeps one code path.
template <typename T> struct VectorMover {
    std::vector<T> &v;
    void move(int from, int to) {
        if (from < to)
            std::rotate(v.begin() + from, v.begin() + from + 1, v.begin() + to + 1);
        else
            std::rotate(v.begin() + to, v.begin() + from, v.begin() + from + 1);
    }
};

template <typename T> int moveInVector(std::vector<T> &v, int from, int to) {
    VectorMover<T> mover{v};
    return moveWithin(mover, static_cast<qsizetype>(v.size()), from, to);
}

int insertUnique(std::vector<std::int32_t> &list, int row, std::int32_t value) {
    if (std::find(list.begin(), list.end(), value) != list.end())
        return -1;
    return insertAt(list, row, value);
}

int removeAt(std::vector<std::int32_t> &list, int row) {
    if (!validRow(row, list.size()))
        return -1;
    const std::size_t oldCount = list.size();
    list.erase(list.begin() + row);
    return selectionAfterRemoval(row, oldCount);
}

bool indexFits(std::int32_t index, int count) {
    return index >= 0 && index < count;
}

} // namespace

QString defaultPotionName(const TPotionRec &rec, const GameData &data) {
    return potionDefaultName(data, rec);
}

bool potionFitsData(const TPotionRec &rec, const GameData &data) {
    // The recipe list sorts by counting over keys 0..90000; a value outside
    // that range (only a damaged file can hold one) must never reach it.
    constexpr std::int32_t kMaxKey = 90000;
    const auto keyFits = [](std::int32_t v) { return v >= 0 && v <= kMaxKey; };
    const int itemCount = std::min<int>(data.itemRecordCount(), static_cast<int>(data.ItemNames.size()));
    const int effectCount =
        std::min<int>(data.effectRecordCount(), static_cast<int>(data.EffectNames.size()));
    for (std::int32_t item : rec.Items) {
        if (!indexFits(item, itemCount))
            return false;
    }
    for (const auto &eff : rec.Effects) {
        if (!indexFits(eff.Effect, effectCount) || !keyFits(eff.Power) || !keyFits(eff.Time) ||
            !keyFits(eff.Cost))
            return false;
    }
    return indexFits(rec.UselessItem, itemCount) && keyFits(rec.Cost) && rec.ItemCount >= 0 &&
           rec.ItemCount <= kMaxPotionItems && rec.EffCount >= 0 && rec.EffCount <= kMaxPotionEffects &&
           rec.MainEffSlot >= 0 && rec.MainEffSlot <= kMaxPotionEffects;
}

int FavoritesModel::addPotion(const TPotionRec &rec, const QString &name) {
    return insertPotion(potionCount(), rec, name);
}

int FavoritesModel::insertPotion(int row, const TPotionRec &rec, const QString &name) {
    // The names list may have drifted from the records only through a
    // damaged file; keep both the same length before inserting.
    while (FavPotionNames.size() < potionCount())
        FavPotionNames.append(QString());
    row = insertAt(FavPotions, row, rec);
    FavPotionNames.insert(row, name);
    return row;
}

bool FavoritesModel::renamePotion(int row, const QString &name) {
    if (!validRow(row, FavPotions.size()))
        return false;
    while (FavPotionNames.size() <= row)
        FavPotionNames.append(QString());
    FavPotionNames[row] = name;
    return true;
}

int FavoritesModel::deletePotion(int row) {
    if (!validRow(row, FavPotions.size()))
        return -1;
    const std::size_t oldCount = FavPotions.size();
    FavPotions.erase(FavPotions.begin() + row);
    if (row < FavPotionNames.size())
        FavPotionNames.removeAt(row);
    return selectionAfterRemoval(row, oldCount);
}

int FavoritesModel::movePotion(int from, int to) {
    while (FavPotionNames.size() < potionCount())
        FavPotionNames.append(QString());
    const int landed = moveInVector(FavPotions, from, to);
    if (landed >= 0 && landed != from)
        FavPotionNames.move(from, landed);
    return landed;
}

int FavoritesModel::insertItem(int row, std::int32_t item) {
    return insertUnique(FavItems, row, item);
}

int FavoritesModel::insertEffect(int row, std::int32_t effect) {
    return insertUnique(FavEffects, row, effect);
}

int FavoritesModel::deleteItem(int row) {
    return removeAt(FavItems, row);
}

int FavoritesModel::deleteEffect(int row) {
    return removeAt(FavEffects, row);
}

int FavoritesModel::moveItem(int from, int to) {
    return moveInVector(FavItems, from, to);
}

int FavoritesModel::moveEffect(int from, int to) {
    return moveInVector(FavEffects, from, to);
}

QString FavoritesModel::itemName(int row, const GameData &data) const {
    if (!validRow(row, FavItems.size()))
        return QStringLiteral("-");
    return itemNameOrDash(data, FavItems[static_cast<std::size_t>(row)]);
}

QString FavoritesModel::effectName(int row, const GameData &data) const {
    if (!validRow(row, FavEffects.size()))
        return QStringLiteral("-");
    return effectNameOrDash(data, FavEffects[static_cast<std::size_t>(row)]);
}

int FillLbPotionsFromFavorites(const FavoritesModel &fav, bool all, int index, const GameData &data,
                               PotionList &list) {
    list.clear();
    for (int i = 0; i < fav.potionCount(); ++i) {
        if (!all && i != index)
            continue;
        const TPotionRec &rec = fav.FavPotions[static_cast<std::size_t>(i)];
        if (potionFitsData(rec, data))
            list.AddPotion(rec);
    }
    if (list.PotionCount() > 1)
        list.SortPotions();
    return list.PotionCount();
}

} // namespace qor
