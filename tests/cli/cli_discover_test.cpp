// The discover command on the bundled data: a pinned proven plan, the brew
// limit and eating, and the errors for bad options and a damaged Known.ini.

#include "cli/cli_fixture.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qor {
namespace {

using test::CliRun;

class DiscoverCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_known = m_dir.filePath(QStringLiteral("Known.ini"));
        // Everything known but slots 1 and 2 of ingredient 1 and slot 1 of ingredient 2.
        QByteArray text = "QOR-KNOWN 1\r\nshow-only-known 0\r\n1 34\r\n2 234\r\n";
        for (int i = 3; i <= 137; ++i)
            text += QByteArray::number(i) + " 1234\r\n";
        write(text);
    }
    void write(const QByteArray &bytes) {
        QFile f(m_known);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    CliRun run(const QStringList &args) const {
        return test::runOnBundledData(
            QStringList{QStringLiteral("discover"), QStringLiteral("--known"), m_known} + args);
    }

    QTemporaryDir m_dir;
    QString m_known;
};

TEST_F(DiscoverCommand, PrintsTheProvenPlanStepByStep) {
    CliRun r = run({});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    // Ingredient 35 learns nothing new, but shows ingredient 2 its first effect.
    EXPECT_EQ(r.out, QStringLiteral("brew 1 2 35 1:1 2:1\n"
                                    "brew 1 3 54 1:2\n"
                                    "unknown 3\nrevealable 3\nrevealed 3\nbrews 2\neatings 0\nbound 2\n"
                                    "status optimal\n"));
    r = run({QStringLiteral("--max-brews"), QStringLiteral("1")});
    EXPECT_EQ(r.out, QStringLiteral("brew 1 2 35 1:1 2:1\n"
                                    "unknown 3\nrevealable 3\nrevealed 2\nbrews 1\neatings 0\nbound unknown\n"
                                    "status optimal\n"));
    // Eating shows first effects without a brew.
    r = run({QStringLiteral("--max-brews"), QStringLiteral("0"), QStringLiteral("--eat")});
    EXPECT_EQ(r.out, QStringLiteral("eat 1 1:1\neat 2 2:1\n"
                                    "unknown 3\nrevealable 3\nrevealed 2\nbrews 0\neatings 2\nbound unknown\n"
                                    "status optimal\n"));
}

TEST_F(DiscoverCommand, RefusesBadOptionsAndADamagedKnownFile) {
    EXPECT_EQ(test::runOnBundledData({QStringLiteral("discover")}).code, 2);
    EXPECT_EQ(run({QStringLiteral("--max-brews"), QStringLiteral("-1")}).code, 2);
    EXPECT_EQ(run({QStringLiteral("--time-limit"), QStringLiteral("0")}).code, 2);
    EXPECT_EQ(run({QStringLiteral("--stock"), m_dir.filePath(QStringLiteral("none.ini"))}).code, 1);
    write("QOR-KNOWN 1\r\n1 34\r\n1 2\r\n");
    const CliRun r = run({});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Файл изученных эффектов повреждён (строка 3)")))
        << r.err.toStdString();
    EXPECT_EQ(r.out, QString());
}

} // namespace
} // namespace qor
