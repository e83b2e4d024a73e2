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
#include "platform/sys/message.h"
#include "platform/sys/windows/win32_text.h"

namespace platform::file_operations {
namespace {

using backend::folderOf;
using backend::joined;
using backend::lastPart;
using backend::quoted;
using backend::requireText;

[[noreturn]] void fail(const std::string& what, const std::string& reason)
{
    throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: %2."), {what, reason}));
}

[[noreturn]] void fail(const std::string& what, DWORD error) { fail(what, win32::errorText(error)); }

[[noreturn]] void failLast(const std::string& what) { fail(what, GetLastError()); }

DWORD attributesOf(const std::string& path) { return GetFileAttributesW(win32::wide(path).c_str()); }

bool found(DWORD attributes) { return attributes != INVALID_FILE_ATTRIBUTES; }
bool folder(DWORD attributes) { return found(attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY); }
bool readOnly(DWORD attributes) { return found(attributes) && (attributes & FILE_ATTRIBUTE_READONLY); }

bool notFound(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

[[noreturn]] void alreadyExists(const std::string& action, const std::string& target)
{
    throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: %2 already exists."), {action, quoted(target)}));
}

// role: the path quoted, or words for it ("the destination").
[[noreturn]] void isAFolder(const std::string& action, const std::string& role)
{
    throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: %2 is a folder, not a file."), {action, role}));
}

[[noreturn]] void isReadOnly(const std::string& action, const std::string& role)
{
    throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: %2 is read-only."), {action, role}));
}

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
                fail(message(QT_TRANSLATE_NOOP("platform", "%1: no file can be created in the folder %2"),
                             {action, quoted(folder)}),
                     error);
            }
        }
        path_.clear();
        fail(message(QT_TRANSLATE_NOOP("platform", "%1: no file can be created in the folder %2"),
                     {action, quoted(folder)}),
             ERROR_FILE_EXISTS);
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
                reason = errorReason(n == 0 ? ENOSPC : errno);
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
        if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) alreadyExists(action, target);
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
    const win32::Handle file(CreateFileW(win32::wide(path).c_str(), 0,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                         FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
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
    if (!in.valid())
        failLast(message(QT_TRANSLATE_NOOP("platform", "%1: %2 cannot be opened"), {action, quoted(source)}));
    std::vector<char> block(size_t(4) << 20);
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(in.get(), block.data(), DWORD(block.size()), &read, nullptr)) failLast(action);
        if (read == 0) return;
        std::string reason;
        if (!writeAll(temp, block.data(), read, reason, write)) fail(action, reason);
    }
}

} // namespace

