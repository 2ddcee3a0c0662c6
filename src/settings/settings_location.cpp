#include "settings/settings_location.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

#include <vector>

namespace qor {

namespace {

QString withSeparator(QString folder) {
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

bool inOwnGroups(unsigned int gid) {
    if (gid == ::getegid())
        return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int got = ::getgroups(count, groups.data());
    for (int i = 0; i < got; ++i)
        if (groups[static_cast<std::size_t>(i)] == gid)
            return true;
    return false;
}

} // namespace

bool IsFolderWritable(const QString &folder) {
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isWritable())
        return false;
    if (::geteuid() != 0)
        return true;
    const QFileDevice::Permissions bits = info.permissions();
    if (info.ownerId() == 0)
        return bits.testFlag(QFileDevice::WriteOwner);
    if (inOwnGroups(info.groupId()))
        return bits.testFlag(QFileDevice::WriteGroup);
    return bits.testFlag(QFileDevice::WriteOther);
}

QString settingsFolder(const QString &dataDir) {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    // Without a configuration folder the data folder stays the place; a
    // failed write there is reported at exit.
    if (IsFolderWritable(dataDir) || config.isEmpty())
        return withSeparator(dataDir);
    // Created now, so that every writer can simply write into it.
    QDir().mkpath(config);
    return withSeparator(config);
}

QString settingsFileToRead(const QString &settingsDir, const QString &dataDir, const QString &fileName) {
    const QString own = settingsDir + fileName;
    if (QFileInfo::exists(own))
        return own;
    const QString shipped = dataDir + fileName;
    if (QDir(settingsDir) != QDir(dataDir) && QFileInfo::exists(shipped))
        return shipped;
    return own;
}

} // namespace qor
