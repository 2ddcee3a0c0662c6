#include "recipe_list/potion_list_ops.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

namespace qor {

int GetLbPotionColumn(int x, std::span<const int> sectionWidths) {
    if (x < 0)
        return -1;
    long long left = 0;
    const int count = std::min<int>(static_cast<int>(sectionWidths.size()), PotionColumn::Count);
    for (int code = 0; code < count; ++code) {
        const long long right = left + sectionWidths[code];
        if (x >= left && x < right)
            return code;
        left = right;
    }
    return -1;
}

int GetLbPotionDataNum(int kind, int column, int row, const PotionList &list) {
    if (row < 0 || row >= list.PotionCount())
        return -1;
    const TPotionRec &rec = list[row];
    if (kind == kElementItem && PotionColumn::isItemColumn(column))
        return rec.Items[column - PotionColumn::Item1];
    if (kind == kElementEffect && PotionColumn::isEffectColumn(column))
        return rec.Effects[(column - PotionColumn::effect(1)) / 4].Effect;
    return -1;
}

ListElement listElementAt(const PotionList &list, int column, int row) {
    ListElement element;
    element.item = GetLbPotionDataNum(kElementItem, column, row, list);
    if (element.item <= 0)
        element.effect = GetLbPotionDataNum(kElementEffect, column, row, list);
    return element;
}

bool potionContains(const TPotionRec &rec, const ListElement &element) {
    if (element.isItem()) {
        const int n = std::clamp(rec.ItemCount, 0, kMaxPotionItems);
        for (int k = 0; k < n; ++k) {
            if (rec.Items[k] == element.item)
                return true;
        }
        return false;
    }
    if (element.isEffect()) {
        const int n = std::clamp(rec.EffCount, 0, kMaxPotionEffects);
        for (int s = 0; s < n; ++s) {
            if (rec.Effects[s].Effect == element.effect)
                return true;
        }
    }
    return false;
}

int headerClickSortCode(int currentCode, int section) {
    if (section < 1 || section >= PotionColumn::Count)
        return currentCode;
    // The absolute value of a code read from a damaged settings file may not
    // be representable; such a code never equals a section.
    if (currentCode == section || currentCode == -section)
        return -currentCode;
    return section;
}

bool HeaderSectionClick(PotionList &list, int section) {
    if (section < 1 || section >= PotionColumn::Count)
        return false;
    list.PotionSortCode = headerClickSortCode(list.PotionSortCode, section);
    if (list.PotionCount() == 0)
        return false;
    list.SortPotions();
    return true;
}

namespace {

// The rows a move applies to: every recipe, or with Alt in mode 0 only the
// selected one (none when nothing is selected).
std::pair<int, int> moveRange(const PotionList &list, int mode, Modifiers modifiers, int selectedRow) {
    if (mode == 0 && modifiers.alt) {
        if (selectedRow < 0 || selectedRow >= list.PotionCount())
            return {0, 0};
        return {selectedRow, selectedRow + 1};
    }
    return {0, list.PotionCount()};
}

void swapSlots(TPotionRec &rec, int j, int target) {
    std::swap(rec.Effects[j - 1], rec.Effects[target - 1]);
    if (rec.MainEffSlot == j)
        rec.MainEffSlot = target;
    else if (rec.MainEffSlot == target)
        rec.MainEffSlot = j;
}

void finishMove(PotionList &list, Modifiers modifiers) {
    // Sorting twice by the same code puts the list back in sort order while
    // records with equal keys keep the order they had.
    if (!modifiers.shift) {
        list.SortPotions();
        list.SortPotions();
    }
}

} // namespace

bool MoveAllItemsToAnyColumn(PotionList &list, int x, int target, int mode, Modifiers modifiers,
                             int selectedRow) {
    if (x < 1 || target < 1 || target > kMaxPotionItems)
        return false;
    if (mode == 1 && x > kMaxPotionItems)
        return false;
    if (mode != 0 && mode != 1)
        return false;

    const auto [first, last] = moveRange(list, mode, modifiers, selectedRow);
    for (int row = first; row < last; ++row) {
        TPotionRec &rec = list[row];
        if (rec.ItemCount < target)
            continue;
        if (mode == 0) {
            for (int pos = 1; pos <= kMaxPotionItems; ++pos) {
                if (pos != target && rec.Items[pos - 1] == x) {
                    std::swap(rec.Items[pos - 1], rec.Items[target - 1]);
                    break;
                }
            }
        } else if (rec.ItemCount >= x) {
            std::swap(rec.Items[x - 1], rec.Items[target - 1]);
        }
    }
    finishMove(list, modifiers);
    return true;
}

int rowOfSameIngredients(const PotionList &list, const TPotionRec &rec) {
    const auto sorted = [](std::array<std::int32_t, kMaxPotionItems> items) {
        std::sort(items.begin(), items.end());
        return items;
    };
    const auto wanted = sorted(rec.Items);
    for (int row = 0; row < list.PotionCount(); ++row) {
        if (sorted(list[row].Items) == wanted)
            return row;
    }
    return -1;
}

bool MoveAllEffectsToAnyColumn(PotionList &list, int x, int target, int mode, Modifiers modifiers,
                               int selectedRow) {
    if (x < 1 || target < 1 || target > kMaxPotionEffects)
        return false;
    if (mode == 1 && x > kMaxPotionEffects)
        return false;
    if (mode != 0 && mode != 1)
        return false;

    const auto [first, last] = moveRange(list, mode, modifiers, selectedRow);
    for (int row = first; row < last; ++row) {
        TPotionRec &rec = list[row];
        if (rec.EffCount < target)
            continue;
        if (mode == 0) {
            const int n = std::min(rec.EffCount, kMaxPotionEffects);
            for (int slot = 1; slot <= n; ++slot) {
                if (slot != target && rec.Effects[slot - 1].Effect == x) {
                    swapSlots(rec, slot, target);
                    break;
                }
            }
        } else if (rec.EffCount >= x) {
            swapSlots(rec, x, target);
        }
    }
    finishMove(list, modifiers);
    return true;
}

int clampSelection(int selectedRow, int potionCount) {
    if (potionCount <= 0 || selectedRow < 0)
        return -1;
    return std::min(selectedRow, potionCount - 1);
}

ListChange DeletePotionsWithCurElement(PotionList &list, const ListElement &element, int selectedRow) {
    ListChange change;
    change.selectedRow = selectedRow;
    if (list.PotionCount() == 0 || !element.isValid())
        return change;

    // Compacting in place keeps the order of the kept records, exactly as
    // rebuilding the list from a copy would.
    const int count = list.PotionCount();
    int kept = 0;
    for (int row = 0; row < count; ++row) {
        if (potionContains(list[row], element))
            continue;
        if (kept != row)
            list[kept] = list[row];
        ++kept;
    }
    change.changed = kept != count;
    list.truncate(kept);
    change.selectedRow = clampSelection(selectedRow, kept);
    return change;
}

ListChange deleteSelectedPotion(PotionList &list, int selectedRow) {
    ListChange change;
    change.selectedRow = clampSelection(selectedRow, list.PotionCount());
    const int count = list.PotionCount();
    if (selectedRow < 0 || selectedRow >= count)
        return change;
    for (int row = selectedRow; row + 1 < count; ++row)
        list[row] = list[row + 1];
    list.truncate(count - 1);
    change.changed = true;
    change.selectedRow = clampSelection(selectedRow, count - 1);
    return change;
}

int countPotionsWithElement(const PotionList &list, const ListElement &element) {
    if (!element.isValid())
        return -1;
    int n = 0;
    for (const TPotionRec &rec : list.Potions()) {
        if (potionContains(rec, element))
            ++n;
    }
    return n;
}

} // namespace qor
