#include "platform/sys/ostatni_api.h"

#include <cstring>

namespace platform::ostatni_API {

unsigned fillBuffer(const std::string& path, char* buffer, unsigned size)
{
    const size_t needed = path.size() + 1;
    if (buffer == nullptr || needed > size) return unsigned(needed);
    std::memcpy(buffer, path.c_str(), needed);
    return unsigned(path.size());
}

} // namespace platform::ostatni_API
