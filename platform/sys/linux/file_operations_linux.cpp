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
#include <sys/mman.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/failure.h"
#include "platform/sys/linux/descriptor.h"
#include "platform/sys/message.h"
#include "platform/sys/whole_file.h"

namespace platform::file_operations {
namespace {

std::string quoted(const std::string& path) { return "\"" + path + "\""; }

std::string reason(int error) { return errorReason(error); }

[[noreturn]] void fail(const std::string& what, int error)
{
    throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: %2."), {what, reason(error)}));
}

// Closes a descriptor and removes a temporary file unless told to keep it.
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
    void installed() { path.clear(); }

    int fd = -1;
    std::string path;
};

using linuxsys::Descriptor;

std::string folderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string lastPart(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string joined(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

// whenEmpty: the message's English source, translated only when needed.
void requireText(const std::string& path, const char* whenEmpty)
{
    if (path.empty()) throw Failure(message(whenEmpty));
}

bool isFolder(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

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

int pumpByBlocks(int in, int out, const WriteFunction& write)
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
    }
}

// Copies the rest of `in` to `out`: in-kernel where the system can, else in
// large blocks (always through `write` when it is set). Returns 0 or the
// errno of the failure.
int pumpData(int in, int out, const WriteFunction& write)
{
    if (write) return pumpByBlocks(in, out, write);
    bool rangeWorks = true;
    bool sendfileWorks = true;
    bool anyCopied = false;
    for (;;) {
        ssize_t n = -1;
        if (rangeWorks) {
            n = ::copy_file_range(in, nullptr, out, nullptr, size_t(1) << 30, 0);
            if (n < 0 && !anyCopied
                && (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP
                    || errno == EBADF || errno == EPERM)) {
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
            return pumpByBlocks(in, out, write);
        }
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return 0;
        anyCopied = true;
    }
}

// A new, empty, hidden temporary file in `folder`. Its name is short
// whatever the name it will be given, so that a file whose name is near
// the system's limit can still be written.
void createTemp(TempFile& temp, const std::string& folder, const std::string& action)
{
    std::string pattern = joined(folder, ".quelmarn-XXXXXX");
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    const int fd = ::mkostemp(buffer.data(), O_CLOEXEC);
    if (fd < 0) fail(action + ": no file can be created in the folder " + quoted(folder), errno);
    temp.fd = fd;
    temp.path = buffer.data();
}

// Reserves the room for the whole file at once where the file system can,
// so a full disk shows before any byte is written.
int reserve(int fd, off_t size)
{
    if (size <= 0) return 0;
    if (::fallocate(fd, 0, 0, size) == 0) return 0;
    if (errno == EOPNOTSUPP || errno == ENOSYS || errno == EINVAL) return 0;
    return errno;
}

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
mode_t newFileMode()
{
    return 0666 & ~creationMask();
}

// An existing file that is to be replaced: its real path (through a
// symbolic link, so the link stays) and whether it may be replaced.
std::string replaceableTarget(const std::string& target, const struct stat& st, const std::string& action)
{
    if (S_ISDIR(st.st_mode)) throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: %2 is a folder, not a file."), {action, quoted(target)}));
    if ((st.st_mode & 0222) == 0) throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: %2 is read-only."), {action, quoted(target)}));
    if (::access(target.c_str(), W_OK) != 0) fail(message(QT_TRANSLATE_NOOP("platform", "%1: %2 cannot be written"), {action, quoted(target)}), errno);
    std::string real = target;
    struct stat linkInfo {};
    if (::lstat(target.c_str(), &linkInfo) == 0 && S_ISLNK(linkInfo.st_mode)) {
        if (char* resolved = ::realpath(target.c_str(), nullptr)) {
            real = resolved;
            std::free(resolved);
        }
    }
    return real;
}

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

enum class Flush { ToDisk, Lazily };

// Writes the rest of `in` into a temporary file beside `target`; the caller
// installs it. Flushed to disk when something already there is at stake (a
// replaced destination, a moved source): only then may it be renamed over
// the old data or the old data removed. A new file has nothing to lose to a
// crash, so it is left to the system's write-back, as cp does; its close is
// still checked, since some file systems report write errors only there.
void writeCopy(TempFile& temp, int in, const struct stat& source, const std::string& target,
               const std::string& action, Flush flush, const WriteFunction& write)
{
    createTemp(temp, folderOf(target), action);
    if (int error = reserve(temp.fd, source.st_size)) fail(action, error);
    if (int error = pumpData(in, temp.fd, write)) fail(action, error);
    if (::fchmod(temp.fd, source.st_mode & 0777) != 0) fail(action, errno);
    if (flush == Flush::ToDisk) {
        if (::fsync(temp.fd) != 0) fail(action, errno);
    } else {
        const int fd = temp.fd;
        temp.fd = -1;
        if (::close(fd) != 0) fail(action, errno);
    }
}

// Opens a regular file for reading, or fails naming it. O_NONBLOCK, so that
// a FIFO is refused at once instead of waiting for a writer.
int openSource(const std::string& source, struct stat& info, const std::string& action)
{
    const int fd = ::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) fail(message(QT_TRANSLATE_NOOP("platform", "%1: %2 cannot be opened"), {action, quoted(source)}), errno);
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        fail(action, error);
    }
    if (S_ISDIR(info.st_mode)) {
        ::close(fd);
        throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: %2 is a folder, not a file."), {action, quoted(source)}));
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: %2 is not a regular file."), {action, quoted(source)}));
    }
    return fd;
}

void copyOne(const std::string& source, const std::string& target, const WriteFunction& write)
{
    const std::string action = message(QT_TRANSLATE_NOOP("platform", "The file %1 cannot be copied to %2"), {quoted(source), quoted(target)});
    struct stat sourceInfo {};
    const Descriptor in(openSource(source, sourceInfo, action));
    std::string real = target;
    bool replacing = false;
    struct stat targetInfo {};
    if (::stat(target.c_str(), &targetInfo) == 0) {
        if (targetInfo.st_dev == sourceInfo.st_dev && targetInfo.st_ino == sourceInfo.st_ino)
            throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: a file cannot be copied onto itself."), {action}));
        real = replaceableTarget(target, targetInfo, action);
        replacing = true;
    } else if (errno != ENOENT) {
        fail(action, errno);
    } else {
        refuseDanglingLink(target, action);
    }
    TempFile temp;
    writeCopy(temp, in.fd, sourceInfo, real, action, replacing ? Flush::ToDisk : Flush::Lazily, write);
    if (::rename(temp.path.c_str(), real.c_str()) != 0) fail(action, errno);
    temp.installed();
    if (replacing) syncFolder(folderOf(real));
}

// Gives a written temporary file the target's name unless the target
// exists by then; returns 0 or errno.
int installWithoutReplacing(const std::string& temp, const std::string& target)
{
    if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    if (::link(temp.c_str(), target.c_str()) != 0) return errno;
    ::unlink(temp.c_str());
    return 0;
}

void moveAcrossFileSystems(const std::string& source, const std::string& target, const std::string& action,
                           const WriteFunction& write)
{
    struct stat sourceInfo {};
    const Descriptor in(openSource(source, sourceInfo, action));
    TempFile temp;
    writeCopy(temp, in.fd, sourceInfo, target, action, Flush::ToDisk, write);
    // Keep what a move keeps: times, and the owner where allowed.
    const struct timespec times[2] = {sourceInfo.st_atim, sourceInfo.st_mtim};
    ::futimens(temp.fd, times);
    if (::fchown(temp.fd, sourceInfo.st_uid, sourceInfo.st_gid) == 0)
        ::fchmod(temp.fd, sourceInfo.st_mode & 07777);
    if (int error = installWithoutReplacing(temp.path, target)) {
        if (error == EEXIST) throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: %2 already exists."), {action, quoted(target)}));
        fail(action, error);
    }
    temp.installed();
    syncFolder(folderOf(target));
    if (::unlink(source.c_str()) != 0)
        fail(message(QT_TRANSLATE_NOOP("platform", "The file %1 was copied to %2, but the original cannot be removed"),
                     {quoted(source), quoted(target)}),
             errno);
}

void moveOne(const std::string& source, const std::string& target, const WriteFunction& write)
{
    const std::string action = message(QT_TRANSLATE_NOOP("platform", "The file %1 cannot be moved to %2"), {quoted(source), quoted(target)});
    struct stat sourceInfo {};
    if (::lstat(source.c_str(), &sourceInfo) != 0) fail(action, errno);
    if (S_ISDIR(sourceInfo.st_mode)) throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: %2 is a folder, not a file."), {action, quoted(source)}));
    struct stat targetInfo {};
    if (::lstat(target.c_str(), &targetInfo) == 0) throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: %2 already exists."), {action, quoted(target)}));
    if (::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return;
    int error = errno;
    if (error == EINVAL || error == ENOSYS) { // no RENAME_NOREPLACE here: checked just above
        if (::rename(source.c_str(), target.c_str()) == 0) return;
        error = errno;
    }
    if (error == EEXIST) throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: %2 already exists."), {action, quoted(target)}));
    if (error != EXDEV) fail(action, error);
    moveAcrossFileSystems(source, target, action, write);
}

void deleteOne(const std::string& path, bool force)
{
    const std::string action = message(QT_TRANSLATE_NOOP("platform", "The file %1 cannot be deleted"), {quoted(path)});
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) fail(action, errno);
    if (S_ISDIR(info.st_mode)) throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: it is a folder, not a file."), {action}));
    if (!force && !S_ISLNK(info.st_mode) && (info.st_mode & 0222) == 0)
        throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: it is read-only."), {action}));
    if (::unlink(path.c_str()) != 0) fail(action, errno);
}

// The files a source with wildcards stands for, in name order; fails when
// none matches.
std::vector<std::string> matches(const std::string& source)
{
    const std::string folder = folderOf(source);
    const std::string pattern = lastPart(source);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) fail(message(QT_TRANSLATE_NOOP("platform", "The folder %1 cannot be read"), {quoted(folder)}), errno);
    std::vector<std::string> found;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == ".." || !wildcardMatch(pattern, name)) continue;
        const std::string path = source.find('/') == std::string::npos ? name : joined(folder, name);
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode)) found.push_back(path);
    }
    ::closedir(dir);
    if (found.empty()) throw Failure(message(QT_TRANSLATE_NOOP("platform", "No file matches %1."), {quoted(source)}));
    std::sort(found.begin(), found.end());
    return found;
}

