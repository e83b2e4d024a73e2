#pragma once
// The file operations in two parts. The OS-neutral part
// (file_operations.cpp) holds the rules of paths, wildcards and
// destinations; each OS backend gives it a few primitives of its system
// and the operations on one file, with the write function a caller chose
// (empty: the system's own fast paths).

#include <cstddef>
#include <string>
#include <vector>

#include "platform/failure.h"
#include "platform/sys/file_operations.h"
#include "platform/sys/message.h"

namespace platform::file_operations::backend {

// The system's primitives.

bool isSeparator(char c);
char separator(); // the one a joined path gets
// The length of a path's root, above which no folder lies ("/", "C:\",
// "\"); 0 for a relative path.
std::size_t rootLength(const std::string& path);
// A name as the system compares names: as it is, or without case.
std::string comparable(const std::string& name);
// Whether an entry of that very name exists (a link that points nowhere
// included).
bool exists(const std::string& path);
// Whether the path names a folder, links followed.
bool isFolder(const std::string& path);
// The names of a folder's entries other than folders, in any order; throws
// platform::Failure naming the folder when it cannot be read.
std::vector<std::string> filesIn(const std::string& folder);

// The operations on one file, on paths the rules have resolved.
void copyOne(const std::string& source, const std::string& target, const WriteFunction& write);
void moveOne(const std::string& source, const std::string& target, const WriteFunction& write);
void deleteOne(const std::string& path, bool force);
void replaceOne(const std::string& path, const std::string& bytes, const WriteFunction& write);

// The path rules, for the backends too.

std::string quoted(const std::string& path);
// The folder a path's last part lies in ("." for a bare name).
std::string folderOf(const std::string& path);
std::string lastPart(const std::string& path);
std::string joined(const std::string& folder, const std::string& name);
// Throws platform::Failure with `whenEmpty` (an English source, translated
// only then) for an empty path.
void requireText(const std::string& path, const char* whenEmpty);

// Runs `operation` on each of the files a wildcard source matched. One that
// fails ends the run; its message then also lists, under the heading `done`
// (the English source, "Already copied:", ...), the files finished before
// it, so the user knows what has changed.
template <typename Operation>
void forEachMatch(const std::vector<std::string>& files, const char* done, Operation operation)
{
    std::vector<std::string> finished;
    for (const std::string& file : files) {
        try {
            operation(file);
        } catch (const Failure& failure) {
            if (finished.empty()) throw;
            std::string text = std::string(failure.what()) + " " + message(done);
            for (const std::string& name : finished) text += " \"" + name + "\"";
            throw Failure(text + ".");
        }
        finished.push_back(file);
    }
}

} // namespace platform::file_operations::backend
