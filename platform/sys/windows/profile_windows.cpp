#include "platform/sys/profile.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/failure.h"
#include "platform/sys/codepage.h"

namespace platform::profile {
namespace {

// The name the profile functions are given: the path in the ANSI code page,
// and only the file's name when it lies in the Windows directory.
std::string profileName(const std::string& iniPath)
{
    const codepage::Encoded ansi = codepage::fromUtf8(iniPath, int(GetACP()));
    if (!ansi.unstorable.empty())
        throw Failure("The settings file \"" + iniPath + "\" cannot be named in the system's code page.");
    const size_t slash = ansi.bytes.find_last_of("\\/");
    if (slash == std::string::npos) return ansi.bytes;
    char windows[MAX_PATH + 1] = {};
    const UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    const std::string folder = ansi.bytes.substr(0, slash);
    if (length > 0 && length < sizeof windows
        && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, folder.c_str(), int(folder.size()), windows, int(length))
            == CSTR_EQUAL)
        return ansi.bytes.substr(slash + 1);
    return ansi.bytes;
}

// A default no value of a profile file can equal (values hold no control
// characters), so an absent key tells itself apart from an empty value.
constexpr char absent[] = "\x01";

} // namespace

std::optional<std::string> readString(const std::string& iniPath, const std::string& section, const std::string& key)
{
    const std::string file = profileName(iniPath);
    std::vector<char> buffer(256);
    for (;;) {
        const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), absent, buffer.data(),
                                                      DWORD(buffer.size()), file.c_str());
        if (length + 1 < buffer.size()) {
            const std::string value(buffer.data(), length);
            if (value == absent) return std::nullopt;
            return value;
        }
        buffer.resize(buffer.size() * 2); // the value was cut to fit
    }
}

void writeString(const std::string& iniPath, const std::string& section, const std::string& key,
                 const std::string& value)
{
    const std::string file = profileName(iniPath);
    if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()))
        throw Failure("The settings file \"" + iniPath + "\" cannot be written.");
}

} // namespace platform::profile
