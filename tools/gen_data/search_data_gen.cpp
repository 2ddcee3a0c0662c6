#include "gen_data/search_data_gen.h"

#include "game_data/data_files.h"
#include "game_data/effect_description.h"
#include "game_data/text_codec.h"

#include <QDir>
#include <QFile>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <random>

namespace qor {

namespace {

constexpr int kEffectNameWidth = 38;
constexpr int kItemNameWidth = 40;

QString cut(const QString &text, qsizetype width) {
    return text.left(width);
}

QByteArray effectsFile(const DataSetDescription &dataSet) {
    QByteArray out;
    for (const DataSetEffect &e : dataSet.effects) {
        QString line = QString::number(e.baseCost, 'g', QLocale::FloatingPointShortest) + QLatin1Char(' ') +
                       QString::number(e.perkBoost) + QLatin1Char(' ') + QString::number(e.timeScaled) +
                       QLatin1Char(' ') + QString::number(e.percent) + QLatin1Char(' ') +
                       QString::number(e.harmful) + QLatin1Char(' ') + QString::number(e.effClass) +
                       QLatin1Char(' ');
        // The name fills a fixed column; the description starts behind it.
        if (e.description.isEmpty())
            line += cut(e.name, kEffectNameWidth);
        else
            line += cut(e.name, kEffectNameWidth).leftJustified(kEffectNameWidth, QLatin1Char(' ')) +
                    e.description.left(999);
        out += toCp1251(line) + "\r\n";
    }
    return out;
}

QByteArray itemsFile(const DataSetDescription &dataSet) {
    QByteArray out;
    for (const DataSetItem &item : dataSet.items) {
        // Two blanks, the display name in a fixed column, "/", the second
        // name; the "/" of the first record fixes the column for all.
        QString name = cut(item.name, kItemNameWidth);
        name.replace(QLatin1Char('/'), QLatin1Char('-'));
        QString name2 = item.name2;
        name2.replace(QLatin1Char('/'), QLatin1Char('-'));
        const QString header = QString::number(item.id) + QLatin1Char(' ') +
                               QString::number(item.weight, 'g', QLocale::FloatingPointShortest) +
                               QLatin1Char(' ') + QString::number(item.cost) + QLatin1Char(' ') +
                               QString::number(item.extra) + QStringLiteral("  ") +
                               name.leftJustified(kItemNameWidth, QLatin1Char(' ')) + QLatin1Char('/') +
                               name2;
        out += toCp1251(header) + "\r\n";
        for (const DataSetSlot &slot : item.slots) {
            out += QByteArray::number(slot.effect) + ' ' + QByteArray::number(slot.basePower) + ' ' +
                   QByteArray::number(slot.baseTime) + "\r\n";
        }
    }
    return out;
}

QByteArray costFile(const DataSetDescription &dataSet) {
    QByteArray out;
    for (std::size_t i = 0; i < dataSet.costs.size(); ++i) {
        if (i > 0)
            out += "\r\n";
        out += QByteArray::number(dataSet.costs[i]);
    }
    return out;
}

QByteArray filterFile(const DataSetDescription &dataSet) {
    QByteArray out;
    for (qsizetype i = 0; i < dataSet.filterLines.size(); ++i) {
        if (i > 0)
            out += "\r\n";
        out += toCp1251(dataSet.filterLines[i]);
    }
    return out;
}

std::optional<QString> writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return std::nullopt;
}

} // namespace

