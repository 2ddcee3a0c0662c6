// settings-rewrite: a file the program wrote comes out byte for byte the
// same; damaged or missing input and an unwritable output are reported.

#include "cli/cli_fixture.h"
#include "game_data/data_loader.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace qor;

namespace {

using test::CliRun;

QByteArray readFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int dataItemRecordCount() {
    GameData data;
    if (loadGameData(QStringLiteral(QOR_SOURCE_DATA_DIR), data))
        return -1;
    return data.itemRecordCount();
}

TEST(CliSettingsRewrite, ProgramWrittenFileComesOutUnchanged) {
    const int items = dataItemRecordCount();
    ASSERT_GT(items, 1);
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("Main.ini"));
    const QString out = dir.filePath(QStringLiteral("out.ini"));

    MainSettings s = defaultSettings(items);
    s.usedItems.renameSet(2, QStringLiteral("Походный набор"));
    s.usedItems.UsedItemsSets[2][1] = 1;
    s.favorites.FavItems = {1, 2};
    s.block.set(Setting.AlchemySkill, 77);
    ASSERT_TRUE(WriteSettings(in, s).ok());

    const CliRun r = test::runOnBundledData({QStringLiteral("settings-rewrite"), in, out});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(readFile(out), readFile(in));
}

TEST(CliSettingsRewrite, ForeignFileIsNormalised) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("Main.ini"));
    const QString out = dir.filePath(QStringLiteral("out.ini"));
    // Reserved line 14 set, LF line ends: the rewrite writes 0 and CR LF.
    const QByteArray expected = serializeSettings(defaultSettings(dataItemRecordCount()));
    QList<QByteArray> lines = QByteArray(expected).replace("\r\n", "\n").split('\n');
    const int line14 = 1 + 1 + 26 + 1 + 7 + 1 + 30 + 14; // 1-based
    ASSERT_EQ(lines[line14 - 1], QByteArray("0"));
    lines[line14 - 1] = "5";
    QFile f(in);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(lines.join('\n'));
    f.close();

    const CliRun r = test::runOnBundledData({QStringLiteral("settings-rewrite"), in, out});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(readFile(out), expected);
}

TEST(CliSettingsRewrite, ErrorsAreReportedWithoutOutput) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("Main.ini"));
    const QString out = dir.filePath(QStringLiteral("out.ini"));

    CliRun r = test::runOnBundledData({QStringLiteral("settings-rewrite"), in, out});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(in));

    QFile f(in);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("26\r\n10\r\nwide\r\n");
    f.close();
    r = test::runOnBundledData({QStringLiteral("settings-rewrite"), in, out});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("строка 3"))) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));

    ASSERT_TRUE(WriteSettings(in, defaultSettings(dataItemRecordCount())).ok());
    r = test::runOnBundledData(
        {QStringLiteral("settings-rewrite"), in, dir.filePath(QStringLiteral("missing/out.ini"))});
    EXPECT_EQ(r.code, 1);
    EXPECT_FALSE(r.err.isEmpty());

    r = test::runOnBundledData({QStringLiteral("settings-rewrite"), in});
    EXPECT_EQ(r.code, 2);
}

// A settings file for the search tests: skill 100 with Benefactor, sort by
// price descending, set 1 current with every second ingredient, and slot 2
// asking for effect 1 in pairs and triples.
struct SearchSettingsFile {
    QTemporaryDir dir;
    QString path;
    QString availableBits;

    SearchSettingsFile() {
        const int items = dataItemRecordCount();
        MainSettings s = defaultSettings(items);
        s.block.set(Setting.AlchemySkill, 100);
        s.block.set(Setting.PerkBenefactor, true);
        s.block.set(Setting.PotionSortCode, -2);
        s.setUsedItemsSetIndex(1);
        for (int i = 0; i < items; ++i) {
            const bool on = i > 0 && i % 2 == 1;
            s.usedItems.UsedItemsSets[1][std::size_t(i)] = on ? 1 : 0;
            availableBits += on ? QLatin1Char('1') : QLatin1Char('0');
        }
        SearchConditions c;
        c.WantedEffect[0] = 1;
        c.ItemsCountMode = 2;
        s.SearchSlots[2] = c;
        // Slot 3 names indices the data does not have.
        SearchConditions stale;
        stale.WantedEffect = {99999, 1, 0, 0, 0};
        stale.FilterCode[2] = 5000;
        stale.RequiredItem1 = 88888;
        stale.RequiredItem1Enabled = true;
        stale.CostMinIndex = 700;
        stale.CostMaxIndex = -3;
        stale.CheckCost = true;
        stale.ItemsCountMode = 9;
        s.SearchSlots[3] = stale;
        path = dir.filePath(QStringLiteral("Main.ini"));
        EXPECT_TRUE(WriteSettings(path, s).ok());
    }
};