// Where one file goes: into the destination folder under its own name when
// the destination ends with a separator or names a folder, else the
// destination itself.
std::string targetFor(const std::string& source, const std::string& destination, bool intoFolder)
{
    const bool endsWithSeparator = destination.back() == '/';
    if (intoFolder || endsWithSeparator) {
        if (!isFolder(destination))
            throw Failure(message(QT_TRANSLATE_NOOP("platform", "The destination %1 is not an existing folder."), {quoted(destination)}));
        return joined(destination, lastPart(source));
    }
    if (isFolder(destination)) return joined(destination, lastPart(source));
    return destination;
}

template <typename Operation>
void forEachSource(const std::string& source, const std::string& destination, Operation operation)
{
    if (hasWildcards(source)) {
        for (const std::string& file : matches(source))
            operation(file, targetFor(file, destination, true));
        return;
    }
    operation(source, targetFor(source, destination, false));
}

} // namespace

bool hasWildcards(const std::string& path)
{
    return lastPart(path).find_first_of("*?") != std::string::npos;
}

void backend::copyFile(const std::string& source, const std::string& destination, const WriteFunction& write)
{
    requireText(source, QT_TRANSLATE_NOOP("platform", "No file to copy was given: the path is empty."));
    requireText(destination, QT_TRANSLATE_NOOP("platform", "No destination was given: the path is empty."));
    forEachSource(source, destination,
                  [&write](const std::string& from, const std::string& to) { copyOne(from, to, write); });
}

