#include "brewing_plan/stock_file.h"

#include "common/file_read.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdio>

#include <algorithm>
#include <cstdint>

namespace qor {

namespace {

const RecordFileFormat kFormat{"QOR-STOCK 1", QStringLiteral("Файл запаса")};

// Decimal digits with an optional minus, nothing else (no stray bytes). A
// number too long for 64 bits reads as the largest one, so that its range
// check names it.
bool parseNumber(QByteArrayView text, std::int64_t &value) {
    const bool negative = text.startsWith('-');
    if (negative)
        text = text.sliced(1);
    if (text.isEmpty())
        return false;
    std::int64_t magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        magnitude = magnitude > (INT64_MAX - 9) / 10 ? INT64_MAX : magnitude * 10 + (c - '0');
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

QString fieldText(QByteArrayView field) {
    return QString::fromLatin1(field.data(), field.size());
}

} // namespace

QString StockFilePath(const QString &settingsDir) {
    return QDir(settingsDir).filePath(QString::fromLatin1(kStockFileName));
}

StockResult ParseStock(QByteArrayView bytes, int itemRecordCount, StockCounts &out) {
    const int size = std::max(itemRecordCount, 1);
    out.assign(std::size_t(size), 0);
    StockCounts counts(std::size_t(size), 0);
    std::vector<bool> seen(std::size_t(size), false);
    const StockResult r = parseRecordFile(bytes, kFormat, [&](QByteArrayView line) -> std::optional<QString> {
        const QByteArrayView indexField = takeField(line);
        const QByteArrayView countField = takeField(line);
        std::int64_t index = 0;
        std::int64_t count = 0;
        if (!trimmedBlanks(line).isEmpty() || !parseNumber(indexField, index) ||
            !parseNumber(countField, count))
            return QStringLiteral("ожидались номер ингредиента и количество");
        if (index < 1 || index >= size)
            return QStringLiteral("номер ингредиента %1 вне 1..%2").arg(fieldText(indexField)).arg(size - 1);
        if (count < 0 || count > kMaxStockCount)
            return QStringLiteral("количество %1 вне 0..%2").arg(fieldText(countField)).arg(kMaxStockCount);
        if (seen[std::size_t(index)])
            return QStringLiteral("ингредиент %1 указан дважды").arg(index);
        seen[std::size_t(index)] = true;
        counts[std::size_t(index)] = std::int32_t(count);
        return std::nullopt;
    });
    if (r.ok())
        out = std::move(counts);
    return r;
}

StockResult ReadStock(const QString &path, int itemRecordCount, StockCounts &out) {
    out.assign(std::size_t(std::max(itemRecordCount, 1)), 0);
    return readRecordFile(path, FileKind::Stock,
                          [&](QByteArrayView bytes) { return ParseStock(bytes, itemRecordCount, out); });
}

QByteArray serializeStock(std::span<const std::int32_t> counts) {
    QByteArray text = kFormat.header.toByteArray() + "\r\n";
    for (std::size_t i = 1; i < counts.size(); ++i) {
        const std::int32_t c = std::clamp(counts[i], 0, kMaxStockCount);
        if (c > 0)
            text += QByteArray::number(qulonglong(i)) + ' ' + QByteArray::number(c) + "\r\n";
    }
    return text;
}

StockResult WriteStock(const QString &path, std::span<const std::int32_t> counts) {
    return saveRecordFile(path, serializeStock(counts));
}

QString StockBackupPath(const QString &path) {
    return path + QStringLiteral(".bak");
}

StockResult MoveStockToBackup(const QString &path) {
    const QString backup = StockBackupPath(path);
    // A rename needs no right to read the file: an unreadable stock is kept too.
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(backup).constData()) != 0 &&
        errno != ENOENT) {
        StockResult r;
        r.status = StockResult::Status::Error;
        r.message = QStringLiteral("Не удалось сохранить старый файл %1 как %2: %3")
                        .arg(path, backup, systemReason(errno));
        return r;
    }
    return {};
}

StockCounts StockFromAvailable(std::span<const std::uint8_t> available, int itemRecordCount,
                               std::int32_t count) {
    StockCounts out(std::size_t(std::max(itemRecordCount, 1)), 0);
    const std::int32_t c = std::clamp(count, 0, kMaxStockCount);
    for (std::size_t i = 1; i < out.size() && i < available.size(); ++i)
        out[i] = available[i] != 0 ? c : 0;
    return out;
}

} // namespace qor
