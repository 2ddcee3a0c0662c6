#include "input/bookmarks.h"

#include <algorithm>

namespace qor {

int bookmarkDigitOfKey(int qtKey) {
    return qtKey >= '0' && qtKey <= '9' ? qtKey - '0' : -1;
}

int Bookmarks::stored(BookmarkTable table, int digit) const {
    if (digit < 0 || digit > 9)
        return 0;
    return m_entries[std::size_t(table)][std::size_t(digit)];
}

BookmarkOutcome Bookmarks::onDigit(BookmarkTable table, int digit, KeyModifiers modifiers, int currentIndex,
                                   int count) {
    BookmarkOutcome outcome;
    if (digit < 0 || digit > 9 || (table == BookmarkTable::Recipes && count <= 0))
        return outcome;
    outcome.handled = true;
    if (modifiers.none()) {
        if (count > 0)
            outcome.select = std::clamp(stored(table, digit), 0, count - 1);
        outcome.runCommand = true;
    } else if (modifiers.ctrlOnly()) {
        m_entries[std::size_t(table)][std::size_t(digit)] = std::max(currentIndex, 0);
    } else {
        outcome.runCommand = true;
    }
    return outcome;
}

} // namespace qor
