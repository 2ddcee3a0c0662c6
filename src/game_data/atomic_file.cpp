#include "game_data/atomic_file.h"

#include <QSaveFile>

namespace qor {

std::optional<QString> WriteFileAtomically(const QString &path, const QByteArray &bytes) {
    // QSaveFile writes a temporary file beside the target, flushes it to
    // disk on commit and only then renames it over the old file. Unbuffered,
    // so that a short write (a full disk) shows in the count written: with a
    // buffer the failure comes only inside commit, which renames the cut-off
    // file over the old one all the same.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("диск переполнен");
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace qor
