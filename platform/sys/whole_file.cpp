#include "platform/sys/whole_file_backend.h"

#include <algorithm>

#include "platform/failure.h"
#include "platform/sys/file_operations.h"

namespace platform::whole_file::backend {

Content readOpened(std::size_t size, std::size_t maxBytes, const ReadSome& readSome)
{
    Content content;
    const std::size_t expected = std::min(size, maxBytes);
    content.bytes.reserve(expected);
    file_operations::adviseWholeFileBuffer(content.bytes.data(), content.bytes.capacity());
    content.bytes.resize(expected);
    std::size_t done = 0;
    for (;;) {
        if (done == content.bytes.size()) {
            if (done == maxBytes) break;
            content.bytes.resize(std::min(maxBytes, done + 65536)); // grew meanwhile, or /proc
        }
        const std::size_t n = readSome(&content.bytes[done], content.bytes.size() - done);
        if (n == 0) break;
        done += n;
    }
    content.bytes.resize(done);
    if (done == maxBytes) {
        char probe;
        try {
            content.cut = readSome(&probe, 1) > 0;
        } catch (const Failure&) {
        }
    }
    return content;
}

} // namespace platform::whole_file::backend
