#pragma once
// How the Linux backend fills the memory status: physical = MemTotal /
// MemAvailable of /proc/meminfo; paging file = MemTotal + SwapTotal /
// MemAvailable + SwapFree; virtual = the user address space (128 TiB, or
// less under RLIMIT_AS) / that minus the process's VmSize.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/sys/pamet.h"

namespace platform::pamet::linuxsys {

constexpr std::uint64_t userAddressSpace = std::uint64_t(1) << 47;

struct MemInfo {
    std::uint64_t memTotal = 0; // bytes
    std::uint64_t memAvailable = 0;
    std::uint64_t swapTotal = 0;
    std::uint64_t swapFree = 0;
};

// Throws platform::Failure naming /proc/meminfo and the field that is
// missing or unreadable.
MemInfo parseMeminfo(const std::string& text);

// VmSize of /proc/self/status in bytes; throws platform::Failure when it is
// missing or unreadable.
std::uint64_t parseVmSize(const std::string& statusText);

// addressSpaceLimit: RLIMIT_AS in bytes, nullopt when unlimited.
MemoryStatus composeStatus(const MemInfo& info, std::uint64_t vmSize, std::optional<std::uint64_t> addressSpaceLimit);

} // namespace platform::pamet::linuxsys
