#include "platform/sys/linux/pamet_linux.h"

#include <algorithm>
#include <limits>
#include <sstream>
#include <sys/resource.h>

#include "platform/failure.h"
#include "platform/sys/message.h"
#include "platform/sys/ostatni_api.h"
#include "platform/sys/whole_file.h"

namespace platform::pamet {

namespace linuxsys {

namespace {

// The value of "Key:   123 kB" in bytes.
std::uint64_t field(const std::string& text, const std::string& key, const std::string& file)
{
    const std::string wanted = key + ":";
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.compare(0, wanted.size(), wanted) != 0) continue;
        std::istringstream parts(line.substr(wanted.size()));
        std::string number, unit, extra;
        parts >> number >> unit >> extra;
        const bool digitsOnly = !number.empty() && number.size() <= 19
            && std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!digitsOnly || !extra.empty() || (unit != "kB" && !unit.empty()))
            throw Failure(message(QT_TRANSLATE_NOOP("platform", "The field %1 of %2 cannot be read (%3)."),
                                  {key, file, "\"" + line + "\""}));
        const std::uint64_t value = std::stoull(number);
        if (unit.empty()) return value;
        if (value > std::numeric_limits<std::uint64_t>::max() / 1024)
            throw Failure(message(QT_TRANSLATE_NOOP("platform", "The field %1 of %2 is too large (%3)."),
                                  {key, file, "\"" + line + "\""}));
        return value * 1024;
    }
    throw Failure(
        message(QT_TRANSLATE_NOOP("platform", "The memory figures cannot be read: %1 has no field %2."), {file, key}));
}

} // namespace

MemInfo parseMeminfo(const std::string& text)
{
    const std::string file = "/proc/meminfo";
    MemInfo info;
    info.memTotal = field(text, "MemTotal", file);
    info.memAvailable = field(text, "MemAvailable", file);
    info.swapTotal = field(text, "SwapTotal", file);
    info.swapFree = field(text, "SwapFree", file);
    return info;
}

std::uint64_t parseVmSize(const std::string& statusText) { return field(statusText, "VmSize", "/proc/self/status"); }

MemoryStatus composeStatus(const MemInfo& info, std::uint64_t vmSize, std::optional<std::uint64_t> addressSpaceLimit)
{
    MemoryStatus status;
    status.totalPhys = info.memTotal;
    status.availPhys = std::min(info.memAvailable, info.memTotal);
    status.totalPageFile = info.memTotal + info.swapTotal;
    status.availPageFile = std::min(status.availPhys + std::min(info.swapFree, info.swapTotal), status.totalPageFile);
    status.totalVirtual = addressSpaceLimit ? std::min(*addressSpaceLimit, userAddressSpace) : userAddressSpace;
    status.availVirtual = status.totalVirtual > vmSize ? status.totalVirtual - vmSize : 0;
    return status;
}

} // namespace linuxsys

namespace {

class LinuxCalls : public Calls {
public:
    MemoryStatus globalMemoryStatus() override
    {
        const linuxsys::MemInfo info =
            linuxsys::parseMeminfo(ostatni_API::readWholeFile("/proc/meminfo", whole_file::systemTextLimit));
        const std::uint64_t vmSize =
            linuxsys::parseVmSize(ostatni_API::readWholeFile("/proc/self/status", whole_file::systemTextLimit));
        std::optional<std::uint64_t> limit;
        rlimit addressSpace{};
        if (getrlimit(RLIMIT_AS, &addressSpace) == 0 && addressSpace.rlim_cur != RLIM_INFINITY)
            limit = std::uint64_t(addressSpace.rlim_cur);
        return linuxsys::composeStatus(info, vmSize, limit);
    }
};

} // namespace

std::unique_ptr<Calls> makeNative() { return std::make_unique<LinuxCalls>(); }

} // namespace platform::pamet
