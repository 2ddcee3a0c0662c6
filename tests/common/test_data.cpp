#include "common/test_data.h"

#include <algorithm>

namespace qor::test {

DataSetEffect effect(bool harmful, double baseCost, std::uint8_t effClass, std::uint8_t timeScaled,
                     std::uint8_t perkBoost) {
    DataSetEffect e;
    e.harmful = harmful ? 1 : 0;
    e.baseCost = baseCost;
    e.effClass = effClass;
    e.timeScaled = timeScaled;
    e.perkBoost = perkBoost;
    return e;
}

DataSetDescription emptyDataSet() {
    DataSetDescription dataSet;
    DataSetEffect none;
    none.name = QStringLiteral("Нет");
    none.baseCost = 0.0;
    dataSet.effects.push_back(none);
    DataSetItem placeholder;
    placeholder.name = QStringLiteral("Нет");
    placeholder.name2 = QStringLiteral("None");
    placeholder.cost = 0;
    dataSet.items.push_back(placeholder);
    dataSet.costs = {0, 10, 50, 100, 500, 1000};
    return dataSet;
}

int addEffect(DataSetDescription &dataSet, DataSetEffect e) {
    const int index = int(dataSet.effects.size());
    if (e.name.isEmpty())
        e.name = QStringLiteral("Эффект %1").arg(index);
    dataSet.effects.push_back(std::move(e));
    return index;
}

int addItem(DataSetDescription &dataSet, std::initializer_list<DataSetSlot> slots, const QString &name) {
    const int index = int(dataSet.items.size());
    DataSetItem item;
    item.name = name.isEmpty() ? QStringLiteral("Ингредиент %1").arg(index) : name;
    item.name2 = QStringLiteral("Item %1").arg(index);
    item.id = 0x1000 + index;
    std::copy_n(slots.begin(), std::min<std::size_t>(slots.size(), kSlotsPerItem), item.slots.begin());
    dataSet.items.push_back(item);
    return index;
}

GameData buildData(const DataSetDescription &dataSet) {
    return buildGameData(dataSet);
}

void setSlotCost(EffectStrengths &strengths, int item, int slot, std::int32_t cost, std::int32_t costPlain) {
    SlotStrength &e = strengths.item(item)[std::size_t(slot)];
    e.Cost = cost;
    e.CostPlain = costPlain < 0 ? cost : costPlain;
}

DataSetDescription randomSmallDataSet(std::mt19937_64 &rng, int items, int effects) {
    const auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    DataSetDescription dataSet = emptyDataSet();
    static const char16_t *const kStems[] = {u"Урон", u"Укрепление", u"Защита", u"Здоровье", u"Яд"};
    for (int e = 1; e <= effects; ++e) {
        DataSetEffect fx = effect(uniform(0, 2) == 0, uniform(1, 40) / 4.0, std::uint8_t(uniform(0, 9)),
                                  std::uint8_t(uniform(0, 4) == 0), std::uint8_t(uniform(0, 1)));
        fx.name = QString::fromUtf16(kStems[uniform(0, 4)]) + QStringLiteral(" %1").arg(e);
        addEffect(dataSet, fx);
    }
    // Small effect pools make many shared effects, three-way ones included.
    for (int i = 1; i <= items; ++i) {
        std::array<DataSetSlot, kSlotsPerItem> slots{};
        for (int j = 0; j < kSlotsPerItem; ++j) {
            int e = 0;
            do {
                e = uniform(1, effects);
            } while (std::any_of(slots.begin(), slots.begin() + j,
                                 [e](const DataSetSlot &s) { return s.effect == e; }));
            // Occasionally an empty slot, which the loader allows.
            if (uniform(0, 30) == 0)
                e = 0;
            slots[std::size_t(j)] = {e, uniform(0, 12), uniform(0, 3) * 10};
        }
        addItem(dataSet, {slots[0], slots[1], slots[2], slots[3]});
    }
    dataSet.costs.clear();
    const int costCount = uniform(1, 6);
    for (int k = 0; k < costCount; ++k)
        dataSet.costs.push_back(uniform(0, 60) * 5);
    dataSet.filterLines = {QStringLiteral("урон"), QStringLiteral("ЗА"), QStringLiteral("Укреп")};
    return dataSet;
}

std::vector<std::uint8_t> allAvailable(const GameData &data) {
    std::vector<std::uint8_t> available(std::size_t(data.itemRecordCount()), 1);
    if (!available.empty())
        available[0] = 0;
    return available;
}

QString withSlash(const QString &dir) {
    return dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
}

} // namespace qor::test
