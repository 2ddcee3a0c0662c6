#include "common/checked_file.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qor {

CheckedFile::CheckedFile(const char *path, std::uint64_t maxBytes) : m_maxBytes(maxBytes) {
    struct stat info {};
    // stat first tells a missing file from a folder that may not be searched.
    if (::stat(path, &info) != 0) {
        const int error = errno;
        if (error == EACCES)
            fail(FileFault::NoSearch, error);
        else if (error == ENOENT || error == ENOTDIR)
            fail(FileFault::Missing, error);
        else
            fail(FileFault::ReadError, error);
        return;
    }
    if (!S_ISREG(info.st_mode)) {
        fail(FileFault::NotRegular, 0);
        return;
    }
    // Whatever sits at the path when it is opened: O_NONBLOCK keeps a FIFO
    // put there since the stat from blocking, fstat then refuses it.
    do {
        m_fd = ::open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (m_fd < 0 && errno == EINTR);
    if (m_fd < 0) {
        const int error = errno;
        fail(error == EACCES || error == EPERM ? FileFault::NoAccess
             : error == ENOENT                 ? FileFault::Missing
                                               : FileFault::ReadError,
             error);
        return;
    }
    if (::fstat(m_fd, &info) != 0) {
        fail(FileFault::ReadError, errno);
        return;
    }
    if (!S_ISREG(info.st_mode)) {
        fail(FileFault::NotRegular, 0);
        return;
    }
    if (info.st_size < 0 || std::uint64_t(info.st_size) > maxBytes) {
        fail(FileFault::TooLarge, 0);
        return;
    }
    m_size = std::size_t(info.st_size);
}

CheckedFile::~CheckedFile() {
    if (m_fd >= 0)
        ::close(m_fd);
}

void CheckedFile::fail(FileFault fault, int error) {
    m_fault = fault;
    m_error = error;
    m_size = 0;
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

std::ptrdiff_t CheckedFile::read(std::span<std::byte> out) {
    if (m_fault != FileFault::None)
        return -1;
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t n = ::read(m_fd, out.data() + done, out.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            fail(FileFault::ReadError, errno);
            return -1;
        }
        if (n == 0)
            return std::ptrdiff_t(done);
        done += std::size_t(n);
    }
    // The buffer is full: one more byte means the file grew beyond its size.
    std::byte extra{};
    ssize_t n;
    do {
        n = ::read(m_fd, &extra, 1);
    } while (n < 0 && errno == EINTR);
    if (n > 0 && done + 1 > m_maxBytes) {
        fail(FileFault::TooLarge, 0);
        return -1;
    }
    return std::ptrdiff_t(done);
}

} // namespace qor
