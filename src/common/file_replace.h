#pragma once
// Replacing a file so that a crash, a kill or a power loss at any moment
// leaves either the old or the new content whole under the file's name.

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace qor {

// The temporary file a replacement writes first: one fixed name beside the
// target, so that a save killed before its rename leaves at most this one
// file, which the next save overwrites.
QString replacementTempPath(const QString &path);

// Writes bytes to the temporary file, syncs it to disk (checking the result),
// renames it over path and syncs the folder so that the new name survives a
// power loss. On failure the old file stays untouched, the temporary file is
// removed and the reason (for the user) is returned.
std::optional<QString> replaceFileContents(const QString &path, QByteArrayView bytes);

} // namespace qor
