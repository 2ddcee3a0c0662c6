#pragma once
// Replacing a file in one step: the old file stays untouched unless the new
// contents were written completely and flushed to disk.

#include <QByteArray>
#include <QString>

#include <optional>

namespace qor {

// Writes bytes to path atomically; on failure returns the reason (from the
// file system, or "диск переполнен" for a short write) and the old file is kept.
std::optional<QString> WriteFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace qor
