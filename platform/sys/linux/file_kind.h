#pragma once
// What a file system entry is, in words for a message ("a FIFO (named
// pipe)", "a device", ...).

#include <string>
#include <sys/stat.h>

namespace platform::linuxsys {

inline std::string kindOf(mode_t mode)
{
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a FIFO (named pipe)";
    if (S_ISSOCK(mode)) return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    return "not a regular file";
}

} // namespace platform::linuxsys
