#pragma once
// What a file system entry is, in words for a message ("a FIFO (named
// pipe)", "a device", ...).

#include <string>
#include <sys/stat.h>

#include "platform/sys/message.h"

namespace platform::linuxsys {

inline std::string kindOf(mode_t mode)
{
    if (S_ISDIR(mode)) return message(QT_TRANSLATE_NOOP("platform", "a folder"));
    if (S_ISFIFO(mode)) return message(QT_TRANSLATE_NOOP("platform", "a FIFO (named pipe)"));
    if (S_ISSOCK(mode)) return message(QT_TRANSLATE_NOOP("platform", "a socket"));
    if (S_ISCHR(mode) || S_ISBLK(mode)) return message(QT_TRANSLATE_NOOP("platform", "a device"));
    return message(QT_TRANSLATE_NOOP("platform", "a special file"));
}

} // namespace platform::linuxsys
