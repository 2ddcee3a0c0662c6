// The search-items, alt and grid commands run in-process on a small data
// folder written for the test and on the bundled data.

#include "cli/cli_fixture.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::CliRun;
using test::runTool;

// Four ingredients over eight effects:
//   1 {1,2,3,4}  2 {1,5,6,7}  3 {5,6,7,8}  4 {2,3,6,8}
class ModelCommands : public test::CliDataFolder {
  protected:
    void SetUp() override {
        DataSetDescription dataSet = test::emptyDataSet();
        for (int e = 1; e <= 8; ++e)
            test::addEffect(dataSet, test::effect(e % 3 == 0, 1.0 + e));
        const int slots[4][4] = {{1, 2, 3, 4}, {1, 5, 6, 7}, {5, 6, 7, 8}, {2, 3, 6, 8}};
        for (const auto &s : slots) {
            test::addItem(dataSet, {{s[0], 10, 5}, {s[1], 20, 10}, {s[2], 3, 0}, {s[3], 7, 30}});
        }
        dataSet.items[1].weight = 0.25;
        dataSet.items[2].weight = 2;
        dataSet.items[3].cost = 40;
        dataSet.items[4].id = 0x2A;
        dataSet.items[1].name2 = QStringLiteral("delta");
        dataSet.items[2].name2 = QStringLiteral("Beta");
        dataSet.items[3].name2 = QStringLiteral("alpha");
        dataSet.items[4].name2 = QStringLiteral("Gamma");
        writeDataSet(dataSet);
    }
};

