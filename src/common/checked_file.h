#pragma once
// Opening a file to read it whole, safely: nothing but a regular file of at
// most a given size is read. The open never blocks (a FIFO in place of a
// file would wait for a writer for ever) and the checks look at the opened
// descriptor, so a file swapped after the check is not read either. Plain
// C++ and POSIX: the picture library, which has no Qt, reads through it too.

#include <cstddef>
#include <cstdint>
#include <span>

namespace qor {

enum class FileFault {
    None,
    Missing,    // no such file (or a part of the path is missing)
    NoSearch,   // a folder on the path may not be searched
    NoAccess,   // the file may not be read
    NotRegular, // a folder, a FIFO, a device, a socket
    TooLarge,   // over the size its kind of file can have
    ReadError,  // the system failed while reading
};

class CheckedFile {
  public:
    CheckedFile(const char *path, std::uint64_t maxBytes);
    ~CheckedFile();
    CheckedFile(const CheckedFile &) = delete;
    CheckedFile &operator=(const CheckedFile &) = delete;

    FileFault fault() const { return m_fault; }
    // The errno behind a NoSearch, NoAccess or ReadError fault.
    int error() const { return m_error; }
    // The size the opened file had; what readAll may deliver at most.
    std::size_t size() const { return m_size; }

    // Reads up to out.size() bytes from the start; the count read, or -1 on a
    // read error (fault() then says ReadError). A file that grows past its
    // cap while being read is refused as TooLarge.
    std::ptrdiff_t read(std::span<std::byte> out);

  private:
    void fail(FileFault fault, int error);

    int m_fd = -1;
    FileFault m_fault = FileFault::None;
    int m_error = 0;
    std::size_t m_size = 0;
    std::uint64_t m_maxBytes = 0;
};

} // namespace qor
