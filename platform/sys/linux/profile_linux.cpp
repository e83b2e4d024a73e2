#include "platform/sys/profile.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/failure.h"

namespace platform::profile {

std::optional<std::string> readString(const std::string& iniPath, const std::string& section,
                                      const std::string& key)
{
    std::ifstream in(iniPath, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return findValue(text.str(), section, key);
}

void writeString(const std::string& iniPath, const std::string& section, const std::string& key,
                 const std::string& value)
{
    namespace fs = std::filesystem;
    std::string current;
    {
        std::ifstream in(iniPath, std::ios::binary);
        if (in) {
            std::ostringstream text;
            text << in.rdbuf();
            current = text.str();
        }
    }
    const std::string updated = withValue(current, section, key, value);

    std::error_code ec;
    const fs::path target(iniPath);
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);

    // Written beside the file and renamed over it, so a failed write never
    // leaves a half-written options.ini behind.
    const fs::path temp = target.string() + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out || !(out << updated) || !out.flush())
            throw Failure("The settings file \"" + iniPath + "\" cannot be written.");
    }
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        throw Failure("The settings file \"" + iniPath + "\" cannot be written.");
    }
}

} // namespace platform::profile
