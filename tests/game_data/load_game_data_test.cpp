// The whole loading sequence from a data folder, its error messages, and the
// bundled data set.

#include "cp1251_text.h"

#include "game_data/data_loader.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::cp;
using test::ScratchDataDir;

void writeValidFolder(const ScratchDataDir &dir) {
    dir.write(QStringLiteral("Cost.txt"), "0\r\n100\r\n500\r\n");
    dir.write(QStringLiteral("Effects.ini"), cp("0 0 0 0 0 0                                      \r\n"
                                                "1.5 1 0 0 0 0 Восстановление сил\r\n"
                                                "2.0 1 1 0 1 0 Яд\r\n"
                                                "0.8 0 0 1 1 6 Слабость к огню\r\n"));
    dir.write(QStringLiteral("Filter.txt"), cp("В\r\nс\r\n"));
    dir.write(QStringLiteral("Items.ini"),
              cp("0 0 0 0  Ничего     / Nihil\r\n0 0 0\r\n0 0 0\r\n0 0 0\r\n0 0 0\r\n"
                 "$10 0.5 4 0  Мята       / Mentha\r\n1 5 0\r\n2 1 10\r\n3 2 1\r\n0 0 0\r\n"));
}

TEST(LoadGameData, FillsEveryTable) {
    ScratchDataDir dir;
    ASSERT_TRUE(dir.isValid());
    writeValidFolder(dir);
    GameData data;
    const std::optional<DataError> error = loadGameData(dir.path(), data);
    ASSERT_FALSE(error) << error->toText().toStdString();
    EXPECT_EQ(data.CostList, (std::vector<std::int32_t>{0, 100, 500}));
    EXPECT_EQ(data.effectRecordCount(), 4);
    EXPECT_EQ(data.itemRecordCount(), 2);
    EXPECT_EQ(data.ItemNames[1], QString::fromUtf8("Мята"));
    EXPECT_EQ(data.ItemNames2[1], QStringLiteral(" Mentha"));
    EXPECT_EQ(data.ItemTable[1].ID, 16);
    EXPECT_EQ(data.FilterList.size(), kFixedFilterCount + 2);
    EXPECT_EQ(data.FilterList[kFixedFilterCount + 1], QString::fromUtf8("с"));
    EXPECT_EQ(data.EffectFilterGroup, (std::vector<std::int32_t>{-1, 0, -1, 1}));
}

TEST(LoadGameData, MissingFileIsNamedInOrder) {
    for (const char *name : {"Cost.txt", "Effects.ini", "Filter.txt", "Items.ini"}) {
        ScratchDataDir dir;
        writeValidFolder(dir);
        dir.remove(QLatin1StringView(name));
        GameData data;
        const std::optional<DataError> error = loadGameData(dir.path(), data);
        ASSERT_TRUE(error) << name;
        EXPECT_EQ(error->message, QStringLiteral("File not found"));
        EXPECT_EQ(QFileInfo(error->file).fileName(), QLatin1StringView(name));
        EXPECT_TRUE(error->toText().contains(QLatin1StringView(name)));
    }
}

TEST(LoadGameData, MissingFolderStopsAtTheFirstFile) {
    GameData data;
    const std::optional<DataError> error = loadGameData(QStringLiteral("/nonexistent/qor/"), data);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->toText(), QStringLiteral("/nonexistent/qor/Cost.txt: File not found"));
}

TEST(LoadGameData, ErrorTextNamesFileLineAndRecord) {
    ScratchDataDir dir;
    writeValidFolder(dir);
    dir.write(QStringLiteral("Items.ini"),
              cp("0 0 0 0  Ничего / Nihil\r\n0 0 0\r\n0 0 0\r\n0 0 0\r\n0 0 0\r\n"
                 "1 0.5 4 0  Мята / Mentha\r\n1 5 0\r\n2 1 1O\r\n3 2 1\r\n0 0 0\r\n"));
    GameData data;
    std::optional<DataError> error = loadGameData(dir.path(), data);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->toText(), dir.path() + QStringLiteral("Items.ini, line 8: Invalid numeric input"));

    dir.write(QStringLiteral("Items.ini"),
              cp("0 0 0 0  Ничего / Nihil\r\n0 0 0\r\n0 0 0\r\n0 0 0\r\n0 0 0\r\n"
                 "1 0.5 4 0  Мята / Mentha\r\n1 5 0\r\n4 1 1\r\n3 2 1\r\n0 0 0\r\n"));
    error = loadGameData(dir.path(), data);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->toText(),
              dir.path() + QStringLiteral("Items.ini, line 6, ingredient 1: effect index 4 in "
                                          "slot 2 is outside 0..3"));
}

TEST(LoadGameData, BundledDataSetLoads) {
    const QString dir = QStringLiteral(QOR_SOURCE_DATA_DIR);
    if (!QFileInfo::exists(dir + QStringLiteral("Items.ini")))
        GTEST_SKIP() << "no bundled data set in " << dir.toStdString();
    GameData data;
    const std::optional<DataError> error = loadGameData(dir, data);
    ASSERT_FALSE(error) << error->toText().toStdString();
    EXPECT_GE(data.highestEffect(), 50);
    EXPECT_GE(data.highestItem(), 120);
    EXPECT_FALSE(data.CostList.empty());
    EXPECT_GT(data.FilterList.size(), kFixedFilterCount);
    // Every real ingredient carries four real effects.
    for (int i = 1; i <= data.highestItem(); ++i) {
        for (const TItemEffect &slot : data.ItemTable[std::size_t(i)].Eff)
            EXPECT_GT(slot.Effect, 0) << "ingredient " << i;
    }
}

} // namespace
} // namespace qor
