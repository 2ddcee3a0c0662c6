#include "game_data/text_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

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
    QStringEncoder encoder("windows-1251", QStringEncoder::Flag::Stateless);
    if (!encoder.isValid())
        return text.toLatin1();
    return encoder.encode(text);
}

} // namespace qor
