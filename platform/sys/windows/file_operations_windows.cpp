#include "platform/sys/file_operations.h"
#include "platform/sys/file_operations_backend.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <vector>

#include "platform/failure.h"
#include "platform/sys/windows/win32_text.h"

namespace platform::file_operations {
namespace {

std::string quoted(const std::string& path) { return "\"" + path + "\""; }

[[noreturn]] void fail(const std::string& what, DWORD error)
{
    throw Failure(what + ": " + win32::errorText(error) + ".");
}

[[noreturn]] void failLast(const std::string& what)
{
    fail(what, GetLastError());
}

bool isSeparator(char c) { return c == '\\' || c == '/'; }

size_t lastSeparator(const std::string& path)
{
    return path.find_last_of("\\/");
}

std::string folderOf(const std::string& path)
{
    const size_t slash = lastSeparator(path);
    if (slash == std::string::npos) return ".";
    // "C:\name" lies in "C:\", not in "C:".
    if (slash == 0 || (slash == 2 && path[1] == ':')) return path.substr(0, slash + 1);
    return path.substr(0, slash);
}

std::string lastPart(const std::string& path)
{
    const size_t slash = lastSeparator(path);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string joined(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && isSeparator(folder.back())) return folder + name;
    return folder + "\\" + name;
}

void requireText(const std::string& path, const std::string& role)
{
    if (path.empty()) throw Failure("No " + role + " was given: the path is empty.");
}

DWORD attributesOf(const std::string& path)
{
    return GetFileAttributesW(win32::wide(path).c_str());
}

bool exists(DWORD attributes) { return attributes != INVALID_FILE_ATTRIBUTES; }
bool folder(DWORD attributes) { return exists(attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY); }
bool readOnly(DWORD attributes) { return exists(attributes) && (attributes & FILE_ATTRIBUTE_READONLY); }

bool isFolder(const std::string& path) { return folder(attributesOf(path)); }

bool notFound(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// A new temporary file beside the destination, written and then given the
// destination's name; removed unless it was installed.
class TempFile {
public:
    TempFile(const std::string& folder, const std::string& name, const std::string& action)
    {
        static unsigned counter = 0;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const unsigned long long tag = GetTickCount64() * 7919ull + GetCurrentProcessId() * 31ull + ++counter;
            char suffix[32];
            std::snprintf(suffix, sizeof suffix, "%06llx", tag & 0xFFFFFFull);
            path_ = win32::wide(joined(folder, "." + name + ".quelmarn-" + suffix));
            handle_.reset(CreateFileW(path_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
            if (handle_.valid()) return;
            const DWORD error = GetLastError();
            if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
                path_.clear();
                fail(action + ": no file can be created in the folder " + quoted(folder), error);
            }
        }
        path_.clear();
        throw Failure(action + ": no file can be created in the folder " + quoted(folder) + ".");
    }
    ~TempFile()
    {
        close();
        if (!path_.empty()) DeleteFileW(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    HANDLE handle() const { return handle_.get(); }
    const std::wstring& path() const { return path_; }

    // A C run-time descriptor on the file, for the write hook; it then owns
    // the handle.
    int descriptor()
    {
        if (descriptor_ < 0) {
            descriptor_ = _open_osfhandle(reinterpret_cast<intptr_t>(handle_.get()), _O_BINARY);
            if (descriptor_ >= 0) handle_.release();
        }
        return descriptor_;
    }

    void close()
    {
        if (descriptor_ >= 0) {
            _close(descriptor_);
            descriptor_ = -1;
        }
        handle_.reset();
    }
    void installed() { path_.clear(); }

    // Writes what was written through to the disk.
    bool flush()
    {
        if (descriptor_ >= 0) return _commit(descriptor_) == 0;
        return !handle_.valid() || FlushFileBuffers(handle_.get());
    }

private:
    win32::Handle handle_;
    int descriptor_ = -1;
    std::wstring path_;
};

// Writes all bytes into the temporary file, through `write` when it is
// set. Returns false and sets `reason` on failure.
bool writeAll(TempFile& temp, const char* data, size_t size, std::string& reason, const WriteFunction& write)
{
    while (size > 0) {
        if (write) {
            const int fd = temp.descriptor();
            const ssize_t n = fd >= 0 ? write(fd, data, size) : -1;
            if (n <= 0) {
                reason = std::strerror(n == 0 ? ENOSPC : errno);
                return false;
            }
            data += n;
            size -= size_t(n);
            continue;
        }
        DWORD written = 0;
        const DWORD now = DWORD(std::min<size_t>(size, size_t(1) << 30));
        if (!WriteFile(temp.handle(), data, now, &written, nullptr) || written == 0) {
            reason = win32::errorText(GetLastError());
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

// Flushes the written file to disk and closes it.
void flushAndClose(TempFile& temp, const std::string& action)
{
    if (!temp.flush()) failLast(action);
    temp.close();
}

// Gives the written temporary file the target's name: over the old file
// (whose attributes and security it then takes) or as a new file, which
// fails when one appeared meanwhile.
void install(TempFile& temp, const std::string& target, bool replacing, const std::string& action)
{
    temp.close();
    const std::wstring name = win32::wide(target);
    if (replacing) {
        if (!ReplaceFileW(name.c_str(), temp.path().c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                          nullptr))
            failLast(action);
    } else if (!MoveFileExW(temp.path().c_str(), name.c_str(), MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)
            throw Failure(action + ": " + quoted(target) + " already exists.");
        fail(action, error);
    }
    temp.installed();
}

// The source's identity, to refuse copying a file onto itself through
// another name.
struct Identity {
    DWORD volume = 0;
    DWORD high = 0;
    DWORD low = 0;
    bool operator==(const Identity& other) const
    {
        return volume == other.volume && high == other.high && low == other.low;
    }
};

bool identityOf(const std::string& path, Identity& identity)
{
    const win32::Handle file(CreateFileW(win32::wide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info {};
    if (!file.valid() || !GetFileInformationByHandle(file.get(), &info)) return false;
    identity = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    return true;
}

// Copies the source into the temporary file block by block through
// `write`.
void copyThrough(const std::string& source, TempFile& temp, const std::string& action, const WriteFunction& write)
{
    const win32::Handle in(CreateFileW(win32::wide(source).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!in.valid()) failLast(action + ": " + quoted(source) + " cannot be opened");
    std::vector<char> block(size_t(4) << 20);
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(in.get(), block.data(), DWORD(block.size()), &read, nullptr)) failLast(action);
        if (read == 0) return;
        std::string reason;
        if (!writeAll(temp, block.data(), read, reason, write)) throw Failure(action + ": " + reason + ".");
    }
}

void copyOne(const std::string& source, const std::string& target, const WriteFunction& write)
{
    const std::string action = "The file " + quoted(source) + " cannot be copied to " + quoted(target);
    const DWORD sourceAttributes = attributesOf(source);
    if (!exists(sourceAttributes)) failLast(action + ": " + quoted(source) + " cannot be opened");
    if (folder(sourceAttributes)) throw Failure(action + ": " + quoted(source) + " is a folder, not a file.");
    bool replacing = false;
    const DWORD targetAttributes = attributesOf(target);
    if (exists(targetAttributes)) {
        Identity from, to;
        if (identityOf(source, from) && identityOf(target, to) && from == to)
            throw Failure(action + ": a file cannot be copied onto itself.");
        if (folder(targetAttributes)) throw Failure(action + ": " + quoted(target) + " is a folder, not a file.");
        if (readOnly(targetAttributes)) throw Failure(action + ": " + quoted(target) + " is read-only.");
        replacing = true;
    } else if (const DWORD error = GetLastError(); !notFound(error)) {
        fail(action, error);
    }
    TempFile temp(folderOf(target), lastPart(target), action);
    if (write) {
        copyThrough(source, temp, action, write);
    } else {
        temp.close();
        if (!CopyFileW(win32::wide(source).c_str(), temp.path().c_str(), FALSE)) failLast(action);
        if (replacing) {
            // Only then may the copy be renamed over the old data.
            const win32::Handle written(CreateFileW(temp.path().c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                                    FILE_ATTRIBUTE_NORMAL, nullptr));
            if (!written.valid() || !FlushFileBuffers(written.get())) failLast(action);
        }
    }
    if (replacing) flushAndClose(temp, action);
    install(temp, target, replacing, action);
}

void moveOne(const std::string& source, const std::string& target)
{
    const std::string action = "The file " + quoted(source) + " cannot be moved to " + quoted(target);
    const DWORD sourceAttributes = attributesOf(source);
    if (!exists(sourceAttributes)) failLast(action);
    if (folder(sourceAttributes)) throw Failure(action + ": " + quoted(source) + " is a folder, not a file.");
    if (exists(attributesOf(target))) throw Failure(action + ": " + quoted(target) + " already exists.");
    // Without MOVEFILE_REPLACE_EXISTING the move never replaces; across
    // volumes it copies and removes the source only once the copy is whole.
    if (MoveFileExW(win32::wide(source).c_str(), win32::wide(target).c_str(),
                    MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH))
        return;
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)
        throw Failure(action + ": " + quoted(target) + " already exists.");
    fail(action, error);
}

void deleteOne(const std::string& path, bool force)
{
    const std::string action = "The file " + quoted(path) + " cannot be deleted";
    const DWORD attributes = attributesOf(path);
    if (!exists(attributes)) failLast(action);
    if (folder(attributes)) throw Failure(action + ": it is a folder, not a file.");
    const std::wstring name = win32::wide(path);
    if (readOnly(attributes)) {
        if (!force) throw Failure(action + ": it is read-only.");
        if (!SetFileAttributesW(name.c_str(), attributes & ~DWORD(FILE_ATTRIBUTE_READONLY))) failLast(action);
    }
    if (DeleteFileW(name.c_str())) return;
    const DWORD error = GetLastError();
    if (readOnly(attributes)) SetFileAttributesW(name.c_str(), attributes); // left as it was
    fail(action, error);
}

char folded(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

std::string foldedText(std::string text)
{
    for (char& c : text) c = folded(c);
    return text;
}

// File names compare without regard to case here, as the file system does.
bool matchesIgnoringCase(const std::string& pattern, const std::string& name)
{
    return wildcardMatch(foldedText(pattern), foldedText(name));
}

// The files a source with wildcards stands for, in name order; fails when
// none matches. Names are matched here rather than by the system, whose
// patterns also match the short 8.3 names.
std::vector<std::string> matches(const std::string& source)
{
    const std::string folderPath = folderOf(source);
    const std::string pattern = lastPart(source);
    WIN32_FIND_DATAW entry {};
    const HANDLE search = FindFirstFileExW(win32::wide(joined(folderPath, "*")).c_str(), FindExInfoBasic, &entry,
                                           FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) failLast("The folder " + quoted(folderPath) + " cannot be read");
    std::vector<std::string> found;
    do {
        const std::string name = win32::utf8(entry.cFileName);
        if (name == "." || name == ".." || (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            || !matchesIgnoringCase(pattern, name))
            continue;
        found.push_back(lastSeparator(source) == std::string::npos ? name : joined(folderPath, name));
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    if (found.empty()) throw Failure("No file matches " + quoted(source) + ".");
    std::sort(found.begin(), found.end());
    return found;
}

std::string targetFor(const std::string& source, const std::string& destination, bool intoFolder)
{
    if (intoFolder || isSeparator(destination.back())) {
        if (!isFolder(destination))
            throw Failure("The destination " + quoted(destination) + " is not an existing folder.");
        return joined(destination, lastPart(source));
    }
    if (isFolder(destination)) return joined(destination, lastPart(source));
    return destination;
}

template <typename Operation>
void forEachSource(const std::string& source, const std::string& destination, const char* done,
                   Operation operation)
{
    if (hasWildcards(source)) {
        backend::forEachMatch(matches(source), done, [&](const std::string& file) {
            operation(file, targetFor(file, destination, true));
        });
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
    requireText(source, "file to copy");
    requireText(destination, "destination");
    forEachSource(source, destination, QT_TRANSLATE_NOOP("platform", "Already copied:"),
                  [&write](const std::string& from, const std::string& to) { copyOne(from, to, write); });
}

// A move within a volume writes no data; across volumes the system copies,
// so a write function has nothing to do here.
void backend::moveFile(const std::string& source, const std::string& destination, const WriteFunction&)
{
    requireText(source, "file to move");
    requireText(destination, "destination");
    forEachSource(source, destination, QT_TRANSLATE_NOOP("platform", "Already moved:"), moveOne);
}

void deleteFile(const std::string& path, bool force)
{
    requireText(path, "file to delete");
    if (!hasWildcards(path)) {
        deleteOne(path, force);
        return;
    }
    backend::forEachMatch(matches(path), QT_TRANSLATE_NOOP("platform", "Already deleted:"), [force](const std::string& file) { deleteOne(file, force); });
}

void createFolders(const std::string& path)
{
    requireText(path, "folder to create");
    // Each folder from the top down, after the drive or the \\server\share
    // part; one that exists already (also made by someone else meanwhile) is
    // fine, as long as it is a folder.
    size_t start = 0;
    if (path.size() > 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        for (int parts = 0; parts < 2 && start != std::string::npos; ++parts)
            start = path.find_first_of("\\/", start == 0 ? 2 : start + 1);
        if (start == std::string::npos) start = path.size();
    }
    for (size_t end = start;;) {
        end = path.find_first_of("\\/", end + 1);
        const std::string folder = path.substr(0, end);
        if (!folder.empty() && !isFolder(folder) && !CreateDirectoryW(win32::wide(folder).c_str(), nullptr)
            && GetLastError() != ERROR_ALREADY_EXISTS)
            failLast("The folder " + quoted(folder) + " cannot be created");
        if (end == std::string::npos || end + 1 >= path.size()) break;
    }
    if (!isFolder(path)) fail("The folder " + quoted(path) + " cannot be created", ERROR_DIRECTORY);
}

std::string readOrCreate(const std::string& path)
{
    requireText(path, "file to open");
    const std::string action = "The file " + quoted(path) + " cannot be opened";
    if (isFolder(path)) throw Failure(action + ": it is a folder, not a file.");
    const win32::Handle file(CreateFileW(win32::wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                         nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) failLast(action);
    std::string content;
    LARGE_INTEGER size {};
    if (GetFileSizeEx(file.get(), &size)) content.reserve(size_t(size.QuadPart));
    char block[65536];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.get(), block, sizeof block, &read, nullptr))
            failLast("The file " + quoted(path) + " cannot be read");
        if (read == 0) break;
        content.append(block, read);
    }
    return content;
}

void adviseWholeFileBuffer(void*, std::size_t)
{
    // Large pages need a privilege a user does not hold; nothing to advise.
}

void readUmaskOnce() {}

void backend::replaceFile(const std::string& path, const std::string& bytes, const WriteFunction& write)
{
    requireText(path, "file to write");
    const std::string action = "The file " + quoted(path) + " cannot be written";
    const DWORD attributes = attributesOf(path);
    const bool replacing = exists(attributes);
    if (folder(attributes)) throw Failure(action + ": " + quoted(path) + " is a folder, not a file.");
    if (readOnly(attributes)) throw Failure(action + ": " + quoted(path) + " is read-only.");
    if (!replacing && !notFound(GetLastError())) failLast(action);
    TempFile temp(folderOf(path), lastPart(path), action);
    std::string reason;
    if (!writeAll(temp, bytes.data(), bytes.size(), reason, write)) throw Failure(action + ": " + reason + ".");
    flushAndClose(temp, action);
    install(temp, path, replacing, action);
}

} // namespace platform::file_operations
