#include "common/bad_files.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qor::test {

QString badFileReason(BadFile kind) {
    switch (kind) {
    case BadFile::Fifo:
    case BadFile::Folder:
    case BadFile::DevZeroLink:
        return QStringLiteral("не является обычным файлом");
    case BadFile::TooLarge:
        return QStringLiteral("файл слишком велик");
    case BadFile::Unreadable:
        return QStringLiteral("Доступ к файлу запрещён");
    }
    return {};
}

const char *badFileName(BadFile kind) {
    switch (kind) {
    case BadFile::Fifo:
        return "FIFO";
    case BadFile::Folder:
        return "folder";
    case BadFile::DevZeroLink:
        return "link to /dev/zero";
    case BadFile::TooLarge:
        return "too large";
    case BadFile::Unreadable:
        return "unreadable";
    }
    return "";
}

bool makeBadFile(BadFile kind, const QString &path, std::uint64_t maxBytes) {
    const QByteArray name = QFile::encodeName(path);
    switch (kind) {
    case BadFile::Fifo:
        return ::mkfifo(name.constData(), 0644) == 0;
    case BadFile::Folder:
        return QDir().mkdir(path);
    case BadFile::DevZeroLink:
        return ::symlink("/dev/zero", name.constData()) == 0;
    case BadFile::TooLarge: {
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        const bool ok = fd >= 0 && ::ftruncate(fd, off_t(maxBytes + 1)) == 0;
        if (fd >= 0)
            ::close(fd);
        return ok;
    }
    case BadFile::Unreadable: {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write("QOR-STOCK 1\r\n1 5\r\n") > 0 &&
               ::chmod(name.constData(), 0) == 0;
    }
    }
    return false;
}

AsUnprivileged::AsUnprivileged(const QStringList &folders) {
    if (::geteuid() != 0)
        return;
    for (const QString &folder : folders)
        ::chmod(QFile::encodeName(folder).constData(), 0777);
    constexpr uid_t kNobody = 65534;
    m_switched = ::setegid(kNobody) == 0 && ::seteuid(kNobody) == 0;
}

AsUnprivileged::~AsUnprivileged() {
    if (m_switched) {
        [[maybe_unused]] const int u = ::seteuid(0);
        [[maybe_unused]] const int g = ::setegid(0);
    }
}

} // namespace qor::test
