// A save that the disk or a kill interrupts, seen from outside: the command-
// line tool (and a helper saving Stock.ini and Plan.ini) runs with a preloaded library
// that makes the sync fail or kills the process in the middle of a save. The old file must survive, a failure
// must be reported, and killed saves must not pile up temporary files.

#include "brewing_plan/plan_settings_file.h"
#include "brewing_plan/stock_file.h"
#include "discovery/known_effects.h"
#include "game_data/data_loader.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace qor;

namespace {

struct SaveRun {
    QProcess::ExitStatus status = QProcess::NormalExit;
    int code = -1;
    QString err;
};

// A folder with a settings file IN for the bundled data and an older OUT.
class SaveFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        GameData data;
        ASSERT_FALSE(loadGameData(QStringLiteral(QOR_BUILD_DATA_DIR), data));
        ASSERT_TRUE(m_dir.isValid());
        MainSettings s = defaultSettings(data.itemRecordCount());
        s.block.set(Setting.AlchemySkill, 42);
        ASSERT_TRUE(WriteSettings(in(), s).ok());
        m_newBytes = readFile(in());
        QFile old(out());
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(m_oldBytes);
    }

    QString in() const { return m_dir.filePath(QStringLiteral("in.ini")); }
    QString out() const { return m_dir.filePath(QStringLiteral("Main.ini")); }
    QStringList files() const {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }
    static QByteArray readFile(const QString &path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    SaveRun rewrite(const char *fault) const {
        // QOR_TEST_CLI_EXE runs the same checks against another build of the tool.
        const QString exe = qEnvironmentVariable("QOR_TEST_CLI_EXE", QStringLiteral(QOR_CLI_EXE));
        return runWithFault(exe,
                            {QStringLiteral("--data"), QStringLiteral(QOR_BUILD_DATA_DIR),
                             QStringLiteral("settings-rewrite"), in(), out()},
                            fault);
    }

    static SaveRun runWithFault(const QString &exe, const QStringList &args, const char *fault) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(QOR_FAULT_SHIM));
        env.insert(QLatin1String(fault), QStringLiteral("1"));
        // A sanitized build wants its runtime first; the shim only wraps libc.
        const QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
        env.insert(QStringLiteral("ASAN_OPTIONS"),
                   asan + (asan.isEmpty() ? "" : ":") + QStringLiteral("verify_asan_link_order=0"));
        p.setProcessEnvironment(env);
        p.start(exe, args);
        SaveRun r;
        if (!p.waitForFinished(60000))
            return r;
        r.status = p.exitStatus();
        r.code = p.exitCode();
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

    QTemporaryDir m_dir;
    QByteArray m_oldBytes = "the settings of the last run\r\n";
    QByteArray m_newBytes;
};

TEST_F(SaveFolder, FailedSyncKeepsTheOldFileAndIsReported) {
    const SaveRun r = rewrite("QOR_FAULT_SYNC_EIO");
    EXPECT_EQ(r.status, QProcess::NormalExit);
    EXPECT_EQ(r.code, 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(out())) << r.err.toStdString();
    EXPECT_EQ(readFile(out()), m_oldBytes);
    EXPECT_EQ(files(), (QStringList{QStringLiteral("Main.ini"), QStringLiteral("in.ini")}));
}

// The moments a kill can hit a save: in the middle of writing the temporary
// file, at its sync, at the rename.
constexpr const char *kKillPoints[] = {"QOR_FAULT_KILL_AT_WRITE", "QOR_FAULT_KILL_AT_SYNC",
                                       "QOR_FAULT_KILL_AT_RENAME"};

TEST_F(SaveFolder, KilledSavesLeaveTheOldFileWholeAndAtMostOneTemporaryFile) {
    for (const char *kill : kKillPoints) {
        SCOPED_TRACE(kill);
        const SaveRun r = rewrite(kill);
        EXPECT_EQ(r.status, QProcess::CrashExit);
        EXPECT_EQ(readFile(out()), m_oldBytes);
        EXPECT_LE(files().size(), 3) << files().join(u' ').toStdString();
    }
    // The next save that runs to its end leaves nothing beside the file.
    const SaveRun r = rewrite("QOR_FAULT_NONE");
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(readFile(out()), m_newBytes);
    EXPECT_EQ(files(), (QStringList{QStringLiteral("Main.ini"), QStringLiteral("in.ini")}));
}

