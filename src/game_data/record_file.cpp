#include "game_data/record_file.h"

#include "common/file_replace.h"

namespace qor {

namespace {

RecordFileResult errorAt(const RecordFileFormat &format, int line, const QString &what) {
    RecordFileResult r;
    r.status = RecordFileResult::Status::Error;
    r.line = line;
    r.message = damagedFileMessage(format.title, LineFault{line, what});
    return r;
}

} // namespace

RecordFileResult parseRecordFile(QByteArrayView bytes, const RecordFileFormat &format,
                                 const RecordCheck &check) {
    RecordLines lines(bytes);
    if (const std::optional<LineFault> fault = lines.readHeader(format.header))
        return errorAt(format, fault->line, fault->what);
    QByteArrayView line;
    while (lines.nextRecord(line)) {
        if (const std::optional<QString> why = check(line))
            return errorAt(format, lines.lineNo(), *why);
    }
    return {};
}

RecordFileResult readRecordFile(const QString &path, FileKind kind,
                                const std::function<RecordFileResult(QByteArrayView bytes)> &parse) {
    QByteArray bytes;
    const FileRead read = readCheckedFile(path, kind, bytes);
    RecordFileResult r;
    if (read.fault == FileFault::Missing) {
        r.status = RecordFileResult::Status::Missing;
        return r;
    }
    if (!read.ok()) {
        r.status = RecordFileResult::Status::Error;
        r.message = read.text(path);
        return r;
    }
    r = parse(bytes);
    if (!r.ok())
        r.message = QStringLiteral("%1: %2").arg(path, r.message);
    return r;
}

RecordFileResult saveRecordFile(const QString &path, const QByteArray &contents) {
    RecordFileResult r;
    if (const auto reason = replaceFileContents(path, contents)) {
        r.status = RecordFileResult::Status::Error;
        r.message = QStringLiteral("Не удалось записать файл %1: %2").arg(path, *reason);
    }
    return r;
}

bool parseDigits(QByteArrayView text, std::int32_t &value) {
    if (text.isEmpty() || text.size() > 9)
        return false;
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

} // namespace qor
