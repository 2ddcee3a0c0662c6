#pragma once
// The one way the program reads a file whole: Main.ini, Stock.ini, the data
// files and Help.ini all come through readCheckedFile, which refuses what is
// not a regular file or is larger than its kind of file can be, and says so
// in Russian.

#include "common/checked_file.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace qor {

enum class FileKind {
    Settings, // Main.ini: a few KB
    Stock,    // Stock.ini: under 2 KB for a full stock
    Known,    // Known.ini: under 2 KB with everything known
    Data,     // Cost.txt, Effects.ini, Filter.txt, Items.ini
    Help,     // Help.ini
};

// The largest file of a kind that is read at all.
std::uint64_t maxFileBytes(FileKind kind);

struct FileRead {
    FileFault fault = FileFault::None;
    QString reason; // for the user, without the path; empty when read

    bool ok() const { return fault == FileFault::None; }
    // "PATH: reason".
    QString text(const QString &path) const;
};

// Reads the whole file into bytes (left empty on a fault). Memory grows to
// the file's size and no further.
FileRead readCheckedFile(const QString &path, FileKind kind, QByteArray &bytes);

// The reason behind an errno, in Russian; the system's own text is English.
QString systemReason(int error);

} // namespace qor
