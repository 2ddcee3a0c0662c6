#pragma once
// Reads Cost.txt, Effects.ini, Filter.txt and Items.ini (code page 1251)
// from the data folder into GameData.

#include "common/file_read.h"
#include "game_data/game_data.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace qor {

// A loading error: the platform-style text ("Файл не найден", "Неверное
// числовое значение", or a broken data invariant), the file and, for a
// number, the line (1-based; 0 when not tied to a line).
struct DataError {
    QString message;
    QString file;
    int line = 0;
    QString record; // for invariant errors: which record, e.g. "ингредиент 17"
    QString toText() const;
};

// Reads a whole data file (or the help, of the same encoding); a missing,
// unreadable, oversized or not regular file is an error naming the file.
std::optional<DataError> readDataFile(const QString &path, QByteArray &bytes, FileKind kind = FileKind::Data);

// dataDir ends with a path separator. On error, data is left partly filled.
// A folder whose Effects.ini or Items.ini holds nothing but the placeholder
// record 0 is an error too: the program cannot do anything with it.
std::optional<DataError> loadGameData(const QString &dataDir, GameData &data);

} // namespace qor
