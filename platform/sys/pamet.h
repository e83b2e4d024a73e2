#pragma once
// pamet (the paměť group): the memory status, in 64-bit byte counts so that
// machines with 2 GiB and more report true figures.

#include <cstdint>
#include <memory>

namespace platform::pamet {

struct MemoryStatus {
    std::uint64_t totalPhys = 0;
    std::uint64_t availPhys = 0;
    std::uint64_t totalPageFile = 0; // physical memory plus swap
    std::uint64_t availPageFile = 0;
    std::uint64_t totalVirtual = 0; // the process's user address space
    std::uint64_t availVirtual = 0;
};

class Calls {
public:
    virtual ~Calls() = default;
    // Throws platform::Failure when the system does not tell.
    virtual MemoryStatus globalMemoryStatus() = 0;
};

std::unique_ptr<Calls> makeNative();

} // namespace platform::pamet
