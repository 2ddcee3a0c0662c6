#pragma once
// The line the empty recipe list shows: what to do first, or why the
// conditions give no recipe.

#include "engine/search_conditions.h"

#include <QString>

namespace qor {

struct GameData;

// Nothing chosen yet (no search ran, or the search from effects has no
// effect or filter).
inline const QString kHintChooseCondition =
    QStringLiteral("Выберите эффект или фильтр — рецепты появятся здесь");
inline const QString kHintPriceBoundsZero =
    QStringLiteral("Рецептов нет: включена проверка цены, а обе её границы равны 0");
inline const QString kHintPairsTooFewEffects = QStringLiteral(
    "Рецептов нет: у зелья из двух ингредиентов столько эффектов не бывает — выберите «Три» или «2 + 3»");
inline const QString kHintNoMatch =
    QStringLiteral("Рецептов нет: ни одно зелье не подходит под выбранные условия");
inline const QString kHintNoItemsPotion = QStringLiteral("Рецептов нет: выбранные ингредиенты не дают зелья");
inline const QString kHintAltEmpty =
    QStringLiteral("Добавьте эффекты или ингредиенты альтернативного создания — рецепты появятся здесь");

// The hint for an empty list after the search lastSearch with cond.
QString emptyRecipeListHint(const GameData &data, SearchType lastSearch, const SearchConditions &cond);

} // namespace qor
