// The evaluate and search-effects commands run in-process on a small data
// folder written for the test.

#include "cli/cli_fixture.h"
#include "engine/potion_list.h"

#include <QTextStream>

#include <gtest/gtest.h>

namespace qor {
namespace {

using CliOutput = test::CliRun;

// Effects: 1 A, 2 B, 5 E beneficial; 3 C, 4 D harmful; 6.. single fillers.
// Recipes: (2,1) {A}, (3,1) {A,B}, (3,2) {A,C}, (5,4) {D}, (3,2,1) {A,B,C}.
class CliSearchTest : public test::CliDataFolder {
  protected:
    void SetUp() override {
        DataSetDescription dataSet = test::emptyDataSet();
        for (int e = 1; e <= 15; ++e)
            test::addEffect(dataSet, test::effect(e == 3 || e == 4, 1.0 + e));
        test::addItem(dataSet, {{1, 5, 0}, {2, 5, 0}, {6, 5, 0}, {7, 5, 0}});
        test::addItem(dataSet, {{1, 6, 0}, {3, 5, 0}, {8, 5, 0}, {9, 5, 0}});
        test::addItem(dataSet, {{1, 7, 0}, {2, 6, 0}, {3, 6, 0}, {10, 5, 0}});
        test::addItem(dataSet, {{4, 5, 0}, {5, 5, 0}, {11, 5, 0}, {12, 5, 0}});
        test::addItem(dataSet, {{4, 6, 0}, {13, 5, 0}, {14, 5, 0}, {15, 5, 0}});
        dataSet.items[2].name = QStringLiteral("Корень мандрагоры");
        dataSet.costs = {0, 100, 10};
        writeDataSet(dataSet);
    }

