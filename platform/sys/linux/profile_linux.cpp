#include "platform/sys/profile.h"

#include "platform/failure.h"
#include "platform/sys/file_operations.h"
#include "platform/sys/whole_file.h"

namespace platform::profile {

std::optional<std::string> readString(const std::string& iniPath, const std::string& section, const std::string& key)
{
    // A file that cannot be read, or is not one (a FIFO, a device), or is
    // too large to be a settings file, reads as absent: the defaults apply.
    try {
        const whole_file::Content content = whole_file::read(iniPath, fileLimit, whole_file::WhenMissing::ReportAbsent);
        if (!content.exists || content.cut) return std::nullopt;
        return findValue(content.bytes, section, key);
    } catch (const Failure&) {
        return std::nullopt;
    }
}

void writeString(const std::string& iniPath, const std::string& section, const std::string& key,
                 const std::string& value)
{
    writeString(iniPath, section, key, value, *file_operations::makeNative());
}

} // namespace platform::profile
