#include "platform/sys/file_operations.h"
#include "platform/sys/file_operations_backend.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/mman.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

#include "platform/failure.h"
#include "platform/sys/linux/descriptor.h"
#include "platform/sys/linux/file_kind.h"
#include "platform/sys/message.h"
#include "platform/sys/whole_file.h"

namespace platform::file_operations {
namespace {

std::string reason(int error) { return errorReason(error); }

[[noreturn]] void fail(const std::string& what, int error)
{
    throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: %2."), {what, reason(error)}));
}

using backend::folderOf;
using backend::joined;
using backend::quoted;
using backend::requireText;
using linuxsys::Descriptor;
using linuxsys::kindOf;

// Writes all bytes through `write`, or write(2) when it is empty.
int writeAll(int fd, const char* data, size_t size, const WriteFunction& write)
{
    while (size > 0) {
        const ssize_t n = write ? write(fd, data, size) : ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return ENOSPC;
        data += n;
        size -= size_t(n);
    }
    return 0;
}

int pumpByBlocks(int in, int out, const WriteFunction& write, off_t& copied)
{
    std::vector<char> block(size_t(4) << 20);
    for (;;) {
        const ssize_t n = ::read(in, block.data(), block.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return 0;
        if (int error = writeAll(out, block.data(), size_t(n), write)) return error;
        copied += n;
    }
}

// Copies the rest of `in` to `out`: in-kernel where the system can, else in
// large blocks (always through `write` when it is set). Adds the bytes
// copied to `copied`; returns 0 or the errno of the failure.
int pumpData(int in, int out, const WriteFunction& write, off_t& copied)
{
    if (write) return pumpByBlocks(in, out, write, copied);
    bool rangeWorks = true;
    bool sendfileWorks = true;
    bool anyCopied = false;
    for (;;) {
        ssize_t n = -1;
        if (rangeWorks) {
            n = ::copy_file_range(in, nullptr, out, nullptr, size_t(1) << 30, 0);
            if (n < 0 && !anyCopied
                && (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP || errno == EBADF
                    || errno == EPERM)) {
                rangeWorks = false;
                continue;
            }
        } else if (sendfileWorks) {
            n = ::sendfile(out, in, nullptr, size_t(1) << 30);
            if (n < 0 && !anyCopied && (errno == EINVAL || errno == ENOSYS)) {
                sendfileWorks = false;
                continue;
            }
        } else {
            return pumpByBlocks(in, out, write, copied);
        }
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return 0;
        copied += n;
        anyCopied = true;
    }
}

// The file being written before it takes its place. Unnamed (O_TMPFILE)
// where the file system offers it, so that a kill at any moment leaves
// nothing behind; elsewhere a hidden file beside the destination, removed
// again unless it was installed.
class TempFile {
public:
    TempFile() = default;
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile()
    {
        if (fd >= 0) ::close(fd);
        if (!path.empty()) ::unlink(path.c_str());
    }
    bool unnamed() const { return path.empty(); }
    // The name the system knows an unnamed file by, for linkat.
    std::string procPath() const { return "/proc/self/fd/" + std::to_string(fd); }

    int fd = -1;
    std::string path; // empty for an unnamed file
};

std::string randomHiddenName()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    std::string name = ".quelmarn-";
    for (int i = 0; i < 6; ++i) name += letters[random() % (sizeof letters - 1)];
    return name;
}

// A new, empty temporary file in `folder`. A named one has a short name
// whatever the name it will be given, so that a file whose name is near
// the system's limit can still be written.
void createTemp(TempFile& temp, const std::string& folder, const std::string& action)
{
    // Linking an unnamed file needs /proc (without it, or where the file
    // system has no O_TMPFILE, the named file serves).
    if (::access("/proc/self/fd", X_OK) == 0) {
        temp.fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
        if (temp.fd >= 0) return;
    }
    std::string pattern = joined(folder, ".quelmarn-XXXXXX");
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    const int fd = ::mkostemp(buffer.data(), O_CLOEXEC);
    if (fd < 0)
        fail(message(QT_TRANSLATE_NOOP("platform", "%1: no file can be created in the folder %2"),
                     {action, quoted(folder)}),
             errno);
    temp.fd = fd;
    temp.path = buffer.data();
}

// Gives a written unnamed file a hidden name in `folder`; returns it.
std::string linkHidden(const TempFile& temp, const std::string& folder, const std::string& action)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = joined(folder, randomHiddenName());
        if (::linkat(AT_FDCWD, temp.procPath().c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return name;
        if (errno != EEXIST) fail(action, errno);
    }
    fail(action, EEXIST);
}

// Puts a written temporary file at `target`, replacing what is there or,
// without `replace`, failing with EEXIST when the target exists by then.
// Returns 0 or errno.
int install(TempFile& temp, const std::string& target, bool replace, const std::string& action)
{
    if (temp.unnamed()) {
        if (::linkat(AT_FDCWD, temp.procPath().c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
        if (errno != EEXIST || !replace) return errno;
        // Only a rename replaces a file in one step; it needs a name.
        temp.path = linkHidden(temp, folderOf(target), action);
    }
    if (replace) {
        if (::rename(temp.path.c_str(), target.c_str()) != 0) return errno;
    } else {
        if (::renameat2(AT_FDCWD, temp.path.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) != 0) {
            if (errno != EINVAL && errno != ENOSYS) return errno;
            if (::link(temp.path.c_str(), target.c_str()) != 0) return errno;
            ::unlink(temp.path.c_str());
        }
    }
    temp.path.clear();
    return 0;
}

// Reserves the room for the whole file at once where the file system can,
// so a full disk shows before any byte is written. The file is cut to what
// was really written afterwards (reserveEnd).
int reserve(int fd, off_t size)
{
    if (size <= 0) return 0;
    if (::fallocate(fd, 0, 0, size) == 0) return 0;
    if (errno == EOPNOTSUPP || errno == ENOSYS || errno == EINVAL) return 0;
    return errno;
}

// Ends a file at `size`: what reserve() set aside beyond the bytes written
// must not stay as zeros.
int reserveEnd(int fd, off_t size) { return ::ftruncate(fd, size) == 0 ? 0 : errno; }

void syncFolder(const std::string& folder)
{
    const Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.fd >= 0) ::fsync(dir.fd);
}

// The process's file-creation mask. Reading it means setting it for a
// moment, which other threads would see: it is read once, before they run.
mode_t& creationMask()
{
    static mode_t mask = [] {
        const mode_t read = ::umask(0);
        ::umask(read);
        return read;
    }();
    return mask;
}

// The default permission bits of a new file (0666 less the umask).
mode_t newFileMode() { return 0666 & ~creationMask(); }

// A target that does not exist may still be a symbolic link that points
// nowhere; renaming a new file over it would silently destroy the link.
void refuseDanglingLink(const std::string& target, const std::string& action)
{
    struct stat linkInfo {};
    if (::lstat(target.c_str(), &linkInfo) != 0 || !S_ISLNK(linkInfo.st_mode)) return;
    std::vector<char> pointsTo(size_t(linkInfo.st_size > 0 ? linkInfo.st_size : PATH_MAX) + 1, '\0');
    const ssize_t n = ::readlink(target.c_str(), pointsTo.data(), pointsTo.size() - 1);
    const std::string where = n > 0 ? std::string(pointsTo.data(), size_t(n)) : std::string();
    throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: %2 is a symbolic link to %3, which does not exist."),
                          {action, quoted(target), quoted(where)}));
}

// Where a copy or a saved file goes: the real path (through a symbolic
// link, so the link stays) and, when a file is there already, what it is.
struct Destination {
    std::string real;
    bool exists = false;
    struct stat info {};
};

// `role` names the target in messages ("it", "the destination"): the
// action's text names its path already.
Destination destinationFor(const std::string& target, const std::string& action, const std::string& role)
{
    Destination d;
    d.real = target;
    if (::stat(target.c_str(), &d.info) != 0) {
        if (errno != ENOENT) fail(action, errno);
        refuseDanglingLink(target, action);
        return d;
    }
    d.exists = true;
    if (S_ISDIR(d.info.st_mode))
        throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: %2 is a folder, not a file."), {action, role}));
    // A device, FIFO or socket is never replaced by a file, nor written to.
    if (!S_ISREG(d.info.st_mode))
        throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: %2 is %3, not a regular file."),
                              {action, role, kindOf(d.info.st_mode)}));
    if ((d.info.st_mode & 0222) == 0)
        throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: %2 is read-only."), {action, role}));
    if (::access(target.c_str(), W_OK) != 0) fail(action, errno);
    struct stat linkInfo {};
    if (::lstat(target.c_str(), &linkInfo) == 0 && S_ISLNK(linkInfo.st_mode)) {
        if (char* resolved = ::realpath(target.c_str(), nullptr)) {
            d.real = resolved;
            std::free(resolved);
        }
    }
    return d;
}

