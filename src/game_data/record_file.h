#pragma once
// Reading and saving the small record files the program writes for itself
// (Stock.ini, Plan.ini, Known.ini): a header line, then one record a line.
// A file is read whole within its size limit, checked record by record and
// saved through the safe replace, so that a failed save keeps the old file.

#include "common/file_read.h"
#include "game_data/record_lines.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace qor {

struct RecordFileResult {
    enum class Status { Ok, Missing, Error };
    Status status = Status::Ok;
    int line = 0;    // 1-based line where reading failed
    QString message; // for the user (Russian), empty on success

    bool ok() const { return status == Status::Ok; }
};

// What a record file is: its header line and how a message names it
// ("Файл запаса").
struct RecordFileFormat {
    QByteArrayView header;
    QString title;
};

// Why a record is wrong, or nothing when it is right.
using RecordCheck = std::function<std::optional<QString>(QByteArrayView record)>;

// Checks the header, then hands each record (blanks trimmed, blank lines
// skipped) to check; the first fault ends the reading with an error naming
// its line.
RecordFileResult parseRecordFile(QByteArrayView bytes, const RecordFileFormat &format,
                                 const RecordCheck &check);

// Reads the file and parses it: a missing file is Status::Missing, one that
// cannot be read an error with the reason, a damaged one the parse's error
// with the path in front.
RecordFileResult readRecordFile(const QString &path, FileKind kind,
                                const std::function<RecordFileResult(QByteArrayView bytes)> &parse);

// Saves the contents atomically; on error the old file stays as it was.
RecordFileResult saveRecordFile(const QString &path, const QByteArray &contents);

// A field of 1 to 9 decimal digits, nothing else.
bool parseDigits(QByteArrayView text, std::int32_t &value);

} // namespace qor
