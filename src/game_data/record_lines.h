#pragma once
// The small files the program writes for itself (Stock.ini, Plan.ini): a
// header line, then one record a line of blank-separated fields. CR LF, LF
// and CR end a line alike, blank lines are skipped, and nothing is copied.

#include "game_data/text_reader.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace qor {

struct LineFault {
    int line = 0; // 1-based; 0 speaks of the whole file
    QString what; // for the user (Russian)
};

class RecordLines {
  public:
    explicit RecordLines(QByteArrayView bytes) : m_bytes(bytes), m_reader(bytes) {}

    // Reads the header line; why the file is not one of this kind otherwise
    // (nothing but blanks, a UTF-8 byte-order mark, another first line).
    std::optional<LineFault> readHeader(QByteArrayView header);
    // The next record line that is not blank, its blanks trimmed; false at
    // the end of the file.
    bool nextRecord(QByteArrayView &line);
    // The 1-based line of the last line read.
    int lineNo() const { return m_lineNo; }

  private:
    QByteArrayView m_bytes;
    TextReader m_reader;
    int m_lineNo = 0;
};

// "<what the file is> повреждён (строка N): <what>", the line left out when 0.
QString damagedFileMessage(const QString &fileIs, const LineFault &fault);

// Space and tab are the only blanks of these files.
QByteArrayView trimmedBlanks(QByteArrayView line);
// The next blank-separated field of line, taken off its front.
QByteArrayView takeField(QByteArrayView &line);

} // namespace qor
