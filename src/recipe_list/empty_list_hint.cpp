#include "recipe_list/empty_list_hint.h"

#include "engine/search_plan.h"

namespace qor {

namespace {

// Two ingredients share at most all four effects of one of them.
constexpr int kMaxPairEffects = 4;

} // namespace

QString emptyRecipeListHint(const GameData &data, SearchType lastSearch, const SearchConditions &cond) {
    switch (lastSearch) {
    case SearchType::None:
        return kHintChooseCondition;
    case SearchType::FromItems:
        return kHintNoItemsPotion;
    case SearchType::AltMaking:
        return kHintAltEmpty;
    case SearchType::FromEffects:
        break;
    }
    const EffectSearchPlan plan = buildEffectSearchPlan(data, cond);
    if (plan.wantedCount == 0)
        return kHintChooseCondition;
    if (plan.checkCost && plan.priceMin == 0 && plan.priceMax == 0)
        return kHintPriceBoundsZero;
    if (cond.ItemsCountMode == 0 && plan.effMin > kMaxPairEffects)
        return kHintPairsTooFewEffects;
    return kHintNoMatch;
}

} // namespace qor
