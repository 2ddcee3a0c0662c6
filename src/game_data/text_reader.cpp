#include "game_data/text_reader.h"

#include <charconv>
#include <system_error>

namespace qor {

namespace {

constexpr qsizetype kMaxIntToken = 32;
constexpr qsizetype kMaxRealToken = 64;

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

bool parseIntToken(QByteArrayView token, std::int32_t &value) {
    qsizetype i = 0;
    const qsizetype n = token.size();
    bool negative = false;
    if (i < n && (token[i] == '+' || token[i] == '-')) {
        negative = token[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < n && (token[i] == '$' || token[i] == 'x' || token[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && token[i] == '0' && (token[i + 1] == 'x' || token[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= n)
        return false;
    std::uint64_t magnitude = 0;
    for (; i < n; ++i) {
        if (hex) {
            const int d = hexDigit(token[i]);
            if (d < 0)
                return false;
            magnitude = magnitude * 16 + std::uint64_t(d);
            if (magnitude > 0xFFFFFFFFull)
                return false;
        } else {
            if (!isDigit(token[i]))
                return false;
            magnitude = magnitude * 10 + std::uint64_t(token[i] - '0');
            if (magnitude > 0x80000000ull)
                return false;
        }
    }
    if (!hex && magnitude == 0x80000000ull && !negative)
        return false;
    // Hex digits give the 32 bits as written; the sign then negates them.
    std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
    if (negative)
        bits = 0u - bits;
    value = static_cast<std::int32_t>(bits);
    return true;
}

bool parseRealToken(QByteArrayView token, double &value) {
    qsizetype i = 0;
    const qsizetype n = token.size();
    if (i < n && (token[i] == '+' || token[i] == '-'))
        ++i;
    const qsizetype numberStart = (n > 0 && token[0] == '+') ? 1 : 0;
    qsizetype digits = 0;
    while (i < n && isDigit(token[i])) {
        ++i;
        ++digits;
    }
    if (i < n && token[i] == '.') {
        ++i;
        while (i < n && isDigit(token[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (token[i] == 'e' || token[i] == 'E')) {
        ++i;
        if (i < n && (token[i] == '+' || token[i] == '-'))
            ++i;
        qsizetype expDigits = 0;
        while (i < n && isDigit(token[i])) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    if (i != n)
        return false;
    // The syntax is checked above; from_chars is locale-independent.
    const char *first = token.data() + numberStart;
    const char *last = token.data() + n;
    double parsed = 0.0;
    const std::from_chars_result r = std::from_chars(first, last, parsed);
    if (r.ec != std::errc() || r.ptr != last)
        return false;
    value = parsed;
    return true;
}

QByteArrayView TextReader::nextToken(qsizetype maxLength) {
    const qsizetype n = m_bytes.size();
    while (m_pos < n && isBlank(m_bytes[m_pos]))
        ++m_pos;
    const qsizetype start = m_pos;
    m_tokenStart = start;
    while (m_pos < n && m_pos - start < maxLength && !isBlank(m_bytes[m_pos]))
        ++m_pos;
    return m_bytes.sliced(start, m_pos - start);
}

void TextReader::fail(qsizetype tokenPos) {
    if (m_errorPos < 0)
        m_errorPos = tokenPos;
}

std::int32_t TextReader::readInt() {
    const QByteArrayView token = nextToken(kMaxIntToken);
    if (token.isEmpty())
        return 0; // the end of the file
    std::int32_t value = 0;
    if (!parseIntToken(token, value)) {
        fail(m_tokenStart);
        return 0;
    }
    return value;
}

double TextReader::readReal() {
    const QByteArrayView token = nextToken(kMaxRealToken);
    if (token.isEmpty())
        return 0.0;
    double value = 0.0;
    if (!parseRealToken(token, value)) {
        fail(m_tokenStart);
        return 0.0;
    }
    return value;
}

QByteArrayView TextReader::restOfLine() {
    const qsizetype n = m_bytes.size();
    const qsizetype start = m_pos;
    while (m_pos < n && m_bytes[m_pos] != '\r' && m_bytes[m_pos] != '\n')
        ++m_pos;
    return m_bytes.sliced(start, m_pos - start);
}

void TextReader::nextLine() {
    restOfLine();
    const qsizetype n = m_bytes.size();
    if (m_pos < n && m_bytes[m_pos] == '\r') {
        ++m_pos;
        if (m_pos < n && m_bytes[m_pos] == '\n')
            ++m_pos;
    } else if (m_pos < n && m_bytes[m_pos] == '\n') {
        ++m_pos;
    }
}

QByteArrayView TextReader::readLine() {
    const QByteArrayView line = restOfLine();
    nextLine();
    return line;
}

int TextReader::lineAt(qsizetype pos) const {
    int line = 1;
    const qsizetype end = pos < m_bytes.size() ? pos : m_bytes.size();
    for (qsizetype i = 0; i < end; ++i) {
        if (m_bytes[i] == '\n')
            ++line;
        else if (m_bytes[i] == '\r' && (i + 1 >= m_bytes.size() || m_bytes[i + 1] != '\n'))
            ++line;
    }
    return line;
}

} // namespace qor
