#pragma once
// What each OS backend of the file operations gives the OS-neutral part
// (file_operations.cpp): the operations that write data, with the write
// function a caller chose; an empty one means the system's own fast paths.

#include <string>
#include <vector>

#include "platform/failure.h"
#include "platform/sys/file_operations.h"
#include "platform/sys/message.h"

namespace platform::file_operations::backend {

void copyFile(const std::string& source, const std::string& destination, const WriteFunction& write);
void moveFile(const std::string& source, const std::string& destination, const WriteFunction& write);
void replaceFile(const std::string& path, const std::string& bytes, const WriteFunction& write);

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
