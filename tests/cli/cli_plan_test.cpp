// The plan command on the bundled data: a pinned plan for a small stock, the
// options, and the errors for bad options and damaged or unreadable stock files.

#include "cli/cli_fixture.h"
#include "common/bad_files.h"
#include "common/file_read.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <optional>
#include <random>

namespace qor {
namespace {

using test::CliRun;

class PlanCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_stock = m_dir.filePath(QStringLiteral("Stock.ini"));
        write("QOR-STOCK 1\r\n1 3\r\n2 2\r\n3 4\r\n4 1\r\n5 2\r\n6 3\r\n7 2\r\n8 1\r\n9 2\r\n10 3\r\n");
    }
    void write(const QByteArray &bytes) {
        QFile f(m_stock);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    CliRun run(const QStringList &planArgs) const {
        return test::runOnBundledData(QStringList{QStringLiteral("--skill"), QStringLiteral("50"),
                                                  QStringLiteral("plan"), QStringLiteral("--stock"),
                                                  m_stock} +
                                      planArgs);
    }

    QTemporaryDir m_dir;
    QString m_stock;
};

TEST_F(PlanCommand, PrintsTheProvenPlanOneRecipePerLine) {
    const CliRun r = run({});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    // 3+9+10 is worth as much as 3+9 and 3+10 and leaves one of ingredient 3.
    EXPECT_EQ(r.out, QStringLiteral("brew 1 7 0 2 69\n"
                                    "brew 1 4 9 1 248\n"
                                    "brew 3 5 10 1 129\n"
                                    "brew 3 9 10 1 113\n"
                                    "brew 5 8 10 1 148\n"
                                    "total 776\n"
                                    "greedy 753\n"
                                    "bound 776\n"
                                    "recipes 18\n"
                                    "status optimal\n"));
}

TEST_F(PlanCommand, OptionsNarrowTheRecipes) {
    const CliRun r = run({QStringLiteral("--kind"), QStringLiteral("poisons"), QStringLiteral("--objective"),
                          QStringLiteral("count"), QStringLiteral("--count"), QStringLiteral("0")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("brew 1 4 0 1 86\n"
                                    "brew 3 10 0 3 39\n"
                                    "brew 7 9 0 2 46\n"
                                    "total 6\n"
                                    "greedy 6\n"
                                    "bound 6\n"
                                    "recipes 3\n"
                                    "status optimal\n"));
}

TEST_F(PlanCommand, RefusesBadOptionsAndDamagedStock) {
    const QStringList bad[] = {
        {QStringLiteral("--kind"), QStringLiteral("elixirs")},
        {QStringLiteral("--count"), QStringLiteral("3")},
        {QStringLiteral("--objective"), QStringLiteral("weight")},
        {QStringLiteral("--time-limit"), QStringLiteral("0")},
        {QStringLiteral("--time-limit"), QStringLiteral("nan")},
        {QStringLiteral("--effect"), QStringLiteral("100000")},
        {QStringLiteral("extra")},
    };
    for (const QStringList &args : bad) {
        const CliRun r = run(args);
        EXPECT_EQ(r.code, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_FALSE(r.err.isEmpty());
    }

    write("QOR-STOCK 1\r\n1 five\r\n");
    const CliRun damaged = run({});
    EXPECT_EQ(damaged.code, 1);
    EXPECT_TRUE(damaged.out.isEmpty());
    EXPECT_TRUE(damaged.err.contains(QStringLiteral("строка 2")));

    QFile::remove(m_stock);
    const CliRun missing = run({});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.contains(m_stock + QStringLiteral(": файл запаса не найден")))
        << missing.err.toStdString();

    // Nothing but a regular file of at most 1 MB is read: no wait on a FIFO,
    // no endless read of a device.
    for (const test::BadFile kind : test::kBadFiles) {
        SCOPED_TRACE(test::badFileName(kind));
        ASSERT_TRUE(test::makeBadFile(kind, m_stock, maxFileBytes(FileKind::Stock)));
        {
            // Only an unreadable file needs a lesser user; a checkout in a
            // private folder (mode 0700) keeps the bundled data from him.
            std::optional<test::AsUnprivileged> lesserUser;
            if (kind == test::BadFile::Unreadable)
                lesserUser.emplace(QStringList{m_dir.path()});
            QFile data(QStringLiteral(QOR_SOURCE_DATA_DIR "Cost.txt"));
            if (data.open(QIODevice::ReadOnly)) {
                const CliRun r = run({});
                EXPECT_EQ(r.code, 1);
                EXPECT_TRUE(r.err.contains(m_stock + QStringLiteral(": ") + test::badFileReason(kind)))
                    << r.err.toStdString();
            }
        }
        ASSERT_TRUE(QFile::remove(m_stock) || QDir().rmdir(m_stock));
    }
}

#ifdef QOR_CLI_EXE
// True once the process catches SIGINT (its mask in /proc), i.e. the plan
// command has taken Ctrl+C over; false if it ended first.
bool waitUntilCatchingInterrupt(QProcess &p) {
    const QString status = QStringLiteral("/proc/%1/status").arg(p.processId());
    while (p.state() == QProcess::Running) {
        QFile f(status);
        if (f.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : f.readAll().split('\n')) {
                bool ok = false;
                if (line.startsWith("SigCgt:") &&
                    (line.mid(7).trimmed().toULongLong(&ok, 16) >> (SIGINT - 1)) & 1)
                    return true;
            }
        }
        QThread::msleep(5);
    }
    return false;
}

// Ctrl+C during a long plan (a large random data set, an hour's limit):
// the command stops, prints the best plan so far and exits with 130.
class PlanInterrupt : public test::CliDataFolder {};

TEST_F(PlanInterrupt, CtrlCPrintsTheBestPlanSoFarAndExits130) {
    std::mt19937_64 rng(24);
    writeDataSet(test::randomSmallDataSet(rng, 300, 12));
    QByteArray stock = "QOR-STOCK 1\r\n";
    for (int i = 1; i <= 300; ++i)
        stock += QByteArray::number(i) + " 5\r\n";
    writeFile("Stock.ini", stock);

    QProcess p;
    p.start(QStringLiteral(QOR_CLI_EXE), {QStringLiteral("--data"), dataDir(), QStringLiteral("plan"),
                                          QStringLiteral("--stock"), dataDir() + QStringLiteral("/Stock.ini"),
                                          QStringLiteral("--time-limit"), QStringLiteral("3600")});
    ASSERT_TRUE(p.waitForStarted());
    ASSERT_TRUE(waitUntilCatchingInterrupt(p)) << p.readAllStandardError().toStdString();
    ::kill(pid_t(p.processId()), SIGINT);
    ASSERT_TRUE(p.waitForFinished(120000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 130);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QStringLiteral("\ntotal "))) << out.toStdString();
    EXPECT_TRUE(out.endsWith(QStringLiteral("status cancelled\n"))) << out.toStdString();
}
#endif

} // namespace
} // namespace qor
