#include "game_data/text_codec.h"

#include <QStringDecoder>
#include <QUtf8StringView>

#include <algorithm>
#include <array>
#include <utility>

namespace qor {

namespace {

// The 256 characters of the code page, built once through Qt's converter so
// that decoding a field is a table lookup per byte.
using CodeTable = std::array<char16_t, 256>;

CodeTable buildTable() {
    CodeTable table{};
    QByteArray all(256, '\0');
    for (int b = 0; b < 256; ++b)
        all[b] = char(b);
    QStringDecoder decoder("windows-1251", QStringDecoder::Flag::Stateless);
    const QString text = decoder.isValid() ? decoder.decode(all) : QString();
    for (int b = 0; b < 256; ++b) {
        // Without a converter for the code page, keep at least ASCII readable.
        table[std::size_t(b)] = text.size() == 256 ? text[b].unicode() : (b < 128 ? char16_t(b) : u'?');
    }
    return table;
}

const CodeTable &codeTable() {
    static const CodeTable table = buildTable();
    return table;
}

// The same table turned around: characters in ascending order with their bytes.
using ReverseTable = std::array<std::pair<char16_t, unsigned char>, 256>;

ReverseTable buildReverse() {
    ReverseTable reverse{};
    const CodeTable &table = codeTable();
    for (int b = 0; b < 256; ++b)
        reverse[std::size_t(b)] = {table[std::size_t(b)], static_cast<unsigned char>(b)};
    std::sort(reverse.begin(), reverse.end());
    return reverse;
}

const ReverseTable &reverseTable() {
    static const ReverseTable reverse = buildReverse();
    return reverse;
}

} // namespace

QString FromCp1251(QByteArrayView bytes) {
    const CodeTable &table = codeTable();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *dst = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        dst[i] = QChar(table[static_cast<unsigned char>(bytes[i])]);
    return text;
}

QByteArray ToCp1251(QStringView text) {
    const ReverseTable &reverse = reverseTable();
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const auto it = std::lower_bound(reverse.begin(), reverse.end(), c,
                                         [](const auto &entry, char16_t key) { return entry.first < key; });
        bytes[i] = (it != reverse.end() && it->first == c) ? char(it->second) : '?';
    }
    return bytes;
}

std::optional<QString> CheckCp1251Encoding(QByteArrayView bytes) {
    const QString saveAs = QStringLiteral(" — сохраните его в кодировке Windows-1251");
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QStringLiteral("Файл начинается с метки UTF-8") + saveAs;
    const bool anyHigh =
        std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    // Code page 1251 letters almost never form valid multi-byte sequences:
    // a file that is valid UTF-8 throughout was saved as UTF-8.
    if (anyHigh && QUtf8StringView(bytes.data(), bytes.size()).isValidUtf8())
        return QStringLiteral("Файл сохранён в кодировке UTF-8") + saveAs;
    return std::nullopt;
}

} // namespace qor
