#include "platform/sys/ostatni_api.h"

#include <algorithm>
#include <cstring>

#include "platform/sys/whole_file.h"

namespace platform::ostatni_API {

unsigned fillBuffer(const std::string& path, char* buffer, unsigned size)
{
    const size_t needed = path.size() + 1;
    if (buffer == nullptr || needed > size) return unsigned(needed);
    std::memcpy(buffer, path.c_str(), needed);
    return unsigned(path.size());
}

std::vector<std::string> LanguageFolders::searchOrder() const
{
    std::vector<std::string> order;
    const auto add = [&](const std::string& folder) {
        if (!folder.empty() && std::find(order.begin(), order.end(), folder) == order.end()) order.push_back(folder);
    };
    add(application);
    add(user);
    for (const std::string& folder : system) add(folder);
    add(installed);
    return order;
}

std::string readWholeFile(const std::string& path, std::size_t maxBytes)
{
    return whole_file::read(path, maxBytes, whole_file::WhenMissing::Fail).bytes;
}

} // namespace platform::ostatni_API
