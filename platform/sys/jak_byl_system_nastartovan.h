#pragma once
// Jak_byl_system_nastartovan: how the system was started (the clean-boot
// metric): 0 normal start, 1 fail-safe start, 2 fail-safe start with
// network. A backend may report another value; callers then show nothing.

#include <memory>

namespace platform::Jak_byl_system_nastartovan {

enum StartMode : int {
    Normal = 0,
    FailSafe = 1,
    FailSafeWithNetwork = 2,
};

class Calls {
public:
    virtual ~Calls() = default;
    virtual int startMode() = 0;
};

// The backend of the running system.
std::unique_ptr<Calls> makeNative();

} // namespace platform::Jak_byl_system_nastartovan
