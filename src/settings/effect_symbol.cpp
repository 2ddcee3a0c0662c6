#include "settings/effect_symbol.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>

namespace qor {

std::optional<std::uint8_t> effColorCharCode(QChar symbol) {
    if (symbol.isSurrogate())
        return std::nullopt;
    QStringEncoder encode("windows-1251");
    const QByteArray bytes = encode(QString(symbol));
    // The encoder writes "?" for a character the code page lacks.
    if (encode.hasError() || bytes.size() != 1 || (bytes.at(0) == '?' && symbol != QLatin1Char('?')))
        return std::nullopt;
    return static_cast<std::uint8_t>(bytes.at(0));
}

QChar effColorCharOf(std::uint8_t code) {
    QStringDecoder decode("windows-1251");
    const char byte = static_cast<char>(code);
    const QString text = decode(QByteArray(&byte, 1));
    return text.isEmpty() ? QChar(0x2022) : text.at(0);
}

} // namespace qor
