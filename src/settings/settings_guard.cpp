#include "settings/settings_guard.h"

#include "game_data/game_data.h"

namespace qor {

SearchConditions fitSlotToChoosers(const SearchConditions &slot, const GameData &data) {
    SearchConditions c = slot;
    const auto fits = [](std::int32_t v, int count) { return v >= 0 && v < count; };
    const int costCount = static_cast<int>(data.CostList.size());
    if (!fits(c.CostMinIndex, costCount))
        c.CostMinIndex = 0;
    // An open upper bound is the last price step.
    if (!fits(c.CostMaxIndex, costCount))
        c.CostMaxIndex = costCount > 0 ? costCount - 1 : 0;
    if (!fits(c.RequiredItem1, data.itemRecordCount()))
        c.RequiredItem1 = 0;
    if (!fits(c.RequiredItem2, data.itemRecordCount()))
        c.RequiredItem2 = 0;
    if (!fits(c.ItemsCountMode, 3))
        c.ItemsCountMode = 0;
    for (int k = 0; k < kEffectLines; ++k) {
        if (!fits(c.FilterCode[k], static_cast<int>(data.FilterList.size())))
            c.FilterCode[k] = FilterCode::None;
        if (!fits(c.WantedEffect[k], data.effectRecordCount()))
            c.WantedEffect[k] = 0;
    }
    return c;
}

} // namespace qor
