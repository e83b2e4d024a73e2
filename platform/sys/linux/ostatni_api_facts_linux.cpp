#include "platform/sys/linux/ostatni_api_linux.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <pwd.h>
#include <sys/utsname.h>
#include <unistd.h>
#include <vector>

#include "platform/failure.h"
#include "platform/sys/message.h"

namespace platform::ostatni_API {

namespace linuxsys {

namespace {

// Reads a run of at most nine digits at pos; false when there is none.
bool readNumber(const std::string& text, size_t& pos, int& value)
{
    const size_t start = pos;
    value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && pos - start < 9)
        value = value * 10 + (text[pos++] - '0');
    return pos > start;
}

} // namespace

OsVersion parseKernelRelease(const std::string& release)
{
    OsVersion version;
    size_t pos = 0;
    if (!readNumber(release, pos, version.major) || pos >= release.size() || release[pos] != '.'
        || !readNumber(release, ++pos, version.minor))
        throw Failure(
            message(QT_TRANSLATE_NOOP("platform", "The system version cannot be read from the kernel release %1."),
                    {"\"" + release + "\""}));
    if (pos < release.size() && release[pos] == '.' && !readNumber(release, ++pos, version.build)) version.build = 0;
    return version;
}

} // namespace linuxsys

namespace {

class LinuxCalls : public Calls {
public:
    OsVersion osVersion() override
    {
        utsname names{};
        if (uname(&names) != 0)
            throw Failure(message(QT_TRANSLATE_NOOP("platform", "The system version cannot be read (uname: %1)."),
                                  {errorReason(errno)}));
        return linuxsys::parseKernelRelease(names.release);
    }

    std::uint64_t millisecondsSinceBoot() override
    {
        timespec now{};
        if (clock_gettime(CLOCK_BOOTTIME, &now) != 0)
            throw Failure(
                message(QT_TRANSLATE_NOOP("platform", "The time since the system started cannot be read: %1."),
                        {errorReason(errno)}));
        return std::uint64_t(now.tv_sec) * 1000 + std::uint64_t(now.tv_nsec) / 1000000;
    }

    // The effective user, as the account database names it (an account
    // without an entry, as in some containers, has no name).
    std::optional<std::string> userName() override
    {
        long size = sysconf(_SC_GETPW_R_SIZE_MAX);
        std::vector<char> buffer(size > 0 ? size_t(size) : 16384);
        passwd entry{};
        passwd* found = nullptr;
        while (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == ERANGE)
            buffer.resize(buffer.size() * 2);
        if (!found || !found->pw_name) return std::nullopt;
        return std::string(found->pw_name);
    }
};

} // namespace

std::unique_ptr<Calls> makeNative() { return std::make_unique<LinuxCalls>(); }

} // namespace platform::ostatni_API
