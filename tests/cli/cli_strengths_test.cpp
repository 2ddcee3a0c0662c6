// qor-alchemy-cli run in-process: global options, the strengths command on a
// tiny data folder with hand-checked values, and the exit codes.

#include "cli/cli_context.h"
#include "cli/cli_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace qor {
namespace {

using test::CliRun;

// Four effects: magnitude-scaled, duration-scaled, a healing one (Physician
// class, Benefactor bonus) and a harmful class-5 one. Ingredient 1 carries
// all four; the empty last line of Items.ini adds ingredient 2.
class TinyDataFolder : public test::CliDataFolder {
  protected:
    void SetUp() override {
        writeFile("Cost.txt", "0\r\n10\r\n");
        writeFile("Effects.ini", "0 0 0 0 0 0\r\n"
                                 "0.5 0 0 0 0 0 Alpha\r\n"
                                 "1.0 0 1 0 0 0 Beta\r\n"
                                 "2.5 1 0 0 0 1 Gamma\r\n"
                                 "3 1 0 0 1 5 Delta\r\n");
        writeFile("Filter.txt", "A\r\n");
        writeFile("Items.ini", "0 0 0 0  None / None\r\n0 0 0\r\n0 0 0\r\n0 0 0\r\n0 0 0\r\n"
                               "1 0.1 3 0  Root / Radix\r\n1 10 0\r\n2 5 10\r\n3 2 60\r\n4 4 1\r\n\r\n");
    }
};

TEST_F(TinyDataFolder, StrengthsWithDefaultSkill) {
    const CliRun r = test::runTool({QStringLiteral("--data"), dataDir(), QStringLiteral("strengths")});
    EXPECT_EQ(r.code, kExitOk) << r.err.toStdString();
    EXPECT_EQ(r.err, QString());
    EXPECT_EQ(r.out, QStringLiteral("1 1 1 10 0 43 0 31 43 0 31\n"
                                    "1 2 2 5 10 5 43 29 5 43 29\n"
                                    "1 3 3 2 60 9 60 191 9 60 191\n"
                                    "1 4 4 4 1 0 0 5 0 0 5\n"
                                    "2 1 0 0 0 0 0 0 0 0 0\n"
                                    "2 2 0 0 0 0 0 0 0 0 0\n"
                                    "2 3 0 0 0 0 0 0 0 0 0\n"
                                    "2 4 0 0 0 0 0 0 0 0 0\n"));
}

TEST_F(TinyDataFolder, StrengthsWithEveryGlobalOption) {
    const CliRun r =
        test::runTool({QStringLiteral("--data"), dataDir() + QLatin1Char('/'), QStringLiteral("--skill"),
                       QStringLiteral("50"), QStringLiteral("--fortify"), QStringLiteral("25"),
                       QStringLiteral("--ranks"), QStringLiteral("2"), QStringLiteral("--perks"),
                       QStringLiteral("physician,benefactor"), QStringLiteral("strengths")});
    EXPECT_EQ(r.code, kExitOk) << r.err.toStdString();
    const QStringList lines = r.out.split(u'\n');
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[0], QStringLiteral("1 1 1 10 0 88 0 68 88 0 68"));
    EXPECT_EQ(lines[1], QStringLiteral("1 2 2 5 10 5 88 64 5 88 64"));
    EXPECT_EQ(lines[2], QStringLiteral("1 3 3 2 60 27 60 683 22 60 534"));
    EXPECT_EQ(lines[3], QStringLiteral("1 4 4 4 1 0 0 12 0 0 12"));
    EXPECT_EQ(lines[8], QString());

    // The poisoner perk raises only the harmful effect's bonus price.
    const CliRun p = test::runTool({QStringLiteral("--data"), dataDir(), QStringLiteral("--perks"),
                                    QStringLiteral("poisoner"), QStringLiteral("strengths")});
    EXPECT_TRUE(p.out.startsWith(QStringLiteral("1 1 1 10 0 43 0 31 43 0 31\n")));
    EXPECT_TRUE(p.out.contains(QStringLiteral("\n1 4 4 4 1 0 0 7 0 0 5\n"))) << p.out.toStdString();
}

TEST_F(TinyDataFolder, SkillsOutsideTheSkillTabsRangesAreRefused) {
    struct Case {
        const char *option;
        int low;
        int high;
    };
    for (const Case &c : {Case{"--skill", 0, 200}, Case{"--fortify", 0, 400}, Case{"--ranks", 0, 5}}) {
        const QString option = QLatin1String(c.option);
        for (const QString &bad : {QStringLiteral("-2147483648"), QString::number(c.low - 1),
                                   QString::number(c.high + 1), QStringLiteral("2147483647")}) {
            const CliRun r = test::runTool(
                {QStringLiteral("--data"), dataDir(), option, bad, QStringLiteral("strengths")});
            EXPECT_EQ(r.code, kExitUsage) << c.option << ' ' << bad.toStdString();
            EXPECT_EQ(r.out, QString());
            EXPECT_TRUE(r.err.contains(QStringLiteral("%1..%2").arg(c.low).arg(c.high)))
                << r.err.toStdString();
        }
        for (const int good : {c.low, c.high}) {
            const CliRun r = test::runTool({QStringLiteral("--data"), dataDir(), option,
                                            QString::number(good), QStringLiteral("strengths")});
            EXPECT_EQ(r.code, kExitOk) << c.option << ' ' << good << r.err.toStdString();
        }
    }
}

