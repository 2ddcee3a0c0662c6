#include "common/file_replace.h"

#include "common/file_read.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qor {

namespace {

// Closes a descriptor once; the result of an explicit close is checked.
class Descriptor {
  public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

  private:
    int m_fd;
};

bool writeAll(int fd, QByteArrayView bytes) {
    const char *data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data += n;
        left -= n;
    }
    return true;
}

int syncRetrying(int fd) {
    int r;
    do {
        r = ::fsync(fd);
    } while (r != 0 && errno == EINTR);
    return r;
}

} // namespace

QString replacementTempPath(const QString &path) {
    return path + QStringLiteral(".tmp");
}

std::optional<QString> replaceFileContents(const QString &path, QByteArrayView bytes) {
    const QByteArray target = QFile::encodeName(path);
    const QByteArray temp = QFile::encodeName(replacementTempPath(path));

    // A leftover of a killed save goes first; creating exclusively never
    // follows a link or opens a FIFO someone put there.
    if (::unlink(temp.constData()) != 0 && errno != ENOENT) {
        const int error = errno;
        const QString tempName = replacementTempPath(path);
        if (error == EISDIR || QFileInfo(tempName).isDir())
            return QStringLiteral("на месте временного файла %1 лежит папка — уберите её").arg(tempName);
        return QStringLiteral("не удалось удалить временный файл %1: %2").arg(tempName, systemReason(error));
    }
    struct stat old {};
    const bool hadOld = ::stat(target.constData(), &old) == 0;
    Descriptor file(::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!file.valid())
        return systemReason(errno);

    const auto fail = [&temp](int error) -> std::optional<QString> {
        ::unlink(temp.constData());
        return systemReason(error);
    };
    // The new file keeps the permissions the old one had, but its owner may
    // always read and write it: a file saved unreadable would be lost.
    if (hadOld && S_ISREG(old.st_mode) &&
        ::fchmod(file.get(), (old.st_mode & 07777) | S_IRUSR | S_IWUSR) != 0)
        return fail(errno);
    if (!writeAll(file.get(), bytes))
        return fail(errno);
    // Only a file known to be on disk may replace the old one.
    if (syncRetrying(file.get()) != 0)
        return fail(errno);
    if (!file.close())
        return fail(errno);
    if (::rename(temp.constData(), target.constData()) != 0)
        return fail(errno);

    // The rename itself lives in the folder; without this sync a power loss
    // may bring back the old name. Filesystems that cannot sync a folder say
    // EINVAL, which leaves nothing to do.
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    Descriptor dir(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.valid())
        return systemReason(errno);
    if (syncRetrying(dir.get()) != 0 && errno != EINVAL)
        return systemReason(errno);
    return std::nullopt;
}

} // namespace qor
