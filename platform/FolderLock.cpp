#include "platform/FolderLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plat {

namespace {

// The lock held by this process: an open file description with a write lock
// on the whole file. A lock of this kind belongs to the description, not to
// the process, so a second opening in this same process would be refused
// like another process: the one description is kept and reused.
int g_fd = -1;
std::string g_path;

// A link is not followed and a FIFO or device is not kept: the lock is only
// ever a plain file of the folder. Opening never waits.
int OpenLockFile(const std::string& path, int mode)
{
    const int fd = ::open(path.c_str(), mode | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

struct flock WholeFile(short type)
{
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0; // to the end, however long
    return lock;
}

std::string LockPath(const std::string& folder, const char* lockName)
{
    std::string path = folder;
    if (!path.empty() && path.back() != '/')
        path += '/';
    return path + lockName;
}

} // namespace

FolderLockResult LockFolder(const std::string& folder, const char* lockName)
{
    const std::string path = LockPath(folder, lockName);
    if (g_fd >= 0 && path == g_path)
        return FolderLockResult::Taken;
    UnlockFolder();
    const int fd = OpenLockFile(path, O_RDWR | O_CREAT);
    if (fd < 0)
        return FolderLockResult::Unavailable;
    struct flock lock = WholeFile(F_WRLCK);
    if (::fcntl(fd, F_OFD_SETLK, &lock) != 0) {
        const int error = errno;
        ::close(fd);
        return error == EAGAIN || error == EACCES ? FolderLockResult::HeldByOther : FolderLockResult::Unavailable;
    }
    g_fd = fd;
    g_path = path;
    return FolderLockResult::Taken;
}

void UnlockFolder()
{
    if (g_fd >= 0)
        ::close(g_fd); // closing the description releases its lock
    g_fd = -1;
    g_path.clear();
}

bool IsFolderLocked(const std::string& folder, const char* lockName)
{
    const int fd = OpenLockFile(LockPath(folder, lockName), O_RDONLY);
    if (fd < 0)
        return false;
    struct flock lock = WholeFile(F_WRLCK);
    const bool locked = ::fcntl(fd, F_OFD_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
    ::close(fd);
    return locked;
}

} // namespace plat
