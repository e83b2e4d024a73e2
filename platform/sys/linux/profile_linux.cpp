#include "platform/sys/profile.h"

#include <filesystem>

#include "platform/failure.h"
#include "platform/sys/message.h"
#include "platform/sys/file_operations.h"
#include "platform/sys/whole_file.h"

namespace platform::profile {

std::optional<std::string> readString(const std::string& iniPath, const std::string& section,
                                      const std::string& key)
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

void writeString(const std::string& iniPath, const std::string& section, const std::string& key,
                 const std::string& value, file_operations::Calls& files)
{
    // Only a file that is absent starts afresh; one that is there but cannot
    // be read whole is left as it is, so nothing in it is lost.
    const whole_file::Content current = whole_file::read(iniPath, fileLimit, whole_file::WhenMissing::ReportAbsent);
    if (current.cut)
        throw Failure(message(QT_TRANSLATE_NOOP("platform", "The settings file %1 is larger than %2 MiB and is left as it is."),
                              {"\"" + iniPath + "\"", std::to_string(fileLimit >> 20)}));
    const std::string updated = withValue(current.bytes, section, key, value);

    const std::filesystem::path target(iniPath);
    std::error_code ec;
    if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ec);
    files.replaceFile(iniPath, updated);
}

} // namespace platform::profile
