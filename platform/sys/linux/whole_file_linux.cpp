#include "platform/sys/whole_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/failure.h"
#include "platform/sys/linux/descriptor.h"
#include "platform/sys/linux/file_kind.h"
#include "platform/sys/file_operations.h"

namespace platform::whole_file {
namespace {

using linuxsys::Descriptor;
using linuxsys::kindOf;

} // namespace

Content read(const std::string& path, std::size_t maxBytes, WhenMissing whenMissing)
{
    const std::string named = "The file \"" + path + "\"";
    if (path.empty()) throw Failure("No file to read was given: the path is empty.");
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a
    // writer; the type is checked right after.
    int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    if (whenMissing == WhenMissing::CreateEmpty) flags |= O_CREAT;
    const Descriptor file(::open(path.c_str(), flags, 0666));
    if (file.fd < 0) {
        if (errno == ENOENT && whenMissing == WhenMissing::ReportAbsent) return Content{false, {}, false};
        throw Failure(named + " cannot be opened: " + std::strerror(errno) + ".");
    }
    struct stat info {};
    if (::fstat(file.fd, &info) != 0)
        throw Failure(named + " cannot be opened: " + std::strerror(errno) + ".");
    if (!S_ISREG(info.st_mode))
        throw Failure(named + " cannot be opened: it is " + kindOf(info.st_mode) + ", not a regular file.");

    Content content;
    // Files of /proc report size 0 and are read to their end all the same.
    const std::size_t expected = std::min<std::size_t>(std::size_t(std::max<off_t>(info.st_size, 0)), maxBytes);
    content.bytes.reserve(expected);
    file_operations::adviseWholeFileBuffer(content.bytes.data(), content.bytes.capacity());
    content.bytes.resize(expected);
    std::size_t done = 0;
    for (;;) {
        if (done == content.bytes.size()) {
            if (done == maxBytes) break;
            content.bytes.resize(std::min(maxBytes, done + 65536)); // grew meanwhile, or /proc
        }
        const ssize_t n = ::read(file.fd, &content.bytes[done], content.bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw Failure(named + " cannot be read: " + std::strerror(errno) + ".");
        }
        if (n == 0) break;
        done += std::size_t(n);
    }
    content.bytes.resize(done);
    if (done == maxBytes) {
        char probe;
        ssize_t n;
        while ((n = ::read(file.fd, &probe, 1)) < 0 && errno == EINTR) {
        }
        content.cut = n > 0;
    }
    return content;
}

} // namespace platform::whole_file
