#pragma once
// Conversion between the data files' code page 1251 and QString.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace qor {

// Every byte becomes one character.
QString fromCp1251(QByteArrayView bytes);
// Characters the code page lacks become "?".
QByteArray toCp1251(QStringView text);

// A data file saved as UTF-8 (a byte-order mark, or valid multi-byte
// sequences and nothing else above 127) would load as garbled, cut names:
// the message saying so, or none for text that can be code page 1251.
std::optional<QString> checkCp1251Encoding(QByteArrayView bytes);

} // namespace qor
