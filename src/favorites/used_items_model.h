#pragma once
// The four named sets of ingredients at hand, the current set and its working
// copy ItemAvailable that the search from effects reads. Every vector is
// indexed by ingredient index (entry 0 unused); 1 = at hand.

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace qor {

inline constexpr int kUsedItemsSetCount = 4;

struct UsedItemsModel {
    std::array<std::vector<std::uint8_t>, kUsedItemsSetCount> UsedItemsSets;
    QStringList UsedItemsSetNames; // four names
    std::int32_t UsedItemsSetIndex = 0;
    std::vector<std::uint8_t> ItemAvailable;

    // Number of ingredient records the sets are sized for (placeholder 0
    // included); the highest ingredient index H is one less.
    int itemRecordCount() const { return static_cast<int>(ItemAvailable.size()); }
    int highestItem() const { return itemRecordCount() - 1; }

    // Sizes every set and ItemAvailable to itemRecordCount entries: missing
    // entries become unavailable, surplus ones are cut; names are padded to
    // four (empty) or cut to four.
    void resize(int itemRecordCount);

    // The current set with the fallback to set 0 for an index outside 0..3.
    int currentSet() const;

    // Copies the current set into ItemAvailable (an index outside 0..3 first
    // becomes 0) and returns the number of available ingredients.
    int MakeUsedItems();
    // The status text " Выбрано: N / H" for a count.
    QString selectedText(int count) const;
    int availableCount() const;

    // Edits of the current set; each is followed by MakeUsedItems inside.
    void enableAll();
    void disableAll();
    // Row r is ingredient r + 1. Returns false for a row outside the list.
    bool setRowChecked(int row, bool on);
    // Removes one ingredient (by index) from the current set; false when the
    // index is not an ingredient.
    bool disableItem(int item);

    // The first row below `row` (from row 0 when row < 0) whose ingredient is
    // available / unavailable in ItemAvailable; -1 when none (no wrap).
    int nextEnabledRow(int row) const;
    int nextDisabledRow(int row) const;

    // Renames a set (0..3); false for another index. The name is kept and
    // saved with the settings.
    bool renameSet(int set, const QString &name);
    // The name of a set, or an empty text for an index outside 0..3.
    QString setName(int set) const;

    friend bool operator==(const UsedItemsModel &, const UsedItemsModel &) = default;

  private:
    int nextRowWith(int row, std::uint8_t wanted) const;
};

} // namespace qor
