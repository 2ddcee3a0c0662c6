/* Preloaded into a program under test to make the system fail where a real
 * disk or a real kill would: QOR_FAULT_SYNC_EIO makes every fsync and
 * fdatasync fail with EIO; QOR_FAULT_KILL_AT_WRITE kills the process in the
 * middle of its first write to a regular file (half of it written);
 * QOR_FAULT_KILL_AT_SYNC kills it at its first fsync, QOR_FAULT_KILL_AT_RENAME
 * at its first rename, after the temporary file of a save is complete. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

ssize_t write(int fd, const void *bytes, size_t count) {
    ssize_t (*real)(int, const void *, size_t) = (ssize_t(*)(int, const void *, size_t))dlsym(RTLD_NEXT, "write");
    struct stat info;
    if (getenv("QOR_FAULT_KILL_AT_WRITE") != NULL && fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        real(fd, bytes, count / 2);
        raise(SIGKILL);
    }
    return real(fd, bytes, count);
}

static int syncFails(void) {
    return getenv("QOR_FAULT_SYNC_EIO") != NULL;
}

static void killAtRename(void) {
    if (getenv("QOR_FAULT_KILL_AT_RENAME") != NULL)
        raise(SIGKILL);
}

int fsync(int fd) {
    if (getenv("QOR_FAULT_KILL_AT_SYNC") != NULL)
        raise(SIGKILL);
    if (syncFails()) {
        errno = EIO;
        return -1;
    }
    int (*real)(int) = (int (*)(int))dlsym(RTLD_NEXT, "fsync");
    return real(fd);
}

int fdatasync(int fd) {
    if (syncFails()) {
        errno = EIO;
        return -1;
    }
    int (*real)(int) = (int (*)(int))dlsym(RTLD_NEXT, "fdatasync");
    return real(fd);
}

int rename(const char *from, const char *to) {
    killAtRename();
    int (*real)(const char *, const char *) = (int (*)(const char *, const char *))dlsym(RTLD_NEXT, "rename");
    return real(from, to);
}

int renameat(int fromDir, const char *from, int toDir, const char *to) {
    killAtRename();
    int (*real)(int, const char *, int, const char *) =
        (int (*)(int, const char *, int, const char *))dlsym(RTLD_NEXT, "renameat");
    return real(fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char *from, int toDir, const char *to, unsigned int flags) {
    killAtRename();
    int (*real)(int, const char *, int, const char *, unsigned int) =
        (int (*)(int, const char *, int, const char *, unsigned int))dlsym(RTLD_NEXT, "renameat2");
    return real(fromDir, from, toDir, to, flags);
}
