#include "input/find_in_data.h"

#include <algorithm>

namespace qor {

bool FindTexts::startsWith(int index, QStringView prefix) const {
    if (index < 0 || index >= m_count)
        return false;
    if (m_list) {
        if (index >= m_list->size())
            return prefix.isEmpty();
        return QStringView((*m_list)[index]).startsWith(prefix, Qt::CaseSensitive);
    }
    return m_textAt ? QStringView(m_textAt(index)).startsWith(prefix, Qt::CaseSensitive) : prefix.isEmpty();
}

int FindInData(QStringView text, const FindTexts &texts, FindDirection direction, int firstIndex,
               int startIndex) {
    const int last = texts.lastIndex();
    if (direction == FindDirection::Forward) {
        for (int i = std::max(startIndex, firstIndex); i <= last; ++i) {
            if (texts.startsWith(i, text))
                return i;
        }
    } else {
        for (int i = std::min(startIndex, last); i >= firstIndex; --i) {
            if (texts.startsWith(i, text))
                return i;
        }
    }
    return -1;
}

int findFirstIndex(FindKind kind) {
    switch (kind) {
    case FindKind::Ingredients:
    case FindKind::GridRows:
    case FindKind::Effects:
    case FindKind::Filters:
        return 1;
    case FindKind::Recipes:
    case FindKind::AltEffects:
    case FindKind::AltIngredients:
        break;
    }
    return 0;
}

RecipeFindResult findRecipeRow(const FindTexts &recipeTexts, const QString &text, bool down,
                               int selectedRow) {
    RecipeFindResult result;
    if (recipeTexts.count() <= 0) {
        result.closeDialog = true;
        return result;
    }
    const QString upper = text.toUpper();
    // Without a selected row an upward search starts at the last row.
    if (!down && (selectedRow < 0 || selectedRow >= recipeTexts.count()))
        selectedRow = recipeTexts.count();
    result.row = down ? FindInData(upper, recipeTexts, FindDirection::Forward, 0, selectedRow + 1)
                      : FindInData(upper, recipeTexts, FindDirection::Backward, 0, selectedRow - 1);
    return result;
}

} // namespace qor