GameData buildGameData(const DataSetDescription &dataSet) {
    GameData data;
    for (const DataSetEffect &e : dataSet.effects) {
        TEffectRec rec;
        rec.Harmful = e.harmful;
        rec.BaseCost = e.baseCost;
        rec.TimeScaled = e.timeScaled;
        rec.PerkBoost = e.perkBoost;
        rec.Percent = e.percent;
        rec.EffClass = e.effClass;
        const QByteArray descr = toCp1251(e.description.left(999));
        const DescriptionPieces pieces = splitDescription(descr);
        rec.DescrKind = pieces.kind;
        for (int i = 0; i < 3; ++i)
            rec.Descr[std::size_t(i)] = fromCp1251(pieces.pieces[std::size_t(i)]);
        data.EffectTable.push_back(rec);
        const QString name = cut(e.name, kEffectNameWidth).trimmed();
        data.EffectNames << name;
        data.EffectNamesUp << name.toUpper();
    }
    for (const DataSetItem &item : dataSet.items) {
        TItemRec rec;
        rec.ID = item.id;
        rec.Cost = item.cost;
        rec.Weight = item.weight;
        rec.Extra = item.extra;
        for (int j = 0; j < kSlotsPerItem; ++j) {
            rec.Eff[std::size_t(j)].Effect = item.slots[std::size_t(j)].effect;
            rec.Eff[std::size_t(j)].BasePower = item.slots[std::size_t(j)].basePower;
            rec.Eff[std::size_t(j)].BaseTime = item.slots[std::size_t(j)].baseTime;
        }
        data.ItemTable.push_back(rec);
        QString name = cut(item.name, kItemNameWidth);
        name.replace(QLatin1Char('/'), QLatin1Char('-'));
        while (!name.isEmpty() && name.back().unicode() <= 32)
            name.chop(1);
        QString name2 = item.name2;
        name2.replace(QLatin1Char('/'), QLatin1Char('-'));
        data.ItemNames << name;
        data.ItemNamesUp << name.toUpper();
        data.ItemNames2 << name2;
    }
    data.CostList = dataSet.costs;
    // An empty Filter.txt reads as one empty line.
    buildFilters(data, dataSet.filterLines.isEmpty() ? QStringList{QString()} : dataSet.filterLines);
    return data;
}

std::optional<QString> writeDataFolder(const DataSetDescription &dataSet, const QString &dir) {
    if (!QDir().mkpath(dir))
        return QStringLiteral("cannot create %1").arg(dir);
    const QDir d(dir);
    if (auto e = writeFile(d.filePath(QStringLiteral("Cost.txt")), costFile(dataSet)))
        return e;
    if (auto e = writeFile(d.filePath(QStringLiteral("Effects.ini")), effectsFile(dataSet)))
        return e;
    if (auto e = writeFile(d.filePath(QStringLiteral("Filter.txt")), filterFile(dataSet)))
        return e;
    if (auto e = writeFile(d.filePath(QStringLiteral("Items.ini")), itemsFile(dataSet)))
        return e;
    return std::nullopt;
}