TEST_F(TinyDataFolder, NegativeIngredientIndicesAreOutOfRangeNotOptions) {
    const QList<QStringList> cases{
        {QStringLiteral("evaluate"), QStringLiteral("-1"), QStringLiteral("1")},
        {QStringLiteral("evaluate"), QStringLiteral("--strict"), QStringLiteral("1"),
         QStringLiteral("-2147483648")},
        {QStringLiteral("search-items"), QStringLiteral("1"), QStringLiteral("-3"), QStringLiteral("0")},
    };
    for (const QStringList &args : cases) {
        const CliRun r = test::runTool(QStringList{QStringLiteral("--data"), dataDir()} + args);
        EXPECT_EQ(r.code, kExitUsage) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("outside 0..2"))) << r.err.toStdString();
    }
    // Options are still checked, and positive indices still work.
    EXPECT_EQ(test::runTool({QStringLiteral("--data"), dataDir(), QStringLiteral("evaluate"),
                             QStringLiteral("-x"), QStringLiteral("1"), QStringLiteral("1")})
                  .code,
              kExitUsage);
    EXPECT_EQ(test::runTool({QStringLiteral("--data"), dataDir(), QStringLiteral("evaluate"),
                             QStringLiteral("1"), QStringLiteral("2")})
                  .code,
              kExitOk);
}

TEST_F(TinyDataFolder, UsageErrorsExitWithTwo) {
    const QString data = dataDir();
    const QList<QStringList> bad{
        {},
        {QStringLiteral("--data"), data},
        {QStringLiteral("--data"), data, QStringLiteral("no-such-command")},
        {QStringLiteral("--data"), data, QStringLiteral("strengths"), QStringLiteral("extra")},
        {QStringLiteral("--data"), data, QStringLiteral("strengths"), QStringLiteral("--bogus")},
        {QStringLiteral("--skill"), QStringLiteral("abc"), QStringLiteral("strengths")},
        {QStringLiteral("--skill"), QStringLiteral("99999999999"), QStringLiteral("strengths")},
        {QStringLiteral("--ranks"), QString(), QStringLiteral("strengths")},
        {QStringLiteral("--perks"), QStringLiteral("physician,alchemist"), QStringLiteral("strengths")},
        {QStringLiteral("--unknown"), QStringLiteral("strengths")},
        {QStringLiteral("--skill")},
    };
    for (const QStringList &args : bad) {
        const CliRun r = test::runTool(args);
        EXPECT_EQ(r.code, kExitUsage) << args.join(u' ').toStdString();
        EXPECT_EQ(r.out, QString()) << args.join(u' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty()) << args.join(u' ').toStdString();
    }
}

TEST_F(TinyDataFolder, DataErrorsExitWithOne) {
    writeFile("Items.ini", "0 0 0 0  None / None\r\n0 0 0\r\n0 0 0\r\n0 0 0\r\n0 0 0\r\n"
                           "1 0.1 3 0  Root / Radix\r\n1 10 0\r\n1 5 10\r\n3 2 60\r\n4 4 1\r\n");
    CliRun r = test::runTool({QStringLiteral("--data"), dataDir(), QStringLiteral("strengths")});
    EXPECT_EQ(r.code, kExitDataError);
    EXPECT_EQ(r.out, QString());
    EXPECT_TRUE(r.err.contains(QStringLiteral("Items.ini, строка 6, ингредиент 1: эффект 1 указан дважды")))
        << r.err.toStdString();

    QFile::remove(QDir(dataDir()).filePath(QStringLiteral("Filter.txt")));
    r = test::runTool({QStringLiteral("--data"), dataDir(), QStringLiteral("strengths")});
    EXPECT_EQ(r.code, kExitDataError);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Filter.txt: Файл не найден"))) << r.err.toStdString();

    // A folder or a FIFO in place of a data file is not reported as missing.
    ASSERT_TRUE(QDir(dataDir()).mkdir(QStringLiteral("Filter.txt")));
    r = test::runTool({QStringLiteral("--data"), dataDir(), QStringLiteral("strengths")});
    EXPECT_EQ(r.code, kExitDataError);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Filter.txt: не является обычным файлом")))
        << r.err.toStdString();
}

TEST_F(TinyDataFolder, FifoAsSettingsFileIsRefusedNotWaitedFor) {
    const QString fifo = QDir(dataDir()).filePath(QStringLiteral("Main.ini"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    CliRun r = test::runTool({QStringLiteral("--data"), dataDir(), QStringLiteral("settings-rewrite"), fifo,
                              QDir(dataDir()).filePath(QStringLiteral("out.ini"))});
    EXPECT_EQ(r.code, kExitDataError);
    EXPECT_TRUE(r.err.contains(QStringLiteral("не является обычным файлом"))) << r.err.toStdString();
    r = test::runTool({QStringLiteral("--data"), dataDir(), QStringLiteral("search-effects"),
                       QStringLiteral("--settings"), fifo});
    EXPECT_EQ(r.code, kExitDataError);
    EXPECT_TRUE(r.err.contains(QStringLiteral("не является обычным файлом"))) << r.err.toStdString();
}

TEST(CliApp, HelpGoesToStdout) {
    const CliRun r = test::runTool({QStringLiteral("--help")});
    EXPECT_EQ(r.code, kExitOk);
    EXPECT_TRUE(r.out.contains(QStringLiteral("strengths")));
    EXPECT_EQ(r.err, QString());
}

TEST(CliApp, DefaultDataFolderIsFilesBesideTheExecutable) {
    const QString dir = defaultDataDir();
    EXPECT_TRUE(dir.endsWith(QStringLiteral("/Files/")));
    // Compare the folders holding "Files", which exist even before the data does.
    auto binDir = [](const QString &filesDir) {
        return QFileInfo(QDir::cleanPath(filesDir + QStringLiteral("/.."))).canonicalFilePath();
    };
    const QString expected = binDir(QStringLiteral(QOR_BUILD_DATA_DIR));
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(binDir(dir), expected);
}

} // namespace
} // namespace qor
