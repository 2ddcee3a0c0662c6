#include "common/random_conditions.h"

namespace qor::test {

namespace {

int randomLineCode(std::mt19937_64 &rng, const GameData &data) {
    const int named = int(data.FilterList.size());
    return std::uniform_int_distribution<int>(0, named - 1)(rng);
}

} // namespace

SearchConditions randomConditions(std::mt19937_64 &rng, const GameData &data) {
    const auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    SearchConditions cond;
    cond.ItemsCountMode = uniform(0, 2);
    const int lines = uniform(1, 5);
    for (int i = 0; i < kEffectLines; ++i) {
        if (i >= lines)
            continue;
        switch (uniform(0, 5)) {
        case 0:
        case 1:
        case 2:
            cond.WantedEffect[std::size_t(i)] = uniform(0, data.highestEffect());
            break;
        case 3:
            // A filter overrides the effect chosen in the same line.
            cond.WantedEffect[std::size_t(i)] = uniform(0, data.highestEffect());
            cond.FilterCode[std::size_t(i)] = randomLineCode(rng, data);
            break;
        default:
            cond.FilterCode[std::size_t(i)] = uniform(1, 6);
            break;
        }
        cond.EffectEnabled[std::size_t(i)] = uniform(0, 7) != 0;
    }
    // Values a damaged settings file can hold.
    if (uniform(0, 20) == 0)
        cond.ItemsCountMode = uniform(0, 1) == 0 ? -1 : 3;
    if (uniform(0, 20) == 0)
        cond.WantedEffect[std::size_t(uniform(0, 4))] = uniform(0, 1) == 0 ? -3 : data.highestEffect() + 2;
    if (uniform(0, 20) == 0)
        cond.FilterCode[std::size_t(uniform(0, 4))] =
            uniform(0, 1) == 0 ? -2 : int(data.FilterList.size()) + 1;
    // Duplicated effects are common in real use.
    if (uniform(0, 4) == 0)
        cond.WantedEffect[4] = cond.WantedEffect[0];
    if (uniform(0, 2) == 0) {
        cond.RequiredItem1 = uniform(0, data.highestItem() + 1);
        cond.RequiredItem1Enabled = uniform(0, 3) != 0;
    }
    if (uniform(0, 3) == 0) {
        cond.RequiredItem2 = uniform(0, 3) == 0 ? cond.RequiredItem1 : uniform(0, data.highestItem());
        cond.RequiredItem2Enabled = uniform(0, 3) != 0;
    }
    if (uniform(0, 2) == 0) {
        const int last = int(data.CostList.size()) - 1;
        cond.CheckCost = true;
        cond.CostMinIndex = uniform(0, last);
        cond.CostMaxIndex = uniform(0, last);
        if (uniform(0, 15) == 0)
            cond.CostMaxIndex = last + 3; // damaged settings: no price test
    }
    return cond;
}

} // namespace qor::test
