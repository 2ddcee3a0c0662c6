#include "brewing_plan/stock_file.h"

#include "common/file_replace.h"

#include <QDir>
#include <QFile>
#include <QList>

#include <algorithm>

namespace qor {

namespace {

const QByteArray kHeader = QByteArrayLiteral("QOR-STOCK 1");

StockResult errorAt(int line, const QString &what) {
    StockResult r;
    r.status = StockResult::Status::Error;
    r.line = line;
    r.message = line > 0 ? QStringLiteral("Файл запаса повреждён (строка %1): %2").arg(line).arg(what)
                         : QStringLiteral("Файл запаса повреждён: %1").arg(what);
    return r;
}

// Decimal digits with an optional minus, nothing else (no stray bytes).
bool parseInt(const QByteArray &text, std::int32_t &value) {
    for (qsizetype k = 0; k < text.size(); ++k) {
        const char c = text[k];
        if (!(c >= '0' && c <= '9') && !(k == 0 && c == '-'))
            return false;
    }
    bool ok = false;
    const int v = text.toInt(&ok);
    value = v;
    return ok;
}

} // namespace

QString StockFilePath(const QString &settingsDir) {
    return QDir(settingsDir).filePath(QString::fromLatin1(kStockFileName));
}

StockResult ParseStock(const QByteArray &bytes, int itemRecordCount, StockCounts &out) {
    const int size = std::max(itemRecordCount, 1);
    out.assign(std::size_t(size), 0);
    StockCounts counts(std::size_t(size), 0);
    std::vector<bool> seen(std::size_t(size), false);

    const QList<QByteArray> lines = bytes.split('\n');
    bool headerSeen = false;
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const int lineNo = static_cast<int>(k) + 1;
        const QByteArray line = lines[k].trimmed();
        if (!headerSeen) {
            if (line != kHeader)
                return errorAt(lineNo,
                               QStringLiteral("нет заголовка \"%1\"").arg(QString::fromLatin1(kHeader)));
            headerSeen = true;
            continue;
        }
        if (line.isEmpty())
            continue;
        const QList<QByteArray> fields = line.simplified().split(' ');
        std::int32_t index = 0;
        std::int32_t count = 0;
        if (fields.size() != 2 || !parseInt(fields[0], index) || !parseInt(fields[1], count))
            return errorAt(lineNo, QStringLiteral("ожидались номер ингредиента и количество"));
        if (index < 1 || index >= size)
            return errorAt(lineNo, QStringLiteral("номер ингредиента %1 вне 1..%2").arg(index).arg(size - 1));
        if (count < 0 || count > kMaxStockCount)
            return errorAt(lineNo, QStringLiteral("количество %1 вне 0..%2").arg(count).arg(kMaxStockCount));
        if (seen[std::size_t(index)])
            return errorAt(lineNo, QStringLiteral("ингредиент %1 указан дважды").arg(index));
        seen[std::size_t(index)] = true;
        counts[std::size_t(index)] = count;
    }
    if (!headerSeen)
        return errorAt(0, QStringLiteral("файл пуст"));
    out = std::move(counts);
    return {};
}

StockResult ReadStock(const QString &path, int itemRecordCount, StockCounts &out) {
    out.assign(std::size_t(std::max(itemRecordCount, 1)), 0);
    QFile file(path);
    if (!file.exists()) {
        StockResult r;
        r.status = StockResult::Status::Missing;
        return r;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        StockResult r = errorAt(0, file.errorString());
        r.message = QStringLiteral("Не удалось открыть файл %1: %2").arg(path, file.errorString());
        return r;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        StockResult r = errorAt(0, file.errorString());
        r.message = QStringLiteral("Не удалось прочитать файл %1: %2").arg(path, file.errorString());
        return r;
    }
    StockResult r = ParseStock(bytes, itemRecordCount, out);
    if (!r.ok())
        r.message = QStringLiteral("%1: %2").arg(path, r.message);
    return r;
}

QByteArray serializeStock(std::span<const std::int32_t> counts) {
    QByteArray text = kHeader + "\r\n";
    for (std::size_t i = 1; i < counts.size(); ++i) {
        const std::int32_t c = std::clamp(counts[i], 0, kMaxStockCount);
        if (c > 0)
            text += QByteArray::number(qulonglong(i)) + ' ' + QByteArray::number(c) + "\r\n";
    }
    return text;
}

StockResult WriteStock(const QString &path, std::span<const std::int32_t> counts) {
    if (const auto reason = replaceFileContents(path, serializeStock(counts))) {
        StockResult r;
        r.status = StockResult::Status::Error;
        r.message = QStringLiteral("Не удалось записать файл %1: %2").arg(path, *reason);
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