void backend::moveFile(const std::string& source, const std::string& destination, const WriteFunction& write)
{
    requireText(source, QT_TRANSLATE_NOOP("platform", "No file to move was given: the path is empty."));
    requireText(destination, QT_TRANSLATE_NOOP("platform", "No destination was given: the path is empty."));
    forEachSource(source, destination,
                  [&write](const std::string& from, const std::string& to) { moveOne(from, to, write); });
}


void deleteFile(const std::string& path, bool force)
{
    requireText(path, QT_TRANSLATE_NOOP("platform", "No file to delete was given: the path is empty."));
    if (!hasWildcards(path)) {
        deleteOne(path, force);
        return;
    }
    for (const std::string& file : matches(path)) deleteOne(file, force);
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
    if (!isFolder(path)) fail(message(QT_TRANSLATE_NOOP("platform", "The folder %1 cannot be created"), {quoted(path)}), ENOTDIR);
}

std::string readOrCreate(const std::string& path)
{
    requireText(path, QT_TRANSLATE_NOOP("platform", "No file to open was given: the path is empty."));
    whole_file::Content content = whole_file::read(path, noteFileLimit, whole_file::WhenMissing::CreateEmpty);
    if (content.cut)
        throw Failure(message(QT_TRANSLATE_NOOP("platform", "The file %1 cannot be opened: it is larger than %2 MiB."),
                              {quoted(path), std::to_string(noteFileLimit >> 20)}));
    return std::move(content.bytes);
}

void adviseWholeFileBuffer(void* data, std::size_t size)
{
    constexpr std::uintptr_t hugePage = std::uintptr_t(2) << 20;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + hugePage - 1) & ~(hugePage - 1);
    const std::uintptr_t end = (start + size) & ~(hugePage - 1);
    if (end > first) ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
}

void readUmaskOnce()
{
    creationMask();
}

void backend::replaceFile(const std::string& path, const std::string& bytes, const WriteFunction& write)
{
    requireText(path, QT_TRANSLATE_NOOP("platform", "No file to write was given: the path is empty."));
    const std::string action = message(QT_TRANSLATE_NOOP("platform", "The file %1 cannot be written"), {quoted(path)});
    std::string real = path;
    mode_t mode = newFileMode();
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        real = replaceableTarget(path, info, action);
        mode = info.st_mode & 07777;
    } else if (errno != ENOENT) {
        fail(action, errno);
    } else {
        refuseDanglingLink(path, action);
    }
    TempFile temp;
    createTemp(temp, folderOf(real), action);
    if (int error = reserve(temp.fd, off_t(bytes.size()))) fail(action, error);
    if (int error = writeAll(temp.fd, bytes.data(), bytes.size(), write)) fail(action, error);
    if (::fchmod(temp.fd, mode) != 0) fail(action, errno);
    if (::fsync(temp.fd) != 0) fail(action, errno);
    if (::rename(temp.path.c_str(), real.c_str()) != 0) fail(action, errno);
    temp.installed();
    syncFolder(folderOf(real));
}

} // namespace platform::file_operations
