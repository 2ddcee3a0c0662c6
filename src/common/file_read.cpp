#include "common/file_read.h"

#include <QFile>

#include <cerrno>
#include <span>

namespace qor {

namespace {

QString sizeText(std::uint64_t bytes) {
    return bytes >= 1024 * 1024 ? QStringLiteral("%1 МБ").arg(bytes / (1024 * 1024))
                                : QStringLiteral("%1 КБ").arg(bytes / 1024);
}

QString faultReason(const CheckedFile &file, FileKind kind) {
    switch (file.fault()) {
    case FileFault::None:
        return {};
    case FileFault::Missing:
        return QStringLiteral("Файл не найден");
    case FileFault::NoSearch:
        return QStringLiteral("нет права на просмотр папки, в которой лежит файл");
    case FileFault::NoAccess:
        return QStringLiteral("Доступ к файлу запрещён");
    case FileFault::NotRegular:
        return QStringLiteral("не является обычным файлом");
    case FileFault::TooLarge:
        return QStringLiteral("файл слишком велик (больше %1)").arg(sizeText(maxFileBytes(kind)));
    case FileFault::ReadError:
        return QStringLiteral("Ошибка чтения файла: %1").arg(systemReason(file.error()));
    }
    return {};
}

} // namespace

std::uint64_t maxFileBytes(FileKind kind) {
    switch (kind) {
    case FileKind::Settings:
    case FileKind::Stock:
    case FileKind::Known:
        return 1024 * 1024;
    case FileKind::Data:
    case FileKind::Help:
        return 16 * 1024 * 1024;
    }
    return 0;
}

QString FileRead::text(const QString &path) const {
    return path + QStringLiteral(": ") + reason;
}

FileRead readCheckedFile(const QString &path, FileKind kind, QByteArray &bytes) {
    bytes.clear();
    CheckedFile file(QFile::encodeName(path).constData(), maxFileBytes(kind));
    FileRead result;
    if (file.fault() == FileFault::None) {
        bytes.resize(qsizetype(file.size()));
        const std::ptrdiff_t n =
            file.read(std::as_writable_bytes(std::span<char>(bytes.data(), bytes.size())));
        if (n >= 0)
            bytes.truncate(qsizetype(n));
    }
    if (file.fault() != FileFault::None) {
        bytes.clear();
        bytes.squeeze();
        result.fault = file.fault();
        result.reason = faultReason(file, kind);
    }
    return result;
}

QString systemReason(int error) {
    switch (error) {
    case ENOENT:
        return QStringLiteral("нет такого файла или папки");
    case EACCES:
    case EPERM:
        return QStringLiteral("доступ запрещён");
    case EISDIR:
        return QStringLiteral("это папка");
    case ENOTDIR:
        return QStringLiteral("часть пути не является папкой");
    case ENOSPC:
        return QStringLiteral("на диске нет места");
    case EDQUOT:
        return QStringLiteral("превышена дисковая квота");
    case EROFS:
        return QStringLiteral("диск доступен только для чтения");
    case EIO:
        return QStringLiteral("ошибка ввода-вывода");
    case EEXIST:
        return QStringLiteral("файл уже существует");
    case ENAMETOOLONG:
        return QStringLiteral("слишком длинное имя файла");
    case ELOOP:
        return QStringLiteral("слишком много символических ссылок");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("открыто слишком много файлов");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("файл занят");
    case EXDEV:
        return QStringLiteral("файлы на разных дисках");
    case EFBIG:
        return QStringLiteral("файл слишком велик");
    case ENOTEMPTY:
        return QStringLiteral("папка не пуста");
    case ENOMEM:
        return QStringLiteral("не хватает памяти");
    default:
        return QStringLiteral("системная ошибка %1").arg(error);
    }
}

} // namespace qor
