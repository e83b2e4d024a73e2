#include "platform/sys/message.h"
#include "platform/sys/whole_file.h"
#include "platform/sys/whole_file_backend.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/failure.h"
#include "platform/sys/linux/descriptor.h"

namespace platform::whole_file {
namespace {

// English source of the message for a path that is no regular file.
const char* notRegular(mode_t mode)
{
    if (S_ISDIR(mode))
        return QT_TRANSLATE_NOOP("platform", "The file %1 cannot be opened: it is a folder, not a regular file.");
    if (S_ISFIFO(mode))
        return QT_TRANSLATE_NOOP("platform",
                                 "The file %1 cannot be opened: it is a FIFO (named pipe), not a regular file.");
    if (S_ISSOCK(mode))
        return QT_TRANSLATE_NOOP("platform", "The file %1 cannot be opened: it is a socket, not a regular file.");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QT_TRANSLATE_NOOP("platform", "The file %1 cannot be opened: it is a device, not a regular file.");
    return QT_TRANSLATE_NOOP("platform", "The file %1 cannot be opened: it is not a regular file.");
}

using linuxsys::Descriptor;

} // namespace

Content read(const std::string& path, std::size_t maxBytes, WhenMissing whenMissing)
{
    const std::string named = "\"" + path + "\"";
    if (path.empty())
        throw Failure(message(QT_TRANSLATE_NOOP("platform", "No file to read was given: the path is empty.")));
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a
    // writer; the type is checked right after.
    int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    if (whenMissing == WhenMissing::CreateEmpty) flags |= O_CREAT;
    const Descriptor file(::open(path.c_str(), flags, 0666));
    if (file.fd < 0) {
        if (errno == ENOENT && whenMissing == WhenMissing::ReportAbsent) return Content{false, {}, false};
        throw Failure(
            message(QT_TRANSLATE_NOOP("platform", "The file %1 cannot be opened: %2."), {named, errorReason(errno)}));
    }
    struct stat info {};
    if (::fstat(file.fd, &info) != 0)
        throw Failure(
            message(QT_TRANSLATE_NOOP("platform", "The file %1 cannot be opened: %2."), {named, errorReason(errno)}));
    if (!S_ISREG(info.st_mode)) throw Failure(message(notRegular(info.st_mode), {named}));

    // Files of /proc report size 0 and are read to their end all the same.
    return backend::readOpened(
        std::size_t(std::max<off_t>(info.st_size, 0)), maxBytes, [&](char* into, std::size_t room) {
            for (;;) {
                const ssize_t n = ::read(file.fd, into, room);
                if (n >= 0) return std::size_t(n);
                if (errno != EINTR)
                    throw Failure(message(QT_TRANSLATE_NOOP("platform", "The file %1 cannot be read: %2."),
                                          {named, errorReason(errno)}));
            }
        });
}

} // namespace platform::whole_file
