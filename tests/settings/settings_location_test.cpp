// Where Main.ini and the files beside it live: the data folder while it is
// writable, the user's configuration folder once it is not, with the first
// read there falling back to a file shipped in the data folder.

#include "settings/settings_file.h"
#include "settings/settings_location.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace qor;

namespace {

// Redirects QStandardPaths to its test folders for one test. Those lie under
// HOME, so each test gets a home of its own: the tests run in parallel
// processes and must not remove each other's configuration folder.
class SettingsLocationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_home.isValid());
        m_oldHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(m_home.path()));
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(m_root.isValid());
    }
    void TearDown() override {
        // Leave the folders writable again so that they can be removed.
        ::chmod(QFile::encodeName(m_root.path()).constData(), 0700);
        for (const QString &name : QDir(m_root.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            ::chmod(QFile::encodeName(m_root.filePath(name)).constData(), 0700);
        QDir(configFolder()).removeRecursively();
        QStandardPaths::setTestModeEnabled(false);
        qputenv("HOME", m_oldHome);
    }

    // A folder below the scratch root with the given mode, ending in '/'.
    QString folder(const char *name, mode_t mode) {
        const QString path = m_root.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(QDir().mkpath(path));
        EXPECT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
        return path + QLatin1Char('/');
    }

    static QString configFolder() {
        return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QLatin1Char('/');
    }

    static void touch(const QString &path) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    }

    QTemporaryDir m_home;
    QByteArray m_oldHome;
    QTemporaryDir m_root;
};

TEST_F(SettingsLocationTest, WritableDataFolderKeepsTheSettings) {
    const QString data = folder("data", 0755);
    EXPECT_TRUE(IsFolderWritable(data));
    EXPECT_EQ(settingsFolder(data), data);
    // Without the trailing separator the answer still has one.
    EXPECT_EQ(settingsFolder(data.chopped(1)), data);
}

// Checked as root too: root may write there, yet the folder has no write
// bits and so counts as read-only.
TEST_F(SettingsLocationTest, ReadOnlyOrMissingDataFolderSendsThemToTheConfigurationFolder) {
    const QString readOnly = folder("installed", 0555);
    EXPECT_FALSE(IsFolderWritable(readOnly));
    EXPECT_EQ(settingsFolder(readOnly), configFolder());
    const QString missing = m_root.filePath(QStringLiteral("missing/"));
    EXPECT_FALSE(IsFolderWritable(missing));
    EXPECT_EQ(settingsFolder(missing), configFolder());
    EXPECT_NE(configFolder(), QStringLiteral("/"));
}

// Root goes by the bits of his class: a folder of another owner is writable
// for him only through its group or others bits.
TEST_F(SettingsLocationTest, RootGoesByTheBitsOfHisClass) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root";
    const QString foreign = folder("foreign", 0755);
    ASSERT_EQ(::chown(QFile::encodeName(foreign).constData(), 65534, 65534), 0);
    EXPECT_FALSE(IsFolderWritable(foreign));
    ASSERT_EQ(::chmod(QFile::encodeName(foreign).constData(), 0757), 0);
    EXPECT_TRUE(IsFolderWritable(foreign));
    ASSERT_EQ(::chown(QFile::encodeName(foreign).constData(), 65534, 0), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(foreign).constData(), 0775), 0);
    EXPECT_TRUE(IsFolderWritable(foreign));
}

TEST_F(SettingsLocationTest, FirstReadInTheConfigurationFolderStartsFromTheShippedFile) {
    const QString data = folder("data", 0755);
    const QString user = folder("user", 0755);
    const QString name = QString::fromLatin1(kSettingsFileName);
    // Nothing anywhere: the user's path, which does not exist (defaults).
    EXPECT_EQ(settingsFileToRead(user, data, name), user + name);
    touch(data + name);
    EXPECT_EQ(settingsFileToRead(user, data, name), data + name);
    touch(user + name);
    EXPECT_EQ(settingsFileToRead(user, data, name), user + name);
    // Settings kept in the data folder read their own file.
    EXPECT_EQ(settingsFileToRead(data, data, name), data + name);
}

TEST_F(SettingsLocationTest, ChosenConfigurationFolderIsCreatedForTheWriters) {
    QDir(configFolder()).removeRecursively();
    const QString chosen = settingsFolder(folder("installed", 0555));
    EXPECT_TRUE(QFileInfo(chosen).isDir());
    const QString path = chosen + QString::fromLatin1(kSettingsFileName);
    EXPECT_TRUE(WriteSettings(path, defaultSettings(3)).ok());
}

} // namespace
