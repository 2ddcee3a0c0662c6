#pragma once
// Conversion between the data files' code page 1251 and QString.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace qor {

// Every byte becomes one character.
QString fromCp1251(QByteArrayView bytes);
// Characters the code page lacks become "?".
QByteArray toCp1251(QStringView text);

} // namespace qor
