#pragma once
// Reading a whole file into memory, bounded. Every whole-file read of the
// program goes through here, so that a FIFO, a device or a huge file given
// in place of a small one can neither block the program nor exhaust its
// memory: the file is opened without waiting, must be a regular file, and
// at most maxBytes of it are read.

#include <cstddef>
#include <string>

namespace platform::whole_file {

enum class WhenMissing {
    Fail,         // a path that does not exist is a Failure
    ReportAbsent, // it yields exists == false
    CreateEmpty,  // it is created empty
};

struct Content {
    bool exists = true;
    std::string bytes; // at most maxBytes
    bool cut = false;  // the file holds more than maxBytes
};

// Enough for any of the system's own small texts (/proc/meminfo and the like).
constexpr std::size_t systemTextLimit = std::size_t(1) << 20;

// Throws platform::Failure naming the path when the file cannot be opened
// or read, and when it is a folder, a FIFO, a socket or a device.
Content read(const std::string& path, std::size_t maxBytes, WhenMissing whenMissing);

} // namespace platform::whole_file