// Gives a file that will replace `old` the old one's owner and group (as
// far as the process may), permission bits and extended attributes (ACLs
// among them), as if the old file had been rewritten.
void keepAttributes(int fd, const Destination& old, const std::string& action)
{
    if (::fchown(fd, old.info.st_uid, old.info.st_gid) != 0) ::fchown(fd, uid_t(-1), old.info.st_gid);
    if (::fchmod(fd, old.info.st_mode & 07777) != 0) fail(action, errno);
    const ssize_t size = ::llistxattr(old.real.c_str(), nullptr, 0);
    if (size <= 0) return;
    std::vector<char> names(static_cast<size_t>(size));
    const ssize_t got = ::llistxattr(old.real.c_str(), names.data(), names.size());
    for (ssize_t at = 0; at < got; at += ssize_t(std::strlen(names.data() + at)) + 1) {
        const char* name = names.data() + at;
        const ssize_t length = ::lgetxattr(old.real.c_str(), name, nullptr, 0);
        if (length < 0) continue;
        std::vector<char> value(size_t(length) + 1);
        const ssize_t read = ::lgetxattr(old.real.c_str(), name, value.data(), value.size());
        if (read < 0) continue;
        // Attributes the process may not set (trusted.*, a security label
        // the policy refuses) stay behind, as with cp --preserve=xattr.
        if (::fsetxattr(fd, name, value.data(), size_t(read), 0) != 0 && errno != EPERM && errno != ENOTSUP
            && errno != EACCES)
            fail(action, errno);
    }
}

