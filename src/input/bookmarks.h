#pragma once
// Digit bookmarks: Ctrl+digit stores the current entry of a list or chooser,
// the digit alone selects it again. Four tables of ten entries live for one
// run: the recipe list, and one each shared by the ingredient, effect and
// filter choosers.

#include "input/quick_find.h"

#include <array>

namespace qor {

enum class BookmarkTable : int { Recipes = 0, Ingredients = 1, Effects = 2, Filters = 3 };

// Digit 0..9 of the digit keys (Qt::Key_0..Key_9), -1 for another key.
int bookmarkDigitOfKey(int qtKey);

struct BookmarkOutcome {
    bool handled = false;    // the key is swallowed
    int select = -1;         // entry to select, -1: the selection stays
    bool runCommand = false; // run the sender's command afterwards
};

class Bookmarks {
  public:
    // A digit in a list with a bookmark table. The recipe list takes digits
    // only while it has rows (count > 0). A digit never stored selects 0; a
    // stored entry beyond a list that has since shrunk selects its last one.
    BookmarkOutcome onDigit(BookmarkTable table, int digit, KeyModifiers modifiers, int currentIndex,
                            int count);

    int stored(BookmarkTable table, int digit) const;

  private:
    std::array<std::array<int, 10>, 4> m_entries{};
};

} // namespace qor
