#pragma once
// The command-line tool run in-process, and a data folder written for a test.

#include "cli/cli_app.h"
#include "common/test_data.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qor::test {

// What one run returned and printed.
struct CliRun {
    int code = -1;
    QString out;
    QString err;
    QStringList lines() const { return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

// Runs the tool with these arguments; the program name is put in front.
CliRun runTool(QStringList args);
// The same on the bundled data folder ("--data" put in front).
CliRun runOnBundledData(const QStringList &args);

// A fresh folder per test: filled from a data set or file by file, and the
// tool run on it.
class CliDataFolder : public ::testing::Test {
  protected:
    void writeDataSet(const DataSetDescription &dataSet);
    void writeFile(const char *name, const QByteArray &bytes);
    QString dataDir() const { return m_dir.path(); }
    CliRun runData(const QStringList &args) const;

    QTemporaryDir m_dir;
};

} // namespace qor::test
