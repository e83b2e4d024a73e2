#pragma once
// One table of copy, move and delete cases that every backend of the file
// operations must pass alike (the Linux build runs it under Qt Test, the
// Windows build under Wine). Plain C++: no Qt.

#include <string>
#include <vector>

namespace testing {

// Each case starts from the same folder:
//   a.txt "a", b.txt "b", ab.log "ab", old.txt "old", readonly "readonly"
//   (read-only), sub/c.txt "sub c", folder2/a.txt/ (a folder named "a.txt").
// Paths are relative to it, '/' stands for the system's separator and ""
// for an empty path.
struct FileOperationCase {
    const char* name;
    enum Operation { Copy, Move, Delete, DeleteUnforced } operation;
    const char* source;
    const char* destination;
    const char* failure; // part of the failure message; nullptr: must succeed
    // Every file afterwards, "path=content", in path order.
    std::vector<std::string> after;
};

const std::vector<FileOperationCase>& fileOperationCases();

// Builds the starting folder inside `folder` (UTF-8), runs the case and
// compares; "" when it passed, else what went wrong. Leaves `folder` empty.
std::string runFileOperationCase(const FileOperationCase& test, const std::string& folder);

} // namespace testing
