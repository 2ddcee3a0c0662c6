#pragma once
// One byte buffer between the commands and their output stream: numbers are
// formatted in place with std::to_chars, text is encoded to UTF-8 in place,
// and the bytes reach the stream's device in large blocks. A command with
// much output prints through one of these instead of the text stream, so a
// line costs no heap allocation.

#include <QStringConverter>
#include <QStringView>

#include <charconv>
#include <concepts>
#include <cstddef>
#include <memory>
#include <string_view>

class QTextStream;

namespace qor {

class OutputBuffer {
  public:
    // Bytes collected before they are handed on.
    static constexpr std::size_t kBlockSize = 64 * 1024;

    explicit OutputBuffer(QTextStream &sink);
    // Hands on what is left.
    ~OutputBuffer();
    OutputBuffer(const OutputBuffer &) = delete;
    OutputBuffer &operator=(const OutputBuffer &) = delete;

    OutputBuffer &operator<<(char c) {
        room(1);
        m_block[m_used++] = c;
        return *this;
    }
    OutputBuffer &operator<<(std::string_view text);
    // UTF-8, as the text stream would write it.
    OutputBuffer &operator<<(QStringView text);
    // Decimal, "-" for negative values, as QString::number.
    template <std::integral T>
    requires(!std::same_as<T, char> && !std::same_as<T, bool>) OutputBuffer &operator<<(T value) {
        constexpr std::size_t kMaxDigits = 24; // a 64-bit value with its sign
        room(kMaxDigits);
        char *first = m_block.get() + m_used;
        m_used += static_cast<std::size_t>(std::to_chars(first, first + kMaxDigits, value).ptr - first);
        return *this;
    }

    // Direct writing of at most n bytes: claim gives where to write, commit
    // takes the end of what was written.
    char *claim(std::size_t n) {
        room(n);
        return m_block.get() + m_used;
    }
    void commit(const char *end) { m_used = static_cast<std::size_t>(end - m_block.get()); }

    // Writes the collected bytes to the stream's device (after any text the
    // stream itself still holds), or appends them to the stream's string.
    void flush();

  private:
    void room(std::size_t n) {
        if (kBlockSize - m_used < n)
            flush();
    }

    QTextStream &m_sink;
    QStringEncoder m_utf8{QStringConverter::Utf8};
    std::unique_ptr<char[]> m_block;
    std::size_t m_used = 0;
};

} // namespace qor