// The program's own record files, saved by a helper the way their windows
// save them: Stock.ini and Plan.ini by the plan window, Known.ini whenever
// the player marks an effect.
struct RecordSave {
    const char *name;
    const char *fileName;
    QByteArray oldBytes;
    QStringList writerArgs; // after the file's path
    QByteArray newBytes;
};

void PrintTo(const RecordSave &c, std::ostream *os) {
    *os << c.fileName;
}

class RecordSaves : public SaveFolder, public ::testing::WithParamInterface<RecordSave> {};

TEST_P(RecordSaves, KilledSavesLeaveTheOldFileWhole) {
    const RecordSave &c = GetParam();
    const QString path = m_dir.filePath(QString::fromLatin1(c.fileName));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.oldBytes);
    }
    const QString writer = QStringLiteral(QOR_SAVE_WRITER);
    const QStringList args = QStringList{QString::fromLatin1(c.name), path} + c.writerArgs;
    for (const char *kill : kKillPoints) {
        SCOPED_TRACE(kill);
        const SaveRun r = runWithFault(writer, args, kill);
        EXPECT_EQ(r.status, QProcess::CrashExit);
        EXPECT_EQ(readFile(path), c.oldBytes);
    }
    const SaveRun failed = runWithFault(writer, args, "QOR_FAULT_SYNC_EIO");
    EXPECT_EQ(failed.code, 1);
    EXPECT_TRUE(failed.err.contains(path + QStringLiteral(": ошибка ввода-вывода")))
        << failed.err.toStdString();
    EXPECT_EQ(readFile(path), c.oldBytes);

    const SaveRun r = runWithFault(writer, args, "QOR_FAULT_NONE");
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(readFile(path), c.newBytes);
    QStringList left{QString::fromLatin1(c.fileName), QStringLiteral("Main.ini"), QStringLiteral("in.ini")};
    left.sort();
    EXPECT_EQ(files(), left);
}

PlanWindowSettings planWithTimeLimit(std::int32_t hundredths) {
    PlanWindowSettings s;
    s.timeLimitCs = hundredths;
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Records, RecordSaves,
    ::testing::Values(RecordSave{"stock",
                                 kStockFileName,
                                 serializeStock(StockCounts{0, 5, 0, 12}),
                                 {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")},
                                 serializeStock(StockCounts{0, 1, 2, 3})},
                      RecordSave{"plan",
                                 kPlanSettingsFileName,
                                 serializePlanSettings(planWithTimeLimit(1000)),
                                 {QStringLiteral("2500")},
                                 serializePlanSettings(planWithTimeLimit(2500))},
                      RecordSave{"known",
                                 kKnownFileName,
                                 "QOR-KNOWN 1\r\nshow-only-known 0\r\n1 13\r\n",
                                 {QStringLiteral("15"), QStringLiteral("0"), QStringLiteral("8")},
                                 "QOR-KNOWN 1\r\nshow-only-known 0\r\n1 1234\r\n3 4\r\n"}),
    [](const ::testing::TestParamInfo<RecordSave> &info) { return std::string(info.param.name); });

TEST_F(SaveFolder, WhateverSitsAtTheTemporaryNameIsReplacedNotFollowed) {
    // A FIFO would block the writer; a link would write somewhere else.
    const QString temp = out() + QStringLiteral(".tmp");
    const QString elsewhere = m_dir.filePath(QStringLiteral("elsewhere"));
    for (int round = 0; round < 2; ++round) {
        if (round == 0)
            ASSERT_EQ(::mkfifo(QFile::encodeName(temp).constData(), 0600), 0);
        else
            ASSERT_TRUE(QFile::link(elsewhere, temp));
        const SaveRun r = rewrite("QOR_FAULT_NONE");
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_EQ(readFile(out()), m_newBytes);
        EXPECT_FALSE(QFile::exists(elsewhere));
        EXPECT_FALSE(QFileInfo(temp).exists() || QFileInfo(temp).isSymLink());
    }
}

} // namespace
