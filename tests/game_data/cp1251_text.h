#pragma once
// Test helpers: data-file text in code page 1251 and a scratch data folder.

#include "game_data/text_codec.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <ostream>

// Readable QString values in test failure messages.
inline void PrintTo(const QString &text, std::ostream *os) {
    *os << '"' << text.toStdString() << '"';
}

namespace qor::test {

// The text (written in UTF-8 in the test source) as the bytes of a data file.
inline QByteArray cp(const char *utf8) {
    return toCp1251(QString::fromUtf8(utf8));
}

// A temporary data folder into which a test writes its files.
class ScratchDataDir {
  public:
    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path() + QLatin1Char('/'); }
    void write(const QString &name, const QByteArray &bytes) const {
        QFile f(QDir(m_dir.path()).filePath(name));
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(bytes);
    }
    void remove(const QString &name) const { QFile::remove(QDir(m_dir.path()).filePath(name)); }

  private:
    QTemporaryDir m_dir;
};

} // namespace qor::test
