// The parts of the file operations that are the same on every OS: the
// rules of paths, wildcards and destinations, the public functions, and
// the calls the windows are given.

#include "platform/sys/file_operations.h"

#include <algorithm>

#include "platform/sys/file_operations_backend.h"
#include "platform/sys/whole_file.h"

namespace platform::file_operations {

namespace backend {

namespace {

std::size_t lastSeparator(const std::string& path)
{
    for (std::size_t at = path.size(); at > 0; --at)
        if (isSeparator(path[at - 1])) return at - 1;
    return std::string::npos;
}

} // namespace

std::string quoted(const std::string& path) { return "\"" + path + "\""; }

std::string folderOf(const std::string& path)
{
    const std::size_t slash = lastSeparator(path);
    if (slash == std::string::npos) return ".";
    // "/name" lies in "/", "C:\name" in "C:\".
    if (slash < rootLength(path)) return path.substr(0, slash + 1);
    return path.substr(0, slash);
}

std::string lastPart(const std::string& path)
{
    const std::size_t slash = lastSeparator(path);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string joined(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && isSeparator(folder.back())) return folder + name;
    return folder + separator() + name;
}

void requireText(const std::string& path, const char* whenEmpty)
{
    if (path.empty()) throw Failure(message(whenEmpty));
}

} // namespace backend

namespace {

using namespace backend;

// Whether a source stands for the files its wildcards match: a file that
// exists under the very name, '*' or '?' and all, is that file alone.
bool expands(const std::string& source) { return hasWildcards(source) && !exists(source); }

// The files a source with wildcards stands for, in name order; fails when
// none matches. Names are matched here rather than by the system, whose
// patterns differ (Windows' also match the short 8.3 names).
std::vector<std::string> matches(const std::string& source)
{
    const std::string folder = folderOf(source);
    const std::string pattern = comparable(lastPart(source));
    const bool bare = lastPart(source).size() == source.size();
    std::vector<std::string> found;
    for (const std::string& name : filesIn(folder))
        if (wildcardMatch(pattern, comparable(name))) found.push_back(bare ? name : joined(folder, name));
    if (found.empty()) throw Failure(message(QT_TRANSLATE_NOOP("platform", "No file matches %1."), {quoted(source)}));
    std::sort(found.begin(), found.end());
    return found;
}

// Where one file goes: into the destination folder under its own name when
// the destination ends with a separator or names a folder, else the
// destination itself.
std::string targetFor(const std::string& source, const std::string& destination, bool intoFolder)
{
    if (intoFolder || isSeparator(destination.back())) {
        if (!isFolder(destination))
            throw Failure(message(QT_TRANSLATE_NOOP("platform", "The destination %1 is not an existing folder."),
                                  {quoted(destination)}));
        return joined(destination, lastPart(source));
    }
    if (isFolder(destination)) return joined(destination, lastPart(source));
    return destination;
}

template <typename Operation>
void forEachSource(const std::string& source, const std::string& destination, const char* done, Operation operation)
{
    if (expands(source)) {
        forEachMatch(matches(source), done,
                     [&](const std::string& file) { operation(file, targetFor(file, destination, true)); });
        return;
    }
    operation(source, targetFor(source, destination, false));
}

void copyWith(const std::string& source, const std::string& destination, const WriteFunction& write)
{
    requireText(source, QT_TRANSLATE_NOOP("platform", "No file to copy was given: the path is empty."));
    requireText(destination, QT_TRANSLATE_NOOP("platform", "No destination was given: the path is empty."));
    forEachSource(source, destination, QT_TRANSLATE_NOOP("platform", "Already copied:"),
                  [&write](const std::string& from, const std::string& to) { copyOne(from, to, write); });
}

void moveWith(const std::string& source, const std::string& destination, const WriteFunction& write)
{
    requireText(source, QT_TRANSLATE_NOOP("platform", "No file to move was given: the path is empty."));
    requireText(destination, QT_TRANSLATE_NOOP("platform", "No destination was given: the path is empty."));
    forEachSource(source, destination, QT_TRANSLATE_NOOP("platform", "Already moved:"),
                  [&write](const std::string& from, const std::string& to) { moveOne(from, to, write); });
}

void replaceWith(const std::string& path, const std::string& bytes, const WriteFunction& write)
{
    requireText(path, QT_TRANSLATE_NOOP("platform", "No file to write was given: the path is empty."));
    replaceOne(path, bytes, write);
}

} // namespace

bool hasWildcards(const std::string& path) { return lastPart(path).find_first_of("*?") != std::string::npos; }

void copyFile(const std::string& source, const std::string& destination) { copyWith(source, destination, {}); }

void moveFile(const std::string& source, const std::string& destination) { moveWith(source, destination, {}); }

void replaceFile(const std::string& path, const std::string& bytes) { replaceWith(path, bytes, {}); }

void deleteFile(const std::string& path, bool force)
{
    requireText(path, QT_TRANSLATE_NOOP("platform", "No file to delete was given: the path is empty."));
    if (!expands(path)) {
        deleteOne(path, force);
        return;
    }
    forEachMatch(matches(path), QT_TRANSLATE_NOOP("platform", "Already deleted:"),
                 [force](const std::string& file) { deleteOne(file, force); });
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

namespace {

class NativeCalls : public Calls {
public:
    explicit NativeCalls(WriteFunction write) : write_(std::move(write)) {}
    void copyFile(const std::string& source, const std::string& destination) override
    {
        copyWith(source, destination, write_);
    }
    void moveFile(const std::string& source, const std::string& destination) override
    {
        moveWith(source, destination, write_);
    }
    void deleteFile(const std::string& path, bool force) override { file_operations::deleteFile(path, force); }
    void createFolders(const std::string& path) override { file_operations::createFolders(path); }
    std::string readOrCreate(const std::string& path) override { return file_operations::readOrCreate(path); }
    void adviseWholeFileBuffer(void* data, std::size_t size) override
    {
        file_operations::adviseWholeFileBuffer(data, size);
    }
    void replaceFile(const std::string& path, const std::string& bytes) override { replaceWith(path, bytes, write_); }

private:
    WriteFunction write_;
};

} // namespace

std::unique_ptr<Calls> makeNative(WriteFunction write) { return std::make_unique<NativeCalls>(std::move(write)); }

} // namespace platform::file_operations
