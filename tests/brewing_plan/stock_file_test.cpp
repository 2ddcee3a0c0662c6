// Stock.ini and Plan.ini: round trip, damaged files and the quick fill from a set.

#include "brewing_plan/plan_settings_file.h"
#include "brewing_plan/stock_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(StockFile, RoundTripsThroughTheFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = StockFilePath(dir.path());
    EXPECT_TRUE(path.endsWith(QStringLiteral("/Stock.ini")));
    EXPECT_EQ(StockFilePath(dir.path() + QLatin1Char('/')), path);

    const StockCounts counts{0, 5, 0, 9999, 1, 0, 42};
    ASSERT_TRUE(WriteStock(path, counts).ok());
    StockCounts back;
    const StockResult read = ReadStock(path, 7, back);
    EXPECT_TRUE(read.ok()) << read.message.toStdString();
    EXPECT_EQ(back, counts);
    // Only the counts above zero are written, one line each.
    EXPECT_EQ(serializeStock(counts), QByteArray("QOR-STOCK 1\r\n1 5\r\n3 9999\r\n4 1\r\n6 42\r\n"));

    // The data may have gained ingredients since: they start at zero.
    ASSERT_TRUE(ReadStock(path, 9, back).ok());
    EXPECT_EQ(back.size(), 9u);
    EXPECT_EQ(back[8], 0);
}

TEST(StockFile, ReadsHandWrittenFiles) {
    StockCounts counts;
    // LF or CR line ends, blanks, empty lines and explicit zeros are all fine.
    for (const char *text : {"QOR-STOCK 1\n\n  2   7 \n3 0\n", "QOR-STOCK 1\r\r\t2 7\r3 0"}) {
        const StockResult r = ParseStock(text, 4, counts);
        EXPECT_TRUE(r.ok()) << r.message.toStdString();
        EXPECT_EQ(counts, (StockCounts{0, 0, 7, 0}));
    }
}

TEST(StockFile, DamagedFilesGiveAMessageAndAnEmptyStock) {
    struct Case {
        QByteArray bytes;
        int line;
    };
    const Case cases[] = {
        {"", 0},
        {"\r\n \r\n", 0},
        {"\xEF\xBB\xBFQOR-STOCK 1\r\n", 1},
        {"STOCK\r\n1 5\r\n", 1},
        {"QOR-STOCK 2\r\n", 1},
        {"QOR-STOCK 1\r\n1 5\r\n2 x\r\n", 3},
        {"QOR-STOCK 1\r\n1\r\n", 2},
        {"QOR-STOCK 1\r\n1 2 3\r\n", 2},
        {"QOR-STOCK 1\r\n0 5\r\n", 2},
        {"QOR-STOCK 1\r\n4 5\r\n", 2},
        {"QOR-STOCK 1\r\n1 10000\r\n", 2},
        {"QOR-STOCK 1\r\n1 -1\r\n", 2},
        {"QOR-STOCK 1\r\n1 99999999999\r\n", 2},
        {"QOR-STOCK 1\r\n2 1\r\n2 3\r\n", 3},
        {QByteArray("QOR-STOCK 1\r\n1 5\0\r\n", 19), 2},
    };
    for (const Case &c : cases) {
        StockCounts counts{0, 1, 2, 3};
        const StockResult r = ParseStock(c.bytes, 4, counts);
        SCOPED_TRACE(c.bytes.toStdString());
        EXPECT_EQ(r.status, StockResult::Status::Error);
        EXPECT_EQ(r.line, c.line);
        EXPECT_TRUE(r.message.startsWith(QStringLiteral("Файл запаса повреждён")));
        EXPECT_EQ(counts, (StockCounts{0, 0, 0, 0}));
    }
}

TEST(StockFile, MessagesSayWhatIsWrong) {
    struct Case {
        QByteArray bytes;
        const char16_t *says;
    };
    const Case cases[] = {
        {"", u"файл пуст"},
        {"\xEF\xBB\xBFQOR-STOCK 1\r\n1 5\r\n", u"метки UTF-8"},
        {"QOR-STOCK 1\r\n1 99999999999999999999\r\n", u"количество 99999999999999999999 вне 0..9999"},
        {"QOR-STOCK 1\r\n-99999999999999999999 1\r\n", u"номер ингредиента -99999999999999999999 вне 1..3"},
    };
    for (const Case &c : cases) {
        StockCounts counts;
        const StockResult r = ParseStock(c.bytes, 4, counts);
        EXPECT_TRUE(r.message.contains(QString::fromUtf16(c.says))) << r.message.toStdString();
    }
}

TEST(StockFile, AnUnusableFileIsKeptAsABackupAndTheNewOneCanBeRead) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = StockFilePath(dir.path());
    const QByteArray old = "QOR-STOCK 1\r\n1 5\r\n";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(old);
    file.close();
    ASSERT_TRUE(file.setPermissions(QFileDevice::Permissions()));

    ASSERT_TRUE(MoveStockToBackup(path).ok());
    EXPECT_FALSE(QFile::exists(path));
    ASSERT_TRUE(
        QFile::setPermissions(StockBackupPath(path), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QFile backup(StockBackupPath(path));
    ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
    EXPECT_EQ(backup.readAll(), old);
    // With nothing to move aside there is nothing to do.
    EXPECT_TRUE(MoveStockToBackup(path).ok());

    // A file saved over one its owner could not read is readable again.
    ASSERT_TRUE(WriteStock(path, StockCounts{0, 1}).ok());
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::Permissions()));
    ASSERT_TRUE(WriteStock(path, StockCounts{0, 2}).ok());
    EXPECT_TRUE(QFileInfo(path).permissions().testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
}

