// settings-rewrite: a file the program wrote comes out byte for byte the
// same; damaged or missing input and an unwritable output are reported.

#include "cli/cli_app.h"
#include "game_data/data_loader.h"
#include "main_window/settings_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

using namespace qor;

namespace {

struct CliRun {
    int code = -1;
    QString out;
    QString err;
};

CliRun runCli(const QStringList &args) {
    CliRun r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = RunCli(QStringList{QStringLiteral("qor-alchemy-cli"), QStringLiteral("--data"),
                                QStringLiteral(QOR_SOURCE_DATA_DIR)} +
                        args,
                    out, err);
    out.flush();
    err.flush();
    return r;
}

QByteArray readFile(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int dataItemRecordCount() {
    GameData data;
    if (LoadGameData(QStringLiteral(QOR_SOURCE_DATA_DIR), data))
        return -1;
    return data.itemRecordCount();
}

TEST(CliSettingsRewrite, ProgramWrittenFileComesOutUnchanged) {
    const int items = dataItemRecordCount();
    ASSERT_GT(items, 1);
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("Main.ini"));
    const QString out = dir.filePath(QStringLiteral("out.ini"));

    MainSettings s = DefaultSettings(items);
    s.usedItems.renameSet(2, QStringLiteral("Походный набор"));
    s.usedItems.UsedItemsSets[2][1] = 1;
    s.favorites.FavItems = {1, 2};
    s.block.setAlchemySkill(77);
    ASSERT_TRUE(WriteSettings(in, s).ok());

    const CliRun r = runCli({QStringLiteral("settings-rewrite"), in, out});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(readFile(out), readFile(in));
}

TEST(CliSettingsRewrite, ForeignFileIsNormalised) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("Main.ini"));
    const QString out = dir.filePath(QStringLiteral("out.ini"));
    // Reserved line 14 set, LF line ends: the rewrite writes 0 and CR LF.
    const QByteArray expected = SerializeSettings(DefaultSettings(dataItemRecordCount()));
    QList<QByteArray> lines = QByteArray(expected).replace("\r\n", "\n").split('\n');
    const int line14 = 1 + 1 + 26 + 1 + 7 + 1 + 30 + 14; // 1-based
    ASSERT_EQ(lines[line14 - 1], QByteArray("0"));
    lines[line14 - 1] = "5";
    QFile f(in);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(lines.join('\n'));
    f.close();

    const CliRun r = runCli({QStringLiteral("settings-rewrite"), in, out});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(readFile(out), expected);
}

TEST(CliSettingsRewrite, ErrorsAreReportedWithoutOutput) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("Main.ini"));
    const QString out = dir.filePath(QStringLiteral("out.ini"));

    CliRun r = runCli({QStringLiteral("settings-rewrite"), in, out});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(in));

    QFile f(in);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("26\r\n10\r\nwide\r\n");
    f.close();
    r = runCli({QStringLiteral("settings-rewrite"), in, out});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("строка 3"))) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));

    ASSERT_TRUE(WriteSettings(in, DefaultSettings(dataItemRecordCount())).ok());
    r = runCli({QStringLiteral("settings-rewrite"), in, dir.filePath(QStringLiteral("missing/out.ini"))});
    EXPECT_EQ(r.code, 1);
    EXPECT_FALSE(r.err.isEmpty());

    r = runCli({QStringLiteral("settings-rewrite"), in});
    EXPECT_EQ(r.code, 2);
}

} // namespace
