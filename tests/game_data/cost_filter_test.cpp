// Cost.txt, Filter.txt, the filter list and the filter groups.

#include "cp1251_text.h"

#include "game_data/data_files.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::cp;
using Costs = std::vector<std::int32_t>;

TEST(CostFile, EveryLineIsAnEntryAndNonNumbersGiveZero) {
    EXPECT_EQ(parseCostList("10\r\n  20\r\n\r\n$1F\r\nabc\r\n30 \r\n\t40\r\n-5\r\n0x10\r\n99999999999"),
              (Costs{10, 20, 0, 31, 0, 0, 0, -5, 16, 0}));
    // Not sorted, not de-duplicated.
    EXPECT_EQ(parseCostList("50\n10\n50"), (Costs{50, 10, 50}));
}

TEST(CostFile, OnlyAnEmptyLastLineAddsAZeroStep) {
    EXPECT_EQ(parseCostList("5\r\n10\r\n"), (Costs{5, 10}));
    EXPECT_EQ(parseCostList("5\r\n10\r\n\r\n"), (Costs{5, 10, 0}));
    EXPECT_EQ(parseCostList(""), (Costs{0}));
}

TEST(FilterFile, LinesUnchangedAndEmptyLines) {
    EXPECT_EQ(parseFilterLines(cp("  Во \r\nab\tc\nЯ")),
              (QStringList{QString::fromUtf8("  Во "), QStringLiteral("ab\tc"), QString::fromUtf8("Я")}));
    EXPECT_EQ(parseFilterLines("a\r\n"), QStringList{QStringLiteral("a")});
    EXPECT_EQ(parseFilterLines("a\r\n\r\n"), (QStringList{QStringLiteral("a"), QString()}));
    EXPECT_EQ(parseFilterLines(""), QStringList{QString()});
}

GameData effectsNamed(const QStringList &names) {
    GameData data;
    data.EffectTable.resize(std::size_t(names.size()));
    data.EffectNames = names;
    for (const QString &n : names)
        data.EffectNamesUp.append(n.toUpper());
    return data;
}

TEST(FilterGroups, FixedEntriesThenFileLines) {
    GameData data = effectsNamed({QString()});
    buildFilters(data, {QStringLiteral("ab"), QString::fromUtf8("Во")});
    const QStringList expected{QString::fromUtf8("Нет"),      QString::fromUtf8("Нет / Любой"),
                               QString::fromUtf8("Любой"),    QString::fromUtf8("Нет / Вредный"),
                               QString::fromUtf8("Вредный"),  QString::fromUtf8("Нет / Полезный"),
                               QString::fromUtf8("Полезный"), QStringLiteral("ab"),
                               QString::fromUtf8("Во")};
    EXPECT_EQ(data.FilterList, expected);
}

TEST(FilterGroups, PrefixIgnoresCaseAndTheLastMatchingLineWins) {
    GameData data =
        effectsNamed({QString(), QString::fromUtf8("Восстановление сил"), QString::fromUtf8("вред огнём"),
                      QString::fromUtf8("Сопротивление огню"), QString::fromUtf8("Слабость к огню"),
                      QStringLiteral("Fire"), QString::fromUtf8("Ёлка")});
    buildFilters(data, {QString::fromUtf8("вос"), QString::fromUtf8("С"), QString::fromUtf8("сЛ"),
                        QStringLiteral("fI"), QString::fromUtf8("ВРЕД"), QString::fromUtf8("ё"),
                        QString::fromUtf8("Восстановление сил и ещё")});
    const std::vector<std::int32_t> expected{-1, 0, 4, 1, 2, 3, 5};
    EXPECT_EQ(data.EffectFilterGroup, expected);
}

TEST(FilterGroups, EmptyLineIsAPrefixOfEveryName) {
    GameData data = effectsNamed({QString(), QStringLiteral("A"), QStringLiteral("B")});
    buildFilters(data, {QStringLiteral("a"), QString()});
    EXPECT_EQ(data.EffectFilterGroup, (std::vector<std::int32_t>{1, 1, 1}));
    buildFilters(data, {QString(), QStringLiteral("a")});
    EXPECT_EQ(data.EffectFilterGroup, (std::vector<std::int32_t>{0, 1, 0}));
}

} // namespace
} // namespace qor
