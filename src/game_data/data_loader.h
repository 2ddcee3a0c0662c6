#pragma once
// Reads Cost.txt, Effects.ini, Filter.txt and Items.ini (code page 1251)
// from the data folder into GameData.

#include "game_data/game_data.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace qor {

// A loading error: the platform-style text ("File not found", "Invalid
// numeric input", or a broken data invariant), the file and, for a number,
// the line (1-based; 0 when not tied to a line).
struct DataError {
    QString message;
    QString file;
    int line = 0;
    QString record; // for invariant errors: which record, e.g. "ingredient 17"
    QString toText() const;
};

// Reads a whole data file; a missing or unreadable file is an error naming
// the file.
std::optional<DataError> ReadDataFile(const QString &path, QByteArray &bytes);

// dataDir ends with a path separator. On error, data is left partly filled.
std::optional<DataError> loadGameData(const QString &dataDir, GameData &data);

} // namespace qor