TEST(CliSearchWithSettings, FileGivesSkillsSortSetAndSlot) {
    const SearchSettingsFile f;
    const CliRun viaFile =
        test::runOnBundledData({QStringLiteral("search-effects"), QStringLiteral("--settings"), f.path,
                                QStringLiteral("--slot"), QStringLiteral("2")});
    ASSERT_EQ(viaFile.code, 0) << viaFile.err.toStdString();
    ASSERT_FALSE(viaFile.out.isEmpty());

    const CliRun spelledOut = test::runOnBundledData(
        {QStringLiteral("--skill"), QStringLiteral("100"), QStringLiteral("--perks"),
         QStringLiteral("benefactor"), QStringLiteral("search-effects"), QStringLiteral("--effect"),
         QStringLiteral("1:1"), QStringLiteral("--count"), QStringLiteral("2"), QStringLiteral("--sort"),
         QStringLiteral("-2"), QStringLiteral("--available"), f.availableBits});
    ASSERT_EQ(spelledOut.code, 0) << spelledOut.err.toStdString();
    EXPECT_EQ(viaFile.out, spelledOut.out);

    // Without the file's set and skills the result differs.
    const CliRun plain = test::runOnBundledData(
        {QStringLiteral("search-effects"), QStringLiteral("--effect"), QStringLiteral("1:1"),
         QStringLiteral("--count"), QStringLiteral("2"), QStringLiteral("--sort"), QStringLiteral("-2")});
    EXPECT_NE(plain.out, viaFile.out);
}

TEST(CliSearchWithSettings, CommandLineOptionsWin) {
    const SearchSettingsFile f;
    const QString allBits(f.availableBits.size(), QLatin1Char('1'));
    const CliRun viaFile = test::runOnBundledData(
        {QStringLiteral("--skill"), QStringLiteral("15"), QStringLiteral("--perks"), QString(),
         QStringLiteral("search-effects"), QStringLiteral("--settings"), f.path, QStringLiteral("--slot"),
         QStringLiteral("2"), QStringLiteral("--count"), QStringLiteral("0"), QStringLiteral("--sort"),
         QStringLiteral("3"), QStringLiteral("--available"), allBits});
    ASSERT_EQ(viaFile.code, 0) << viaFile.err.toStdString();
    const CliRun spelledOut = test::runOnBundledData(
        {QStringLiteral("--skill"), QStringLiteral("15"), QStringLiteral("search-effects"),
         QStringLiteral("--effect"), QStringLiteral("1:1"), QStringLiteral("--count"), QStringLiteral("0"),
         QStringLiteral("--sort"), QStringLiteral("3"), QStringLiteral("--available"), allBits});
    ASSERT_EQ(spelledOut.code, 0) << spelledOut.err.toStdString();
    EXPECT_FALSE(viaFile.out.isEmpty());
    EXPECT_EQ(viaFile.out, spelledOut.out);
}

TEST(CliSearchWithSettings, SlotNamingIndicesBeyondTheDataRunsSafely) {
    const SearchSettingsFile f;
    const CliRun r = test::runOnBundledData({QStringLiteral("search-effects"), QStringLiteral("--settings"),
                                             f.path, QStringLiteral("--slot"), QStringLiteral("3")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
}

TEST(CliSearchWithSettings, BadSlotOrFileIsReported) {
    const SearchSettingsFile f;
    EXPECT_EQ(test::runOnBundledData(
                  {QStringLiteral("search-effects"), QStringLiteral("--slot"), QStringLiteral("1")})
                  .code,
              2);
    EXPECT_EQ(test::runOnBundledData({QStringLiteral("search-effects"), QStringLiteral("--settings"), f.path,
                                      QStringLiteral("--slot"), QStringLiteral("4")})
                  .code,
              2);
    EXPECT_EQ(test::runOnBundledData({QStringLiteral("search-effects"), QStringLiteral("--settings"), f.path,
                                      QStringLiteral("--slot"), QStringLiteral("x")})
                  .code,
              2);
    const CliRun missing =
        test::runOnBundledData({QStringLiteral("search-effects"), QStringLiteral("--settings"),
                                f.dir.filePath(QStringLiteral("none.ini"))});
    EXPECT_EQ(missing.code, 1);
    EXPECT_FALSE(missing.err.isEmpty());

    const QString damaged = f.dir.filePath(QStringLiteral("damaged.ini"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("26\r\n");
    file.close();
    const CliRun broken =
        test::runOnBundledData({QStringLiteral("search-effects"), QStringLiteral("--settings"), damaged});
    EXPECT_EQ(broken.code, 1);
    EXPECT_TRUE(broken.err.contains(QStringLiteral("строка 2"))) << broken.err.toStdString();
}

} // namespace
