#include "favorites/used_items_model.h"

#include <algorithm>

namespace qor {

void UsedItemsModel::resize(int itemRecordCount) {
    const std::size_t n = static_cast<std::size_t>(std::max(itemRecordCount, 0));
    for (auto &set : UsedItemsSets)
        set.resize(n, 0);
    ItemAvailable.resize(n, 0);
    while (UsedItemsSetNames.size() < kUsedItemsSetCount)
        UsedItemsSetNames.append(QString());
    while (UsedItemsSetNames.size() > kUsedItemsSetCount)
        UsedItemsSetNames.removeLast();
}

int UsedItemsModel::currentSet() const {
    if (UsedItemsSetIndex < 0 || UsedItemsSetIndex >= kUsedItemsSetCount)
        return 0;
    return UsedItemsSetIndex;
}

int UsedItemsModel::MakeUsedItems() {
    UsedItemsSetIndex = currentSet();
    const auto &set = UsedItemsSets[static_cast<std::size_t>(UsedItemsSetIndex)];
    int count = 0;
    for (std::size_t i = 1; i < ItemAvailable.size(); ++i) {
        // A set shorter than the table (never after resize) leaves the rest
        // unavailable.
        const std::uint8_t on = i < set.size() && set[i] == 1 ? 1 : 0;
        ItemAvailable[i] = on;
        count += on;
    }
    if (!ItemAvailable.empty())
        ItemAvailable[0] = 0;
    return count;
}

int UsedItemsModel::availableCount() const {
    return static_cast<int>(std::count(ItemAvailable.begin() + (ItemAvailable.empty() ? 0 : 1),
                                       ItemAvailable.end(), std::uint8_t{1}));
}

QString UsedItemsModel::selectedText(int count) const {
    return QStringLiteral(" Выбрано: %1 / %2").arg(count).arg(std::max(highestItem(), 0));
}

void UsedItemsModel::enableAll() {
    auto &set = UsedItemsSets[static_cast<std::size_t>(currentSet())];
    for (std::size_t i = 1; i < set.size(); ++i)
        set[i] = 1;
    MakeUsedItems();
}

void UsedItemsModel::disableAll() {
    auto &set = UsedItemsSets[static_cast<std::size_t>(currentSet())];
    for (std::size_t i = 1; i < set.size(); ++i)
        set[i] = 0;
    MakeUsedItems();
}

bool UsedItemsModel::setRowChecked(int row, bool on) {
    const int item = row + 1;
    auto &set = UsedItemsSets[static_cast<std::size_t>(currentSet())];
    if (row < 0 || item >= static_cast<int>(set.size()))
        return false;
    set[static_cast<std::size_t>(item)] = on ? 1 : 0;
    MakeUsedItems();
    return true;
}

bool UsedItemsModel::disableItem(int item) {
    return setRowChecked(item - 1, false);
}

int UsedItemsModel::nextRowWith(int row, std::uint8_t wanted) const {
    const int rows = std::max(highestItem(), 0);
    for (int r = row < 0 ? 0 : row + 1; r < rows; ++r) {
        if (ItemAvailable[static_cast<std::size_t>(r + 1)] == wanted)
            return r;
    }
    return -1;
}

int UsedItemsModel::nextEnabledRow(int row) const {
    return nextRowWith(row, 1);
}

int UsedItemsModel::nextDisabledRow(int row) const {
    return nextRowWith(row, 0);
}

bool UsedItemsModel::renameSet(int set, const QString &name) {
    if (set < 0 || set >= kUsedItemsSetCount)
        return false;
    while (UsedItemsSetNames.size() < kUsedItemsSetCount)
        UsedItemsSetNames.append(QString());
    UsedItemsSetNames[set] = name;
    return true;
}

QString UsedItemsModel::setName(int set) const {
    if (set < 0 || set >= UsedItemsSetNames.size() || set >= kUsedItemsSetCount)
        return {};
    return UsedItemsSetNames.at(set);
}

} // namespace qor
