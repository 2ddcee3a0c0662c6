#pragma once
// Reads numbers, rests of lines and whole lines from the bytes of a data
// file, by the reading rules all four data files share: number tokens skip
// every code <= 32 across line ends, a number asked for at the end of the
// file reads 0, a line ends at CR LF, LF or CR.

#include <QByteArrayView>

#include <cstdint>

namespace qor {

// Parses a whole integer token: optional sign, then decimal digits, or hex
// digits after "$", "x", "X", "0x" or "0X". Hex covers the full 32 bits
// ("$FFFFFFFF" is -1); a decimal value must fit int32. False on anything else.
bool parseIntToken(QByteArrayView token, std::int32_t &value);
// Parses a whole real token: optional sign, digits with an optional "." and
// an optional exponent, "." whatever the locale. False on anything else.
bool parseRealToken(QByteArrayView token, double &value);

class TextReader {
  public:
    explicit TextReader(QByteArrayView bytes) : m_bytes(bytes) {}

    // No character is left (another record follows otherwise).
    bool atEnd() const { return m_pos >= m_bytes.size(); }

    // The next integer token (at most 32 characters); 0 at the end of the
    // file. An invalid token reads 0 and marks the reader failed.
    std::int32_t readInt();
    // The next real token (at most 64 characters); as readInt otherwise.
    double readReal();
    // The characters from the current position up to the end of the line,
    // the line end excluded; the position stays at the line end.
    QByteArrayView restOfLine();
    // Moves past the next line end (to the end of the file when none is left).
    void nextLine();
    // restOfLine, then nextLine.
    QByteArrayView readLine();

    // A token was invalid; the first such token's 1-based line.
    bool failed() const { return m_errorPos >= 0; }
    int errorLine() const { return failed() ? lineAt(m_errorPos) : 0; }
    // 1-based line of a byte offset; counts line ends, so it costs one pass.
    int lineAt(qsizetype pos) const;
    qsizetype position() const { return m_pos; }
    // Offset of the last token read (the end of the file when none was left).
    qsizetype lastTokenStart() const { return m_tokenStart; }

  private:
    QByteArrayView nextToken(qsizetype maxLength);
    void fail(qsizetype tokenPos);

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
    qsizetype m_errorPos = -1;
    qsizetype m_tokenStart = 0;
};

} // namespace qor
