#pragma once
// What the OS backends of the whole-file reader share: the bounded read of
// a file they opened and found to be a regular file.

#include <cstddef>
#include <functional>

#include "platform/sys/whole_file.h"

namespace platform::whole_file::backend {

// Reads the next bytes into `into`, at most `room` of them, and returns how
// many (0 at the file's end); throws platform::Failure when it cannot.
using ReadSome = std::function<std::size_t(char* into, std::size_t room)>;

// The content of an opened file that says it holds `size` bytes, read to
// its end (it may have grown, or be a /proc file that says 0) but at most
// maxBytes of it.
Content readOpened(std::size_t size, std::size_t maxBytes, const ReadSome& readSome);

} // namespace platform::whole_file::backend
