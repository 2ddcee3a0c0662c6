#pragma once
// Operations on the whole recipe list: which column and element lie under a
// point, the header-click sort rule, moving an ingredient or effect to a
// column in every recipe, the deletions and the element count. The model
// never reads the keyboard or the list box: callers pass the modifier state
// and the selected row, and get the new selection back.

#include "engine/potion_list.h"

#include <span>

namespace qor {

// Kinds of element under a point of the list.
inline constexpr int kElementItem = 0;
inline constexpr int kElementEffect = 1;

// Column code under horizontal position x, given the current section widths
// in code order; -1 when x lies beyond every section (or is negative).
int GetLbPotionColumn(int x, std::span<const int> sectionWidths);

// Element under a cell: for kind 0 and columns 3..5 the ingredient, for kind 1
// and columns 9, 13, 17, 21, 25 the effect of that row; -1 otherwise (also
// for a row outside the list). 0 means an empty position.
int GetLbPotionDataNum(int kind, int column, int row, const PotionList &list);

// The element an operation on the cell refers to: the ingredient if the cell
// holds one, else the effect. Both stay 0 or below when there is none.
struct ListElement {
    int item = -1;
    int effect = -1;
    bool isItem() const { return item > 0; }
    bool isEffect() const { return !isItem() && effect > 0; }
    bool isValid() const { return isItem() || isEffect(); }
};
ListElement listElementAt(const PotionList &list, int column, int row);

// Whether a record contains the element (among its ItemCount ingredients or
// its EffCount effects).
bool potionContains(const TPotionRec &rec, const ListElement &element);

// New PotionSortCode after a click on header section `section`: section 0 or
// an unknown section keeps the code; the sorted column flips direction;
// another column sorts ascending.
int headerClickSortCode(int currentCode, int section);
// The header click: sets the new code and sorts when the list is not empty.
// Returns whether the records were re-sorted (the view then repaints and
// re-runs its selection handling).
bool HeaderSectionClick(PotionList &list, int section);

struct Modifiers {
    bool alt = false;   // only the selected recipe (mode 0)
    bool shift = false; // no re-sort afterwards
};

// Moves ingredient x (mode 0) or the ingredient of column x (mode 1, x = 1..3)
// to ingredient column target (1..3) in every recipe, or with Alt in mode 0
// only in selectedRow. Unless Shift is held the list is sorted twice, which
// restores the sort order while equal keys keep their order. Returns false
// when the arguments were refused and nothing happened.
bool MoveAllItemsToAnyColumn(PotionList &list, int x, int target, int mode, Modifiers modifiers,
                             int selectedRow);
// The same for effects: x is an effect index (mode 0) or a slot 1..5 (mode 1),
// target a slot 1..5. MainEffSlot follows its effect.
bool MoveAllEffectsToAnyColumn(PotionList &list, int x, int target, int mode, Modifiers modifiers,
                               int selectedRow);
// The row of the first recipe made of the same ingredients as rec, in any
// column order: where a recipe stands after a column move sorted the list
// again. -1 when none is.
int rowOfSameIngredients(const PotionList &list, const TPotionRec &rec);

// Result of a deletion: whether records were removed and the new selected row
// (-1 = none).
struct ListChange {
    bool changed = false;
    int selectedRow = -1;
};

// Deletes every recipe that contains the element, keeping the order of the
// rest; the selection keeps its index, pulled back to the new last row.
ListChange DeletePotionsWithCurElement(PotionList &list, const ListElement &element, int selectedRow);
// Deletes the selected recipe; the selection keeps its index or moves up when
// the last row was deleted.
ListChange deleteSelectedPotion(PotionList &list, int selectedRow);

// Number of recipes containing the element (each recipe once); -1 when the
// element is not valid.
int countPotionsWithElement(const PotionList &list, const ListElement &element);

// The selected row after a fill that may have changed the count: the same
// row when it still exists, else the last row; -1 for an empty list.
int clampSelection(int selectedRow, int potionCount);

} // namespace qor
