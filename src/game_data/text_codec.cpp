#include "game_data/text_codec.h"

#include <QStringDecoder>
#include <QUtf8StringView>

#include <algorithm>
#include <array>
#include <utility>

namespace qor {

namespace {

// The 256 characters of the code page, so that decoding a field is a table
// lookup per byte. A fixed table rather than the platform's converter: opening
// that converter costs more than reading a whole data folder.
using CodeTable = std::array<char16_t, 256>;

// Bytes 0x80..0xBF; 0xC0..0xFF are the 64 Cyrillic letters А..я in order, and
// 0x98, which the code page leaves unassigned, stays the C1 control U+0098.
constexpr std::array<char16_t, 64> kUpperHalf{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, //
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, //
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, //
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, //
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, //
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, //
};

constexpr CodeTable buildTable() {
    CodeTable table{};
    for (std::size_t b = 0; b < 0x80; ++b)
        table[b] = char16_t(b);
    for (std::size_t b = 0x80; b < 0xC0; ++b)
        table[b] = kUpperHalf[b - 0x80];
    for (std::size_t b = 0xC0; b < 0x100; ++b)
        table[b] = char16_t(0x0410 + (b - 0xC0));
    return table;
}

constexpr CodeTable kCodeTable = buildTable();

// The same table turned around: characters in ascending order with their bytes.
using ReverseTable = std::array<std::pair<char16_t, unsigned char>, 256>;

constexpr ReverseTable buildReverse() {
    ReverseTable reverse{};
    for (std::size_t b = 0; b < 256; ++b)
        reverse[b] = {kCodeTable[b], static_cast<unsigned char>(b)};
    std::sort(reverse.begin(), reverse.end());
    return reverse;
}

constexpr ReverseTable kReverseTable = buildReverse();

} // namespace

QString fromCp1251(QByteArrayView bytes) {
    const CodeTable &table = kCodeTable;
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *dst = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        dst[i] = QChar(table[static_cast<unsigned char>(bytes[i])]);
    return text;
}

QByteArray toCp1251(QStringView text) {
    const ReverseTable &reverse = kReverseTable;
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const auto it = std::lower_bound(reverse.begin(), reverse.end(), c,
                                         [](const auto &entry, char16_t key) { return entry.first < key; });
        bytes[i] = (it != reverse.end() && it->first == c) ? char(it->second) : '?';
    }
    return bytes;
}

std::optional<QString> checkCp1251Encoding(QByteArrayView bytes) {
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