enum class Flush { ToDisk, Lazily };

// A file with more than one name is rewritten, not replaced: a new file
// would take only one of its names.
bool writtenInPlace(const Destination& d) { return d.exists && d.info.st_nlink > 1; }

// Writes the complete new content, already in `temp`, into the existing
// file itself: a file with more than one name keeps them all, as cp keeps
// them. Room for it is reserved first, so a full disk fails before the old
// content is touched.
void writeInPlace(TempFile& temp, off_t size, const Destination& d, const std::string& action,
                  const WriteFunction& write)
{
    const Descriptor out(::open(d.real.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (out.fd < 0) fail(action, errno);
    if (int error = reserve(out.fd, size)) fail(action, error);
    if (::lseek(temp.fd, 0, SEEK_SET) != 0) fail(action, errno);
    off_t copied = 0;
    if (int error = pumpData(temp.fd, out.fd, write, copied)) fail(action, error);
    if (int error = reserveEnd(out.fd, copied)) fail(action, error);
    if (::fsync(out.fd) != 0) fail(action, errno);
}

// Puts the written `temp` at the destination: renamed over an existing file
// with one name, written into one with several, linked as a new file.
void putInPlace(TempFile& temp, off_t size, const Destination& d, const std::string& action, const WriteFunction& write)
{
    if (writtenInPlace(d)) {
        writeInPlace(temp, size, d, action, write);
        return;
    }
    if (int error = install(temp, d.real, true, action)) fail(action, error);
    if (d.exists) {
        syncFolder(folderOf(d.real));
        return;
    }
    // A new file is left to the system's write-back, as cp leaves it; its
    // close is still checked, since some file systems report write errors
    // only there.
    const int fd = temp.fd;
    temp.fd = -1;
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(d.real.c_str());
        fail(action, error);
    }
}

// Writes the rest of `in` into a temporary file beside `target`; the caller
// sets its attributes, flushes and installs it. Exactly the bytes read are
// kept; a source that changes while it is read fails, as cp reports it.
off_t writeCopy(TempFile& temp, int in, const struct stat& source, const std::string& target, const std::string& action,
                const WriteFunction& write)
{
    createTemp(temp, folderOf(target), action);
    if (int error = reserve(temp.fd, source.st_size)) fail(action, error);
    off_t copied = 0;
    if (int error = pumpData(in, temp.fd, write, copied)) fail(action, error);
    if (int error = reserveEnd(temp.fd, copied)) fail(action, error);
    struct stat after {};
    if (::fstat(in, &after) != 0) fail(action, errno);
    if (after.st_size != source.st_size || after.st_mtim.tv_sec != source.st_mtim.tv_sec
        || after.st_mtim.tv_nsec != source.st_mtim.tv_nsec)
        throw Failure(
            message(QT_TRANSLATE_NOOP("platform", "%1: the file changed while it was being copied."), {action}));
    return copied;
}

// Flushed to disk when something already there is at stake (a replaced
// destination, a moved source): only then may the new file take the old
// data's place or the old data be removed. A new file has nothing to lose
// to a crash and is left to the system's write-back, as cp leaves it.
void flush(const TempFile& temp, Flush how, const std::string& action)
{
    if (how == Flush::ToDisk && ::fsync(temp.fd) != 0) fail(action, errno);
}

// Opens a regular file for reading, or fails naming it. O_NONBLOCK, so that
// a FIFO is refused at once instead of waiting for a writer.
int openSource(const std::string& source, struct stat& info, const std::string& action)
{
    const int fd = ::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        fail(message(QT_TRANSLATE_NOOP("platform", "%1: %2 cannot be opened"), {action, quoted(source)}), errno);
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        fail(action, error);
    }
    if (S_ISDIR(info.st_mode)) {
        ::close(fd);
        throw Failure(
            message(QT_TRANSLATE_NOOP("platform", "%1: %2 is a folder, not a file."), {action, quoted(source)}));
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        throw Failure(
            message(QT_TRANSLATE_NOOP("platform", "%1: %2 is not a regular file."), {action, quoted(source)}));
    }
    return fd;
}

} // namespace