DataSetDescription generateDataSet(std::uint64_t seed, int itemCount, int effectCount) {
    static const char16_t *const kKinds[] = {u"Урон",           u"Защита",     u"Сила", u"Слабость",
                                             u"Восстановление", u"Поглощение", u"Свет", u"Тень",
                                             u"Огонь",          u"Холод"};
    static const char16_t *const kTargets[] = {u"здоровья", u"магии", u"запаса сил", u"ловкости",
                                               u"разума",   u"удачи", u"скорости",   u"брони"};
    static const char16_t *const kRoots[] = {u"Корень", u"Лист", u"Гриб",  u"Ягода", u"Пыльца",
                                             u"Кора",   u"Семя", u"Чешуя", u"Клык",  u"Соль"};
    static const char16_t *const kRootsLatin[] = {u"Radix",  u"Folium", u"Fungus", u"Bacca", u"Pollen",
                                                  u"Cortex", u"Semen",  u"Squama", u"Dens",  u"Sal"};
    constexpr int kKindCount = int(std::size(kKinds));
    constexpr int kTargetCount = int(std::size(kTargets));
    constexpr int kRootCount = int(std::size(kRoots));

    effectCount = std::max(effectCount, kSlotsPerItem);
    itemCount = std::max(itemCount, 0);
    std::mt19937_64 rng(seed);
    const auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const auto chance = [&](double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(rng) < p; };

    DataSetDescription dataSet;
    DataSetEffect none;
    none.name = QStringLiteral("Нет");
    none.baseCost = 0.0;
    dataSet.effects.push_back(none);
    for (int e = 1; e <= effectCount; ++e) {
        DataSetEffect effect;
        const int kind = uniform(0, kKindCount - 1);
        effect.name = QString::fromUtf16(kKinds[kind]) + QLatin1Char(' ') +
                      QString::fromUtf16(kTargets[uniform(0, kTargetCount - 1)]) + QLatin1Char(' ') +
                      QString::number(e);
        effect.harmful = (kind % 2 == 0 || kind == 7) ? 1 : 0;
        effect.baseCost = std::round(std::uniform_real_distribution<double>(0.1, 20.0)(rng) * 10.0) / 10.0;
        effect.timeScaled = chance(0.2) ? 1 : 0;
        effect.perkBoost = chance(0.6) ? 1 : 0;
        effect.percent = chance(0.2) ? 1 : 0;
        effect.effClass = chance(0.6) ? 0 : std::uint8_t(uniform(1, 8));
        switch (uniform(0, 3)) {
        case 0:
            effect.description = QStringLiteral("Действует <D> сек.");
            break;
        case 1:
            effect.description = QStringLiteral("Сила <M> ед. на <D> сек.");
            break;
        case 2:
            effect.description = QStringLiteral("Меняет свойство на <M> ед.");
            break;
        default:
            break;
        }
        dataSet.effects.push_back(effect);
    }

    // Uneven effect frequencies shaped like the bundled data: the most common
    // effects on about 1.6 times the average number of ingredients, the
    // rarest on about a fifth of it.
    std::vector<double> weights(std::size_t(effectCount) + 1, 0.0);
    for (int e = 1; e <= effectCount; ++e)
        weights[std::size_t(e)] = std::uniform_real_distribution<double>(0.15, 1.6)(rng);
    std::discrete_distribution<int> pickEffect(weights.begin(), weights.end());

    DataSetItem placeholder;
    placeholder.name = QStringLiteral("Нет");
    placeholder.name2 = QStringLiteral("None");
    placeholder.weight = 0.0;
    placeholder.cost = 0;
    dataSet.items.push_back(placeholder);
    static const int kTimes[] = {0, 1, 5, 10, 20, 30, 60, 120};
    for (int i = 1; i <= itemCount; ++i) {
        DataSetItem item;
        const int root = uniform(0, kRootCount - 1);
        item.name = QString::fromUtf16(kRoots[root]) + QLatin1Char(' ') + QString::number(i);
        item.name2 = QString::fromUtf16(kRootsLatin[root]) + QLatin1Char(' ') + QString::number(i);
        item.id = 0x100000 + i;
        item.weight = uniform(1, 50) / 10.0;
        item.cost = uniform(1, 100);
        item.extra = std::uint8_t(uniform(0, 3));
        for (int j = 0; j < kSlotsPerItem; ++j) {
            int e = 0;
            do {
                e = pickEffect(rng);
            } while (std::any_of(item.slots.begin(), item.slots.begin() + j,
                                 [e](const DataSetSlot &s) { return s.effect == e; }));
            item.slots[std::size_t(j)] = {e, uniform(1, 30), kTimes[uniform(0, int(std::size(kTimes)) - 1)]};
        }
        dataSet.items.push_back(item);
    }

    dataSet.costs = {0, 10, 25, 50, 100, 200, 350, 500, 750, 1000, 1500, 2500, 5000, 10000};
    for (int k = 0; k < kKindCount; ++k) {
        const QString kind = QString::fromUtf16(kKinds[k]);
        dataSet.filterLines << (k % 2 == 0 ? kind.left(4).toLower() : kind.left(5));
    }
    return dataSet;
}

} // namespace qor