TEST_F(ModelCommands, SearchItemsPrintsTheOneRecipeOrNothing) {
    const CliRun pair = runData(
        {QStringLiteral("search-items"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("0")});
    EXPECT_EQ(pair.code, 0);
    ASSERT_EQ(pair.lines().size(), 1);
    const QStringList fields = pair.lines()[0].split(QLatin1Char(' '));
    ASSERT_EQ(fields.size(), 29);
    // Items 1 2 0, one effect (1), ItemCount 2, EffCount 1, MainEffSlot 1.
    EXPECT_EQ(fields.mid(0, 11).join(QLatin1Char(' ')), QStringLiteral("1 2 0 1 0 0 0 0 2 1 1"));

    // The same ingredient twice counts once; order of the choosers is kept.
    const CliRun repeated = runData(
        {QStringLiteral("search-items"), QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("1")});
    EXPECT_TRUE(repeated.out.startsWith(QStringLiteral("2 1 0 1 ")));

    for (const QStringList &none :
         {QStringList{"1", "3", "0"}, QStringList{"1", "1", "0"}, QStringList{"0", "0", "0"}}) {
        const CliRun r = runData(QStringList{QStringLiteral("search-items")} + none);
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(r.out, QString()) << none.join(QLatin1Char(' ')).toStdString();
    }
}

TEST_F(ModelCommands, SearchItemsRefusesBadArguments) {
    EXPECT_EQ(runData({QStringLiteral("search-items"), QStringLiteral("1"), QStringLiteral("2")}).code, 2);
    EXPECT_EQ(runData({QStringLiteral("search-items"), QStringLiteral("1"), QStringLiteral("x"),
                       QStringLiteral("0")})
                  .code,
              2);
    const CliRun outside = runData(
        {QStringLiteral("search-items"), QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("0")});
    EXPECT_EQ(outside.code, 2);
    EXPECT_TRUE(outside.out.isEmpty());
    EXPECT_FALSE(outside.err.isEmpty());
}

TEST_F(ModelCommands, AltPrintsItsSixLines) {
    const CliRun empty = runData({QStringLiteral("alt")});
    EXPECT_EQ(empty.code, 0);
    EXPECT_EQ(empty.out, QStringLiteral("items\neffects\nreachable 1 2 3 4 5 6 7 8\nunreachable\n"
                                        "candidates 1 2 3 4\npotion none\n"));

    const CliRun one = runData({QStringLiteral("alt"), QStringLiteral("--item"), QStringLiteral("1"),
                                QStringLiteral("--effect"), QStringLiteral("1")});
    EXPECT_EQ(one.out, QStringLiteral("items 1\neffects 1\nreachable 1 2 3 4\nunreachable 5 6 7 8\n"
                                      "candidates 2\npotion none\n"));
}

TEST_F(ModelCommands, AltIgnoresRefusedAdditionsAndShowsThePotion) {
    const CliRun full =
        runData({QStringLiteral("alt"), QStringLiteral("--item"), QStringLiteral("1"),
                 QStringLiteral("--item"), QStringLiteral("2"), QStringLiteral("--item"), QStringLiteral("2"),
                 QStringLiteral("--item"), QStringLiteral("9"), QStringLiteral("--item"), QStringLiteral("3"),
                 QStringLiteral("--item"), QStringLiteral("4"), QStringLiteral("--effect"),
                 QStringLiteral("0"), QStringLiteral("--effect"), QStringLiteral("6")});
    EXPECT_EQ(full.code, 0);
    const QStringList lines = full.lines();
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], QStringLiteral("items 1 2 3"));
    EXPECT_EQ(lines[1], QStringLiteral("effects 6"));
    EXPECT_EQ(lines[2], QStringLiteral("reachable"));
    EXPECT_EQ(lines[3], QStringLiteral("unreachable 1 2 3 4 5 6 7 8"));
    EXPECT_EQ(lines[4], QStringLiteral("candidates"));
    // The potion is exactly what the search from the same ingredients finds.
    const CliRun same = runData(
        {QStringLiteral("search-items"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    ASSERT_FALSE(same.out.isEmpty());
    EXPECT_EQ(lines[5], QStringLiteral("potion ") + same.out.trimmed());

    EXPECT_EQ(runData({QStringLiteral("alt"), QStringLiteral("--item"), QStringLiteral("one")}).code, 2);
    EXPECT_EQ(runData({QStringLiteral("alt"), QStringLiteral("extra")}).code, 2);
}

TEST_F(ModelCommands, GridPrintsTwentyNineColumnsWithAPointInTheWeight) {
    // A locale with a decimal comma must not change the output.
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const CliRun grid = runData({QStringLiteral("grid")});
    QLocale::setDefault(saved);

    EXPECT_EQ(grid.code, 0);
    const QStringList lines = grid.lines();
    ASSERT_EQ(lines.size(), 4);
    const QStringList first = lines[0].split(QLatin1Char('\t'));
    ASSERT_EQ(first.size(), 29);
    EXPECT_EQ(first[0], QStringLiteral("Ингредиент 1"));
    EXPECT_EQ(first[1], QStringLiteral("10")); // base magnitude of slot 1
    EXPECT_EQ(first[2], QStringLiteral("5"));  // base duration of slot 1
    EXPECT_EQ(first[6], QStringLiteral("Эффект 1"));
    EXPECT_EQ(first[12], QStringLiteral("Эффект 2"));
    EXPECT_EQ(first[24], QStringLiteral("Эффект 4"));
    EXPECT_EQ(first[26], QStringLiteral("0.25"));
    EXPECT_EQ(first[27], QStringLiteral("00001001"));
    EXPECT_EQ(first[28], QStringLiteral("delta"));
    EXPECT_EQ(lines[1].split(QLatin1Char('\t'))[26], QStringLiteral("2"));
    EXPECT_EQ(lines[2].split(QLatin1Char('\t'))[25], QStringLiteral("40"));
    EXPECT_EQ(lines[3].split(QLatin1Char('\t'))[27], QStringLiteral("0000002A"));
}

TEST_F(ModelCommands, GridSortCodes) {
    const auto order = [this](const QString &code) {
        QStringList names;
        for (const QString &line : runData({QStringLiteral("grid"), QStringLiteral("--sort"), code}).lines())
            names << line.section(QLatin1Char('\t'), 28, 28);
        return names.join(QLatin1Char(' '));
    };
    EXPECT_EQ(order(QStringLiteral("29")), QStringLiteral("alpha Beta delta Gamma"));
    EXPECT_EQ(order(QStringLiteral("-29")), QStringLiteral("Gamma delta Beta alpha"));
    // Price: 1, 1, 40, 1 - ascending puts equal keys in descending index order.
    EXPECT_EQ(order(QStringLiteral("26")), QStringLiteral("Gamma Beta delta alpha"));
    EXPECT_EQ(order(QStringLiteral("-26")), QStringLiteral("alpha delta Beta Gamma"));
    EXPECT_EQ(order(QStringLiteral("0")), QStringLiteral("delta Beta alpha Gamma"));
    EXPECT_EQ(order(QStringLiteral("31")), QStringLiteral("delta Beta alpha Gamma"));
    EXPECT_EQ(runData({QStringLiteral("grid"), QStringLiteral("--sort"), QStringLiteral("x")}).code, 2);
}

TEST(ModelCommandsBundled, GridSortedByWeightDescending) {
    const QString dir = QStringLiteral(QOR_BUILD_DATA_DIR);
    const CliRun grid = runTool({QStringLiteral("--data"), dir, QStringLiteral("grid"),
                                 QStringLiteral("--sort"), QStringLiteral("-27")});
    ASSERT_EQ(grid.code, 0) << grid.err.toStdString();
    const QStringList lines = grid.lines();
    ASSERT_GT(lines.size(), 100);
    double previous = 1e300;
    for (const QString &line : lines) {
        const QStringList cells = line.split(QLatin1Char('\t'));
        ASSERT_EQ(cells.size(), 29);
        bool ok = false;
        const double weight = cells[26].toDouble(&ok);
        ASSERT_TRUE(ok) << cells[26].toStdString();
        EXPECT_LE(weight, previous);
        previous = weight;
        EXPECT_EQ(cells[27].size(), 8);
    }
}

TEST(ModelCommandsBundled, MissingDataFolderIsADataError) {
    const CliRun r =
        runTool({QStringLiteral("--data"), QStringLiteral("/nonexistent/qor"), QStringLiteral("grid")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.out.isEmpty());
}

} // namespace
} // namespace qor