void backend::copyOne(const std::string& source, const std::string& target, const WriteFunction& write)
{
    const std::string action =
        message(QT_TRANSLATE_NOOP("platform", "The file %1 cannot be copied to %2"), {quoted(source), quoted(target)});
    struct stat sourceInfo {};
    const Descriptor in(openSource(source, sourceInfo, action));
    struct stat targetInfo {};
    if (::stat(target.c_str(), &targetInfo) == 0 && targetInfo.st_dev == sourceInfo.st_dev
        && targetInfo.st_ino == sourceInfo.st_ino)
        throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: a file cannot be copied onto itself."), {action}));
    const Destination d = destinationFor(target, action, message(QT_TRANSLATE_NOOP("platform", "the destination")));
    TempFile temp;
    const off_t size = writeCopy(temp, in.fd, sourceInfo, d.real, action, write);
    if (d.exists && !writtenInPlace(d))
        keepAttributes(temp.fd, d, action);
    else if (::fchmod(temp.fd, sourceInfo.st_mode & 0777) != 0)
        fail(action, errno);
    flush(temp, d.exists ? Flush::ToDisk : Flush::Lazily, action);
    putInPlace(temp, size, d, action, write);
}

namespace {

// A symbolic link moved to another file system stays a link to the same
// text, as mv keeps it.
void moveLinkAcrossFileSystems(const std::string& source, const std::string& target, const struct stat& info,
                               const std::string& action)
{
    std::vector<char> pointsTo(size_t(info.st_size > 0 ? info.st_size : PATH_MAX) + 1, '\0');
    const ssize_t n = ::readlink(source.c_str(), pointsTo.data(), pointsTo.size() - 1);
    if (n < 0) fail(action, errno);
    if (::symlink(std::string(pointsTo.data(), size_t(n)).c_str(), target.c_str()) != 0) {
        if (errno == EEXIST)
            throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: %2 already exists."), {action, quoted(target)}));
        fail(action, errno);
    }
    ::lchown(target.c_str(), info.st_uid, info.st_gid);
    const struct timespec times[2] = {info.st_atim, info.st_mtim};
    ::utimensat(AT_FDCWD, target.c_str(), times, AT_SYMLINK_NOFOLLOW);
    syncFolder(folderOf(target));
    if (::unlink(source.c_str()) != 0)
        fail(message(QT_TRANSLATE_NOOP("platform", "The link %1 was copied to %2, but the original cannot be removed"),
                     {quoted(source), quoted(target)}),
             errno);
}

void moveAcrossFileSystems(const std::string& source, const std::string& target, const std::string& action,
                           const WriteFunction& write)
{
    struct stat sourceInfo {};
    const Descriptor in(openSource(source, sourceInfo, action));
    TempFile temp;
    writeCopy(temp, in.fd, sourceInfo, target, action, write);
    // Keep what a move keeps: times, and the owner where allowed.
    if (::fchmod(temp.fd, sourceInfo.st_mode & 0777) != 0) fail(action, errno);
    const struct timespec times[2] = {sourceInfo.st_atim, sourceInfo.st_mtim};
    ::futimens(temp.fd, times);
    if (::fchown(temp.fd, sourceInfo.st_uid, sourceInfo.st_gid) == 0) ::fchmod(temp.fd, sourceInfo.st_mode & 07777);
    flush(temp, Flush::ToDisk, action);
    if (int error = install(temp, target, false, action)) {
        if (error == EEXIST)
            throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: %2 already exists."), {action, quoted(target)}));
        fail(action, error);
    }
    syncFolder(folderOf(target));
    if (::unlink(source.c_str()) != 0)
        fail(message(QT_TRANSLATE_NOOP("platform", "The file %1 was copied to %2, but the original cannot be removed"),
                     {quoted(source), quoted(target)}),
             errno);
}

} // namespace