void backend::copyOne(const std::string& source, const std::string& target, const WriteFunction& write)
{
    const std::string action =
        message(QT_TRANSLATE_NOOP("platform", "The file %1 cannot be copied to %2"), {quoted(source), quoted(target)});
    const DWORD sourceAttributes = attributesOf(source);
    if (!found(sourceAttributes))
        failLast(message(QT_TRANSLATE_NOOP("platform", "%1: %2 cannot be opened"), {action, quoted(source)}));
    if (folder(sourceAttributes)) isAFolder(action, quoted(source));
    bool replacing = false;
    const DWORD targetAttributes = attributesOf(target);
    if (found(targetAttributes)) {
        Identity from, to;
        if (identityOf(source, from) && identityOf(target, to) && from == to)
            throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: a file cannot be copied onto itself."), {action}));
        const std::string role = message(QT_TRANSLATE_NOOP("platform", "the destination"));
        if (folder(targetAttributes)) isAFolder(action, role);
        if (readOnly(targetAttributes)) isReadOnly(action, role);
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

// A move within a volume writes no data; across volumes the system copies,
// so a write function has nothing to do here.
void backend::moveOne(const std::string& source, const std::string& target, const WriteFunction&)
{
    const std::string action =
        message(QT_TRANSLATE_NOOP("platform", "The file %1 cannot be moved to %2"), {quoted(source), quoted(target)});
    const DWORD sourceAttributes = attributesOf(source);
    if (!found(sourceAttributes)) failLast(action);
    if (folder(sourceAttributes)) isAFolder(action, quoted(source));
    if (found(attributesOf(target))) alreadyExists(action, target);
    // Without MOVEFILE_REPLACE_EXISTING the move never replaces; across
    // volumes it copies and removes the source only once the copy is whole.
    if (MoveFileExW(win32::wide(source).c_str(), win32::wide(target).c_str(),
                    MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH))
        return;
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) alreadyExists(action, target);
    fail(action, error);
}

void backend::deleteOne(const std::string& path, bool force)
{
    const std::string action = message(QT_TRANSLATE_NOOP("platform", "The file %1 cannot be deleted"), {quoted(path)});
    const DWORD attributes = attributesOf(path);
    if (!found(attributes)) failLast(action);
    if (folder(attributes))
        throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: it is a folder, not a file."), {action}));
    const std::wstring name = win32::wide(path);
    if (readOnly(attributes)) {
        if (!force) throw Failure(message(QT_TRANSLATE_NOOP("platform", "%1: it is read-only."), {action}));
        if (!SetFileAttributesW(name.c_str(), attributes & ~DWORD(FILE_ATTRIBUTE_READONLY))) failLast(action);
    }
    if (DeleteFileW(name.c_str())) return;
    const DWORD error = GetLastError();
    if (readOnly(attributes)) SetFileAttributesW(name.c_str(), attributes); // left as it was
    fail(action, error);
}

void createFolders(const std::string& path)
{
    requireText(path, QT_TRANSLATE_NOOP("platform", "No folder to create was given: the path is empty."));
    // Each folder from the top down, after the drive or the \\server\share
    // part; one that exists already (also made by someone else meanwhile) is
    // fine, as long as it is a folder.
    size_t start = 0;
    if (path.size() > 2 && backend::isSeparator(path[0]) && backend::isSeparator(path[1])) {
        for (int parts = 0; parts < 2 && start != std::string::npos; ++parts)
            start = path.find_first_of("\\/", start == 0 ? 2 : start + 1);
        if (start == std::string::npos) start = path.size();
    }
    for (size_t end = start;;) {
        end = path.find_first_of("\\/", end + 1);
        const std::string folder = path.substr(0, end);
        if (!folder.empty() && !backend::isFolder(folder) && !CreateDirectoryW(win32::wide(folder).c_str(), nullptr)
            && GetLastError() != ERROR_ALREADY_EXISTS)
            failLast(message(QT_TRANSLATE_NOOP("platform", "The folder %1 cannot be created"), {quoted(folder)}));
        if (end == std::string::npos || end + 1 >= path.size()) break;
    }
    if (!backend::isFolder(path))
        fail(message(QT_TRANSLATE_NOOP("platform", "The folder %1 cannot be created"), {quoted(path)}),
             ERROR_DIRECTORY);
}

void adviseWholeFileBuffer(void*, std::size_t)
{
    // Large pages need a privilege a user does not hold; nothing to advise.
}

void readUmaskOnce() {}

void backend::replaceOne(const std::string& path, const std::string& bytes, const WriteFunction& write)
{
    const std::string action = message(QT_TRANSLATE_NOOP("platform", "The file %1 cannot be written"), {quoted(path)});
    const DWORD attributes = attributesOf(path);
    const bool replacing = found(attributes);
    const std::string role = message(QT_TRANSLATE_NOOP("platform", "it"));
    if (folder(attributes)) isAFolder(action, role);
    if (readOnly(attributes)) isReadOnly(action, role);
    if (!replacing && !notFound(GetLastError())) failLast(action);
    TempFile temp(folderOf(path), lastPart(path), action);
    std::string reason;
    if (!writeAll(temp, bytes.data(), bytes.size(), reason, write)) fail(action, reason);
    flushAndClose(temp, action);
    install(temp, path, replacing, action);
}

bool backend::isSeparator(char c) { return c == '\\' || c == '/'; }

char backend::separator() { return '\\'; }

// "C:\" and "\": a drive's root, or the current drive's.
std::size_t backend::rootLength(const std::string& path)
{
    if (path.size() >= 3 && path[1] == ':' && isSeparator(path[2])) return 3;
    return !path.empty() && isSeparator(path[0]) ? 1 : 0;
}

// File names compare without regard to case here, as the file system does.
std::string backend::comparable(const std::string& name)
{
    std::string folded = name;
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return folded;
}

bool backend::exists(const std::string& path) { return found(attributesOf(path)); }

bool backend::isFolder(const std::string& path) { return folder(attributesOf(path)); }

std::vector<std::string> backend::filesIn(const std::string& folderPath)
{
    WIN32_FIND_DATAW entry{};
    const HANDLE search = FindFirstFileExW(win32::wide(joined(folderPath, "*")).c_str(), FindExInfoBasic, &entry,
                                           FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE)
        failLast(message(QT_TRANSLATE_NOOP("platform", "The folder %1 cannot be read"), {quoted(folderPath)}));
    std::vector<std::string> names;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(win32::utf8(entry.cFileName));
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return names;
}

} // namespace platform::file_operations