TEST(StockFile, AFolderInPlaceOfTheTemporaryFileIsNamed) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = StockFilePath(dir.path());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Stock.ini.tmp")));
    const StockResult r = WriteStock(path, StockCounts{0, 1});
    EXPECT_EQ(r.status, StockResult::Status::Error);
    EXPECT_TRUE(r.message.contains(path + QStringLiteral(".tmp лежит папка"))) << r.message.toStdString();
    EXPECT_FALSE(QFile::exists(path));
}

TEST(StockFile, MissingFileIsAnEmptyStockAndAFailedWriteSaysWhy) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    StockCounts counts{0, 4};
    const StockResult missing = ReadStock(StockFilePath(dir.path()), 3, counts);
    EXPECT_EQ(missing.status, StockResult::Status::Missing);
    EXPECT_EQ(counts, (StockCounts{0, 0, 0}));

    const QString blocked = dir.filePath(QStringLiteral("no/such/folder/Stock.ini"));
    const StockResult failed = WriteStock(blocked, StockCounts{0, 1});
    EXPECT_EQ(failed.status, StockResult::Status::Error);
    EXPECT_TRUE(failed.message.contains(blocked));

    // A damaged file on disk names its path.
    const QString path = StockFilePath(dir.path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("garbage");
    file.close();
    const StockResult damaged = ReadStock(path, 3, counts);
    EXPECT_EQ(damaged.status, StockResult::Status::Error);
    EXPECT_TRUE(damaged.message.contains(path));
}

TEST(StockFile, FillsFromTheIngredientSet) {
    const std::vector<std::uint8_t> available{1, 1, 0, 1};
    EXPECT_EQ(StockFromAvailable(available, 5, 7), (StockCounts{0, 7, 0, 7, 0}));
    EXPECT_EQ(StockFromAvailable(available, 4, 12345), (StockCounts{0, 9999, 0, 9999}));
    EXPECT_EQ(StockFromAvailable(available, 4, -3), (StockCounts{0, 0, 0, 0}));
}

// Plan.ini: the written form, hand-written files, and every kind of damage
// reported with its line while the defaults stay.
TEST(PlanSettingsFile, RoundTripsAndRefusesDamage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = PlanSettingsFilePath(dir.path());
    PlanWindowSettings read;
    EXPECT_EQ(ReadPlanSettings(path, read).status, PlanSettingsResult::Status::Missing);
    EXPECT_EQ(read, PlanWindowSettings{});

    PlanWindowSettings s;
    s.options = {1, PlanKind::Poisons, 17, PlanObjective::Count};
    s.timeLimitCs = 1205;
    ASSERT_TRUE(WritePlanSettings(path, s).ok());
    EXPECT_EQ(serializePlanSettings(s),
              QByteArray("QOR-PLAN 1\r\ncount 1\r\nkind 1\r\neffect 17\r\nobjective 1\r\ntime 12.05\r\n"));
    const PlanSettingsResult back = ReadPlanSettings(path, read);
    EXPECT_TRUE(back.ok()) << back.message.toStdString();
    EXPECT_EQ(read, s);

    // Any order, LF or CR ends, blanks, missing names keep their defaults.
    for (const char *bytes : {"QOR-PLAN 1\n\n  time   0.5 \nkind 0\n", "QOR-PLAN 1\r\r\ttime 0.5\rkind 0"}) {
        ASSERT_TRUE(ParsePlanSettings(bytes, read).ok()) << bytes;
        EXPECT_EQ(read.timeLimitCs, 50);
        EXPECT_EQ(read.options.kind, PlanKind::Potions);
        EXPECT_EQ(read.options.ItemsCountMode, 2);
    }

    const std::pair<const char *, int> damaged[] = {
        {"", 0},
        {" \r\n", 0},
        {"\xEF\xBB\xBFQOR-PLAN 1\r\n", 1},
        {"QOR-PLAN 2\r\n", 1},
        {"QOR-PLAN 1\r\ncount 3\r\n", 2},
        {"QOR-PLAN 1\r\nkind -1\r\n", 2},
        {"QOR-PLAN 1\r\n\r\ntime 0.49\r\n", 3},
        {"QOR-PLAN 1\r\ntime 3600.01\r\n", 2},
        {"QOR-PLAN 1\r\ntime 1.234\r\n", 2},
        {"QOR-PLAN 1\r\ntime 1e3\r\n", 2},
        {"QOR-PLAN 1\r\neffect 100000\r\n", 2},
        {"QOR-PLAN 1\r\nobjective 1\r\nobjective 1\r\n", 3},
        {"QOR-PLAN 1\r\ncolour 1\r\n", 2},
        {"QOR-PLAN 1\r\ncount 1 2\r\n", 2},
    };
    for (const auto &[bytes, line] : damaged) {
        read.timeLimitCs = 1;
        const PlanSettingsResult r = ParsePlanSettings(bytes, read);
        EXPECT_EQ(r.status, PlanSettingsResult::Status::Error) << bytes;
        EXPECT_EQ(r.line, line) << bytes;
        EXPECT_TRUE(r.message.startsWith(QStringLiteral("Файл настроек плана повреждён"))) << bytes;
        EXPECT_EQ(read, PlanWindowSettings{}) << bytes;
    }

    // A folder in its place is refused, not read.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Plan.ini")));
    const PlanSettingsResult folder = ReadPlanSettings(path, read);
    EXPECT_EQ(folder.status, PlanSettingsResult::Status::Error);
    EXPECT_TRUE(folder.message.contains(path));
}

} // namespace
} // namespace qor