void backend::moveOne(const std::string& source, const std::string& target, const WriteFunction& write)
{
    const std::string action =
        message(QT_TRANSLATE_NOOP("platform", "The file %1 cannot be moved to %2"), {quoted(source), quoted(target)});
    struct stat sourceInfo {};
    if (::lstat(source.c_str(), &sourceInfo) != 0) fail(action, errno);
    if (S_ISDIR(sourceInfo.st_mode))
        throw Failure(
            message(QT_TRANSLATE_NOOP("platform", "%1: %2 is a folder, not a file."), {action, quoted(source)}));
    struct stat targetInfo {};
    if (::lstat(target.c_str(), &targetInfo) == 0)
        throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: %2 already exists."), {action, quoted(target)}));
    if (::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return;
    int error = errno;
    if (error == EINVAL || error == ENOSYS) { // no RENAME_NOREPLACE here: checked just above
        if (::rename(source.c_str(), target.c_str()) == 0) return;
        error = errno;
    }
    if (error == EEXIST)
        throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: %2 already exists."), {action, quoted(target)}));
    if (error != EXDEV) fail(action, error);
    if (S_ISLNK(sourceInfo.st_mode))
        moveLinkAcrossFileSystems(source, target, sourceInfo, action);
    else
        moveAcrossFileSystems(source, target, action, write);
}

void backend::deleteOne(const std::string& path, bool force)
{
    const std::string action = message(QT_TRANSLATE_NOOP("platform", "The file %1 cannot be deleted"), {quoted(path)});
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) fail(action, errno);
    if (S_ISDIR(info.st_mode))
        throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: it is a folder, not a file."), {action}));
    if (!force && !S_ISLNK(info.st_mode) && (info.st_mode & 0222) == 0)
        throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: it is read-only."), {action}));
    if (::unlink(path.c_str()) != 0) fail(action, errno);
}

