#include "cli/cli_fixture.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

namespace qor::test {

CliRun runTool(QStringList args) {
    CliRun r;
    args.prepend(QStringLiteral("qor-alchemy-cli"));
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = runCli(args, out, err);
    out.flush();
    err.flush();
    return r;
}

CliRun runOnBundledData(const QStringList &args) {
    return runTool(QStringList{QStringLiteral("--data"), QStringLiteral(QOR_SOURCE_DATA_DIR)} + args);
}

void CliDataFolder::writeDataSet(const DataSetDescription &dataSet) {
    ASSERT_TRUE(m_dir.isValid());
    const auto error = writeDataFolder(dataSet, m_dir.path());
    ASSERT_FALSE(error) << error->toStdString();
}

void CliDataFolder::writeFile(const char *name, const QByteArray &bytes) {
    ASSERT_TRUE(m_dir.isValid());
    QFile f(QDir(m_dir.path()).filePath(QLatin1StringView(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

CliRun CliDataFolder::runData(const QStringList &args) const {
    return runTool(QStringList{QStringLiteral("--data"), m_dir.path()} + args);
}

} // namespace qor::test
