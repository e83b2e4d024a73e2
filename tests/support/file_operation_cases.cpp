#include "tests/support/file_operation_cases.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/failure.h"
#include "platform/sys/file_operations.h"

namespace testing {
namespace {

namespace fs = std::filesystem;
using C = FileOperationCase;

const std::vector<std::string> untouched = {"a.txt=a",     "ab.log=ab",         "b.txt=b",
                                            "old.txt=old", "readonly=readonly", "sub/c.txt=sub c"};

// The starting files with some replaced, added or removed ("-path").
std::vector<std::string> changed(std::initializer_list<std::string> changes)
{
    std::vector<std::string> files = untouched;
    for (const std::string& change : changes) {
        const bool removal = change[0] == '-';
        const std::string path = removal ? change.substr(1) : change.substr(0, change.find('='));
        files.erase(
            std::remove_if(files.begin(), files.end(),
                           [&](const std::string& file) { return file.compare(0, path.size() + 1, path + "=") == 0; }),
            files.end());
        if (!removal) files.push_back(change);
    }
    std::sort(files.begin(), files.end());
    return files;
}

fs::path native(const fs::path& folder, const std::string& relative)
{
    std::string path = relative;
    std::replace(path.begin(), path.end(), '/', char(fs::path::preferred_separator));
    return fs::u8path(folder.u8string() + char(fs::path::preferred_separator) + path);
}

void write(const fs::path& path, const std::string& content) { std::ofstream(path, std::ios::binary) << content; }

std::string read(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void setReadOnly(const fs::path& path, bool readOnly)
{
    const auto write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(path, write, readOnly ? fs::perm_options::remove : fs::perm_options::add);
}

std::vector<std::string> listing(const fs::path& root)
{
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        files.push_back(entry.path().lexically_relative(root).generic_u8string() + "=" + read(entry.path()));
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string joinedList(const std::vector<std::string>& files)
{
    std::string text;
    for (const std::string& file : files) text += "{" + file + "}";
    return text;
}

} // namespace

const std::vector<FileOperationCase>& fileOperationCases()
{
    static const std::vector<FileOperationCase> cases = {
        {"copy to a new file", C::Copy, "a.txt", "copy.txt", nullptr, changed({"copy.txt=a"})},
        {"copy replaces a file", C::Copy, "a.txt", "old.txt", nullptr, changed({"old.txt=a"})},
        {"copy into a folder", C::Copy, "a.txt", "sub", nullptr, changed({"sub/a.txt=a"})},
        {"copy into a folder named with a separator", C::Copy, "a.txt", "sub/", nullptr, changed({"sub/a.txt=a"})},
        {"copy keeps a leading blank", C::Copy, "a.txt", " copy.txt", nullptr, changed({" copy.txt=a"})},
        {"copy every match", C::Copy, "?.txt", "sub", nullptr, changed({"sub/a.txt=a", "sub/b.txt=b"})},
        {"copy onto itself", C::Copy, "a.txt", "a.txt", "onto itself", untouched},
        {"copy into its own folder", C::Copy, "a.txt", ".", "onto itself", untouched},
        {"copy over a read-only file", C::Copy, "a.txt", "readonly", "read-only", untouched},
        {"copy over a folder", C::Copy, "a.txt", "folder2", "is a folder", untouched},
        {"copy a folder", C::Copy, "sub", "x", "is a folder", untouched},
        {"copy with an empty source", C::Copy, "", "x", "empty", untouched},
        {"copy with an empty destination", C::Copy, "a.txt", "", "empty", untouched},
        {"copy a missing file", C::Copy, "missing", "x", "missing", untouched},
        {"copy into a missing folder", C::Copy, "a.txt", "nowhere/", "not an existing folder", untouched},
        {"copy matches into a file", C::Copy, "?.txt", "old.txt", "not an existing folder", untouched},
        {"copy with no match", C::Copy, "*.none", "sub", "No file matches", untouched},
        {"move to a new name", C::Move, "a.txt", "moved.txt", nullptr, changed({"-a.txt", "moved.txt=a"})},
        {"move into a folder", C::Move, "a.txt", "sub/", nullptr, changed({"-a.txt", "sub/a.txt=a"})},
        {"move every match", C::Move, "?.txt", "sub", nullptr,
         changed({"-a.txt", "-b.txt", "sub/a.txt=a", "sub/b.txt=b"})},
        {"move onto an existing file", C::Move, "a.txt", "old.txt", "already exists", untouched},
        {"move a folder", C::Move, "sub", "x", "is a folder", untouched},
        {"move a missing file", C::Move, "missing", "x", "missing", untouched},
        {"delete a file", C::Delete, "a.txt", "", nullptr, changed({"-a.txt"})},
        {"delete a read-only file", C::Delete, "readonly", "", nullptr, changed({"-readonly"})},
        {"delete a read-only file unforced", C::DeleteUnforced, "readonly", "", "read-only", untouched},
        {"delete every match", C::Delete, "*.txt", "", nullptr, changed({"-a.txt", "-b.txt", "-old.txt"})},
        {"delete a folder", C::Delete, "sub", "", "is a folder", untouched},
        {"delete a missing file", C::Delete, "missing", "", "missing", untouched},
        {"delete with no match", C::Delete, "*.none", "", "No file matches", untouched},
        {"delete every match stops at a read-only one", C::DeleteUnforced, "*", "", "read-only. Already deleted: \"",
         changed({"-a.txt", "-ab.log", "-b.txt", "-old.txt"})},
    };
    return cases;
}

std::string runFileOperationCase(const FileOperationCase& test, const std::string& folder)
{
    namespace fo = platform::file_operations;
    const fs::path root = fs::u8path(folder);
    for (const char* name : {"a.txt", "b.txt", "ab.log", "old.txt", "readonly"})
        write(native(root, name), std::string(name).substr(0, std::string(name).find('.')));
    fs::create_directories(native(root, "sub"));
    write(native(root, "sub/c.txt"), "sub c");
    fs::create_directories(native(root, "folder2/a.txt"));
    setReadOnly(native(root, "readonly"), true);

    const auto full = [&](const char* relative) {
        return *relative ? native(root, relative).u8string() : std::string();
    };
    std::string message;
    bool failed = false;
    try {
        switch (test.operation) {
        case C::Copy: fo::copyFile(full(test.source), full(test.destination)); break;
        case C::Move: fo::moveFile(full(test.source), full(test.destination)); break;
        case C::Delete: fo::deleteFile(full(test.source), true); break;
        case C::DeleteUnforced: fo::deleteFile(full(test.source), false); break;
        }
    } catch (const platform::Failure& failure) {
        failed = true;
        message = failure.what();
    }

    std::string problem;
    if (test.failure && !failed)
        problem = "succeeded, but should fail with \"" + std::string(test.failure) + "\"";
    else if (test.failure && message.find(test.failure) == std::string::npos)
        problem = "failed with \"" + message + "\", not \"" + test.failure + "\"";
    else if (!test.failure && failed)
        problem = "failed: " + message;
    const std::vector<std::string> files = listing(root);
    if (problem.empty() && files != test.after)
        problem = "left " + joinedList(files) + ", not " + joinedList(test.after);

    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(root, ignored))
        if (entry.is_regular_file(ignored)) setReadOnly(entry.path(), false);
    for (const auto& entry : fs::directory_iterator(root, ignored)) fs::remove_all(entry.path(), ignored);
    return problem;
}

} // namespace testing