void createFolders(const std::string& path)
{
    requireText(path, QT_TRANSLATE_NOOP("platform", "No folder to create was given: the path is empty."));
    // Each folder from the top down; one that exists already (also made by
    // someone else meanwhile) is fine, as long as it is a folder.
    for (size_t end = path.find('/', 1);; end = path.find('/', end + 1)) {
        const std::string folder = path.substr(0, end);
        if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST)
            fail(message(QT_TRANSLATE_NOOP("platform", "The folder %1 cannot be created"), {quoted(folder)}), errno);
        if (end == std::string::npos) break;
    }
    if (!backend::isFolder(path))
        fail(message(QT_TRANSLATE_NOOP("platform", "The folder %1 cannot be created"), {quoted(path)}), ENOTDIR);
}

void adviseWholeFileBuffer(void* data, std::size_t size)
{
    constexpr std::uintptr_t hugePage = std::uintptr_t(2) << 20;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + hugePage - 1) & ~(hugePage - 1);
    const std::uintptr_t end = (start + size) & ~(hugePage - 1);
    if (end > first) ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
}

void readUmaskOnce() { creationMask(); }

void backend::replaceOne(const std::string& path, const std::string& bytes, const WriteFunction& write)
{
    const std::string action = message(QT_TRANSLATE_NOOP("platform", "The file %1 cannot be written"), {quoted(path)});
    const Destination d = destinationFor(path, action, message(QT_TRANSLATE_NOOP("platform", "it")));
    TempFile temp;
    createTemp(temp, folderOf(d.real), action);
    if (int error = reserve(temp.fd, off_t(bytes.size()))) fail(action, error);
    if (int error = writeAll(temp.fd, bytes.data(), bytes.size(), write)) fail(action, error);
    if (!d.exists) {
        if (::fchmod(temp.fd, newFileMode()) != 0) fail(action, errno);
    } else if (!writtenInPlace(d)) {
        keepAttributes(temp.fd, d, action);
    }
    flush(temp, Flush::ToDisk, action);
    putInPlace(temp, off_t(bytes.size()), d, action, write);
    if (!d.exists) syncFolder(folderOf(d.real));
}

bool backend::isSeparator(char c) { return c == '/'; }

char backend::separator() { return '/'; }

std::size_t backend::rootLength(const std::string& path) { return !path.empty() && path[0] == '/' ? 1 : 0; }

// Linux names are bytes, compared exactly.
std::string backend::comparable(const std::string& name) { return name; }

bool backend::exists(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

bool backend::isFolder(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::vector<std::string> backend::filesIn(const std::string& folder)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) fail(message(QT_TRANSLATE_NOOP("platform", "The folder %1 cannot be read"), {quoted(folder)}), errno);
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        // A link to a folder is a file here, as lstat sees it.
        bool folderEntry = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN) {
            struct stat info {};
            if (::lstat(joined(folder, name).c_str(), &info) != 0) continue;
            folderEntry = S_ISDIR(info.st_mode);
        }
        if (!folderEntry) names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

} // namespace platform::file_operations
