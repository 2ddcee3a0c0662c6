#pragma once
// The prefix search behind quick find and the find dialog: FindInData walks
// the upper-case texts of one list (ingredients, grid rows, effects, filters,
// recipes or the lists of the alternative making) for the first entry that
// begins with a text.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

namespace qor {

// The seven lists quick find knows; the numbers are the search kinds.
enum class FindKind : int {
    Ingredients = 0,    // ingredient choosers, available-ingredient list
    GridRows = 1,       // reference grid, column GridFindCol
    Effects = 2,        // effect choosers
    Filters = 3,        // filter choosers
    Recipes = 4,        // recipe list, column PotionFindCol
    AltEffects = 5,     // LbAltEffectsList
    AltIngredients = 6, // LbAltItemsList
};

enum class FindDirection { Forward, Backward };

// The entries of one list as upper-case texts, indices 0..count-1. Either a
// list of ready texts (kept by reference) or a function that makes the text
// of an index when asked, so that a long list is not copied per key.
class FindTexts {
  public:
    using TextAt = std::function<QString(int)>;

    FindTexts() = default;
    // The first count entries of upperTexts (missing ones read empty).
    FindTexts(const QStringList &upperTexts, int count) : m_list(&upperTexts), m_count(count) {}
    explicit FindTexts(const QStringList &upperTexts) : FindTexts(upperTexts, int(upperTexts.size())) {}
    FindTexts(int count, TextAt textAt) : m_textAt(std::move(textAt)), m_count(count) {}

    int count() const { return m_count; }
    int lastIndex() const { return m_count - 1; }
    bool startsWith(int index, QStringView prefix) const;

  private:
    const QStringList *m_list = nullptr;
    TextAt m_textAt;
    int m_count = 0;
};

// Index of the first entry whose text begins with text, walking from start
// in the direction and never below firstIndex nor past the last entry; -1
// when none. A backward walk from below firstIndex finds nothing.
int FindInData(QStringView text, const FindTexts &texts, FindDirection direction, int firstIndex,
               int startIndex);

// First index that quick find walks from in a list of a kind: the choosers
// and the grid skip their placeholder entry / caption row 0.
int findFirstIndex(FindKind kind);

// The find dialog's search over the recipe list (kind 4, first index 0):
// from the row after (down) or before (up) the selected one. With an empty
// list the dialog closes itself and nothing is searched.
struct RecipeFindResult {
    bool closeDialog = false;
    int row = -1; // the row to select and run the recipe selection on; -1: no hit
};
RecipeFindResult findRecipeRow(const FindTexts &recipeTexts, const QString &text, bool down, int selectedRow);

} // namespace qor