    CliOutput run(const QStringList &args) const { return runData(args); }
    // The first three numbers of each RECORD line.
    QStringList items(const CliOutput &r) {
        QStringList out;
        for (const QString &line : r.lines())
            out << line.section(QLatin1Char(' '), 0, 2);
        return out;
    }
};

TEST_F(CliSearchTest, EvaluatePrintsTheRecordOrNone) {
    CliOutput r = run({QStringLiteral("evaluate"), QStringLiteral("3"), QStringLiteral("1")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    ASSERT_EQ(r.lines().size(), 1);
    const QStringList fields = r.lines().front().split(QLatin1Char(' '));
    ASSERT_EQ(fields.size(), 29);
    // Items, effects by price (B before A), counts, main slot, useless, type.
    EXPECT_EQ(fields.mid(0, 8).join(QLatin1Char(' ')), QStringLiteral("3 1 0 2 1 0 0 0"));
    EXPECT_EQ(fields.mid(8, 3).join(QLatin1Char(' ')), QStringLiteral("2 2 1"));
    EXPECT_EQ(fields[12], QStringLiteral("0"));
    EXPECT_EQ(fields[13], QStringLiteral("0"));
    EXPECT_EQ(fields[11].toInt(), fields[24].toInt() + fields[25].toInt());

    EXPECT_EQ(run({QStringLiteral("evaluate"), QStringLiteral("1"), QStringLiteral("4")}).out,
              QStringLiteral("none\n"));
    // A third ingredient that shares nothing: lenient shows it as useless.
    r = run({QStringLiteral("evaluate"), QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("5")});
    EXPECT_EQ(r.lines().front().split(QLatin1Char(' '))[12], QStringLiteral("5"));
    r = run({QStringLiteral("evaluate"), QStringLiteral("--strict"), QStringLiteral("2"), QStringLiteral("1"),
             QStringLiteral("5")});
    EXPECT_EQ(r.out, QStringLiteral("none\n"));
}

TEST_F(CliSearchTest, SearchEffectsPrintsTheListInOrder) {
    const QStringList anyThree{QStringLiteral("search-effects"),
                               QStringLiteral("--filter"),
                               QStringLiteral("1:1"),
                               QStringLiteral("--filter"),
                               QStringLiteral("2:1"),
                               QStringLiteral("--filter"),
                               QStringLiteral("3:1"),
                               QStringLiteral("--count"),
                               QStringLiteral("2")};
    CliOutput r = run(anyThree);
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(items(r),
              (QStringList{QStringLiteral("2 1 0"), QStringLiteral("3 1 0"), QStringLiteral("3 2 0"),
                           QStringLiteral("5 4 0"), QStringLiteral("3 2 1")}));
    r = run(anyThree + QStringList{QStringLiteral("--sort"), QStringLiteral("-3")});
    EXPECT_EQ(items(r),
              (QStringList{QStringLiteral("5 4 0"), QStringLiteral("3 2 1"), QStringLiteral("3 2 0"),
                           QStringLiteral("3 1 0"), QStringLiteral("2 1 0")}));
    // Ingredient 3 not at hand (index 0 first in the set line).
    r = run(anyThree + QStringList{QStringLiteral("--available"), QStringLiteral("011011")});
    EXPECT_EQ(items(r), (QStringList{QStringLiteral("2 1 0"), QStringLiteral("5 4 0")}));
    r = run(anyThree + QStringList{QStringLiteral("--require1"), QStringLiteral("3"),
                                   QStringLiteral("--require2"), QStringLiteral("1")});
    EXPECT_EQ(items(r), (QStringList{QStringLiteral("3 1 0"), QStringLiteral("3 1 2")}));
    // The default count mode is pairs only; one wanted effect.
    r = run({QStringLiteral("search-effects"), QStringLiteral("--effect"), QStringLiteral("1:1")});
    EXPECT_EQ(items(r), (QStringList{QStringLiteral("2 1 0")}));
    r = run({QStringLiteral("search-effects"), QStringLiteral("--effect"), QStringLiteral("1:1"),
             QStringLiteral("--disable"), QStringLiteral("1")});
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.code, 0);
}

TEST_F(CliSearchTest, PriceRangeAndCells) {
    // Price steps 0, 100, 10: "--price 1:0" is the range 0..100, reversed.
    CliOutput all =
        run({QStringLiteral("search-effects"), QStringLiteral("--filter"), QStringLiteral("1:1")});
    CliOutput priced = run({QStringLiteral("search-effects"), QStringLiteral("--filter"),
                            QStringLiteral("1:1"), QStringLiteral("--price"), QStringLiteral("1:0")});
    int expected = 0;
    for (const QString &line : all.lines()) {
        const int cost = line.split(QLatin1Char(' '))[11].toInt();
        expected += cost <= 100 ? 1 : 0;
    }
    EXPECT_EQ(priced.lines().size(), expected);

    CliOutput cells = run({QStringLiteral("search-effects"), QStringLiteral("--effect"),
                           QStringLiteral("1:1"), QStringLiteral("--cells")});
    ASSERT_EQ(cells.code, 0) << cells.err.toStdString();
    ASSERT_EQ(cells.lines().size(), 1);
    const QStringList texts = cells.lines().front().split(QLatin1Char('\t'));
    ASSERT_EQ(texts.size(), 26);
    EXPECT_EQ(texts[0], QStringLiteral("1"));
    EXPECT_EQ(texts[3], QStringLiteral("Корень мандрагоры"));
    EXPECT_EQ(texts[5], QStringLiteral("-"));
    EXPECT_EQ(texts[9], QStringLiteral("Эффект 1"));
}

TEST_F(CliSearchTest, BadArgumentsAreUsageErrors) {
    const QList<QStringList> bad{
        {QStringLiteral("evaluate"), QStringLiteral("1")},
        {QStringLiteral("evaluate"), QStringLiteral("1"), QStringLiteral("x")},
        {QStringLiteral("evaluate"), QStringLiteral("1"), QStringLiteral("99")},
        {QStringLiteral("search-effects"), QStringLiteral("--effect"), QStringLiteral("6:1")},
        {QStringLiteral("search-effects"), QStringLiteral("--effect"), QStringLiteral("1:99")},
        {QStringLiteral("search-effects"), QStringLiteral("--filter"), QStringLiteral("1")},
        {QStringLiteral("search-effects"), QStringLiteral("--count"), QStringLiteral("3")},
        {QStringLiteral("search-effects"), QStringLiteral("--price"), QStringLiteral("0:3")},
        {QStringLiteral("search-effects"), QStringLiteral("--require1"), QStringLiteral("-1")},
        {QStringLiteral("search-effects"), QStringLiteral("--available"), QStringLiteral("01x")},
        {QStringLiteral("search-effects"), QStringLiteral("--sort"), QStringLiteral("26")},
    };
    for (const QStringList &args : bad) {
        const CliOutput r = run(args);
        EXPECT_EQ(r.code, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_FALSE(r.err.isEmpty());
    }
    QStringList missing{QStringLiteral("qor-alchemy-cli"), QStringLiteral("--data"),
                        m_dir.path() + QStringLiteral("/none"), QStringLiteral("search-effects")};
    QString out;
    QString err;
    QTextStream o(&out);
    QTextStream e(&err);
    EXPECT_EQ(runCli(missing, o, e), 1);
}

// Ingredients on an m x m grid, each with the effects of its row, column and
// two diagonals: two share an effect when they lie on one line, which gives
// more recipes than the list holds.
class CliSearchCapacity : public test::CliDataFolder {
  protected:
    void SetUp() override {
        constexpr int m = 14;
        DataSetDescription dataSet = test::emptyDataSet();
        for (int e = 0; e < 4 * m; ++e)
            test::addEffect(dataSet, test::effect(false, 1.0 + e % 7));
        for (int x = 0; x < m; ++x) {
            for (int y = 0; y < m; ++y)
                test::addItem(dataSet, {{1 + x, 5, 0},
                                        {1 + m + y, 5, 0},
                                        {1 + 2 * m + (x + y) % m, 5, 0},
                                        {1 + 3 * m + (x - y + m) % m, 5, 0}});
        }
        dataSet.costs = {0, 100, 10};
        writeDataSet(dataSet);
    }
};

// A broad search fills the list to its capacity: the list is printed and
// standard error says it was cut; a narrow one says nothing.
TEST_F(CliSearchCapacity, CutListIsReportedOnStandardError) {
    QStringList anyEffects{QStringLiteral("search-effects"), QStringLiteral("--count"), QStringLiteral("2")};
    for (int line = 1; line <= 5; ++line)
        anyEffects << QStringLiteral("--filter") << QStringLiteral("%1:1").arg(line);
    const test::CliRun broad = runData(anyEffects);
    EXPECT_EQ(broad.code, 0);
    EXPECT_EQ(broad.out.count(QLatin1Char('\n')), MaxPotions);
    EXPECT_TRUE(broad.err.contains(QString::number(MaxPotions))) << broad.err.toStdString();

    const test::CliRun narrow =
        runData({QStringLiteral("search-effects"), QStringLiteral("--effect"), QStringLiteral("1:1")});
    EXPECT_EQ(narrow.code, 0);
    EXPECT_FALSE(narrow.out.isEmpty());
    EXPECT_TRUE(narrow.err.isEmpty()) << narrow.err.toStdString();
}

} // namespace
} // namespace qor
