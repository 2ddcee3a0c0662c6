#pragma once
// What a user or an accident can put where the program expects one of its
// files: each must be refused quickly with a message, never read or waited on.

#include <QString>
#include <QStringList>

#include <cstdint>

namespace qor::test {

enum class BadFile {
    Fifo,        // a named pipe: opening it for reading would wait for a writer
    Folder,      // a folder of that name
    DevZeroLink, // a link to /dev/zero: reading it never ends
    TooLarge,    // a sparse regular file one byte over the cap
    Unreadable,  // a regular file without read permission
};
inline constexpr BadFile kBadFiles[] = {BadFile::Fifo, BadFile::Folder, BadFile::DevZeroLink,
                                        BadFile::TooLarge, BadFile::Unreadable};

// The words the refusal names for each kind, to find in its message.
QString badFileReason(BadFile kind);
const char *badFileName(BadFile kind);

// Puts a bad file of the kind at path (nothing may be there); a TooLarge file
// is maxBytes + 1 long.
bool makeBadFile(BadFile kind, const QString &path, std::uint64_t maxBytes);

// Permissions hold for root only through a lesser effective user: while this
// lives, a root test process acts as "nobody" (a no-op for any other user).
// The given folders are opened to everyone so that the tests can still reach
// what they made in them.
class AsUnprivileged {
  public:
    explicit AsUnprivileged(const QStringList &folders);
    ~AsUnprivileged();
    AsUnprivileged(const AsUnprivileged &) = delete;
    AsUnprivileged &operator=(const AsUnprivileged &) = delete;

  private:
    bool m_switched = false;
};

} // namespace qor::test
