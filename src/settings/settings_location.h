#pragma once
// Where the user's own files live: Main.ini and every file kept beside it.
// A data folder the user may write to (the build folder, a portable copy)
// keeps them as it always did; an installed, read-only data folder sends
// them to the user's configuration folder.

#include <QString>

namespace qor {

// True when this process may write into folder. The system's answer
// (access(), which also knows read-only mounts) is taken as it is, except
// for root, to whom it always says yes: root goes by the folder's
// permission bits for his class (owner, group or others), so that a data
// folder installed without write bits stays untouched even when root runs
// the program.
bool IsFolderWritable(const QString &folder);

// The folder of the user's own files, ending in '/': dataDir itself when it
// is writable, else QStandardPaths::AppConfigLocation, which is created when
// missing.
QString settingsFolder(const QString &dataDir);

// The path to read fileName from: the copy in settingsDir when there is one;
// else, when settingsDir is not the data folder, the copy shipped in the
// data folder (the first run in a new configuration folder starts from it);
// else the path in settingsDir, which does not exist (the defaults apply).
// Both folders end in '/'.
QString settingsFileToRead(const QString &settingsDir, const QString &dataDir, const QString &fileName);

} // namespace qor
