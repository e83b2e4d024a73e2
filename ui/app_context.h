#pragma once
// What every window is created with: the string table, the platform and
// the configuration.

#include <functional>

#include "platform/services/services.h"
#include "platform/sys/system_calls.h"
#include "ui/configuration.h"
#include "ui/form1.h"

struct AppContext {
    const Form1& table;
    platform::Services services;
    std::function<void()> endProgram; // ends the process at once
    platform::SystemCalls system;     // the running system's (fakes in tests)
    const Configuration& config;
    // The memory status as the operating-system window read it last: one
    // record for the whole program.
    platform::pamet::MemoryStatus memoryStatus{};

    const QString& T(int n) const { return table.text(n); }
};
