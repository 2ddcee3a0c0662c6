#include "game_data/record_lines.h"

#include <algorithm>

namespace qor {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

QString damagedFileMessage(const QString &fileIs, const LineFault &fault) {
    return fault.line > 0
               ? QStringLiteral("%1 повреждён (строка %2): %3").arg(fileIs).arg(fault.line).arg(fault.what)
               : QStringLiteral("%1 повреждён: %2").arg(fileIs, fault.what);
}

QByteArrayView trimmedBlanks(QByteArrayView line) {
    while (!line.isEmpty() && isBlank(line.front()))
        line = line.sliced(1);
    while (!line.isEmpty() && isBlank(line.back()))
        line.chop(1);
    return line;
}

QByteArrayView takeField(QByteArrayView &line) {
    line = trimmedBlanks(line);
    qsizetype end = 0;
    while (end < line.size() && !isBlank(line[end]))
        ++end;
    const QByteArrayView field = line.first(end);
    line = line.sliced(end);
    return field;
}

std::optional<LineFault> RecordLines::readHeader(QByteArrayView header) {
    if (m_bytes.startsWith("\xEF\xBB\xBF"))
        return LineFault{1, QStringLiteral("файл начинается с метки UTF-8 — сохраните его без неё")};
    if (std::all_of(m_bytes.begin(), m_bytes.end(),
                    [](char c) { return static_cast<unsigned char>(c) <= 32; }))
        return LineFault{0, QStringLiteral("файл пуст")};
    m_lineNo = 1;
    if (trimmedBlanks(m_reader.readLine()) != header)
        return LineFault{1, QStringLiteral("нет заголовка \"%1\"").arg(QString::fromLatin1(header))};
    return std::nullopt;
}

bool RecordLines::nextRecord(QByteArrayView &line) {
    while (!m_reader.atEnd()) {
        ++m_lineNo;
        line = trimmedBlanks(m_reader.readLine());
        if (!line.isEmpty())
            return true;
    }
    return false;
}

} // namespace qor
