// An installed program's data folder is read-only: the window reads and
// writes Main.ini in the user's configuration folder and leaves the data
// folder as it was.

#include "gui_test_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace qor {
namespace {

// A scratch data folder without write bits and empty test configuration
// folders for the duration of one test. The test configuration folder lies
// under HOME, so each test gets a home of its own: tests of this suite run in
// parallel processes and must not read each other's Main.ini.
class ReadOnlyDataTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_data.valid());
        ASSERT_TRUE(m_home.isValid());
        m_oldHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(m_home.path()));
        QStandardPaths::setTestModeEnabled(true);
        // The window's caption is the application name, which names the
        // configuration folder; set before the first window sets it.
        QCoreApplication::setApplicationName(kAppCaption);
        m_config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QDir(m_config).removeRecursively();
        ASSERT_EQ(::chmod(QFile::encodeName(m_data.dir()).constData(), 0555), 0);
        m_before = QDir(m_data.dir()).entryList(QDir::Files);
    }
    void TearDown() override {
        ::chmod(QFile::encodeName(m_data.dir()).constData(), 0700);
        QDir(m_config).removeRecursively();
        QStandardPaths::setTestModeEnabled(false);
        qputenv("HOME", m_oldHome);
    }
    QString configFile(const QString &name) const {
        return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QLatin1Char('/') + name;
    }

    test::ScratchData m_data;
    QTemporaryDir m_home;
    QByteArray m_oldHome;
    QString m_config;
    QStringList m_before;
};

TEST_F(ReadOnlyDataTest, SettingsGoToTheConfigurationFolder) {
    auto form = test::openForm(m_data);
    ASSERT_TRUE(form->startupError().isEmpty()) << form->startupError().toStdString();
    const QString ini = configFile(QStringLiteral("Main.ini"));
    EXPECT_EQ(form->state().SettingsDir + QStringLiteral("Main.ini"), ini);
    form->close();
    form.reset();
    EXPECT_TRUE(QFile::exists(ini));
    EXPECT_EQ(QDir(m_data.dir()).entryList(QDir::Files), m_before);
}

TEST_F(ReadOnlyDataTest, DamagedSettingsNameTheConfigurationFolder) {
    const QString ini = configFile(QStringLiteral("Main.ini"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(ini).absolutePath()));
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("26\r\n40\r\nnot a number\r\n");
    file.close();
    auto form = test::openForm(m_data);
    EXPECT_EQ(test::ui(form).CentralStack->currentWidget(), test::ui(form).StartupFailurePage);
    const QString page = test::ui(form).StartupFailurePage->text();
    EXPECT_TRUE(page.contains(QDir::toNativeSeparators(QFileInfo(ini).absolutePath()).toHtmlEscaped()));
    EXPECT_TRUE(page.contains(QDir::toNativeSeparators(m_data.dir()).toHtmlEscaped()));
}

} // namespace
} // namespace qor
