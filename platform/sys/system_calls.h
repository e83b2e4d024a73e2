#pragma once
// The system calls a window may make, one interface per topic, handed to
// windows in AppContext so that tests can put fakes in their place.

#include <memory>

#include "platform/sys/file_operations.h"
#include "platform/sys/jak_byl_system_nastartovan.h"
#include "platform/sys/mys.h"
#include "platform/sys/off_reset_logout.h"
#include "platform/sys/ostatni_api.h"
#include "platform/sys/pamet.h"
#include "platform/sys/profile.h"
#include "platform/sys/taskbar.h"

namespace platform {

struct SystemCalls {
    ::platform::Jak_byl_system_nastartovan::Calls& Jak_byl_system_nastartovan;
    ::platform::mys::Calls& mys;
    ::platform::pamet::Calls& pamet;
    ::platform::ostatni_API::Calls& ostatni_API;
    ::platform::off_reset_logout::Calls& off_reset_logout;
    ::platform::taskbar::Calls& taskbar;
    ::platform::file_operations::Calls& file_operations;
    ::platform::profile::Calls& profile;
};

// The running system's backends, owned for the life of the program.
class NativeSystemCalls {
public:
    explicit NativeSystemCalls(const desktop::Session& session);
    ~NativeSystemCalls();
    SystemCalls view();

private:
    std::unique_ptr<Jak_byl_system_nastartovan::Calls> start_;
    std::unique_ptr<mys::Calls> mouse_;
    std::unique_ptr<pamet::Calls> memory_;
    std::unique_ptr<ostatni_API::Calls> other_;
    std::unique_ptr<off_reset_logout::Calls> session_;
    std::unique_ptr<taskbar::Calls> taskbar_; // remembers the panels it hid
    std::unique_ptr<file_operations::Calls> files_;
    std::unique_ptr<profile::Calls> profile_;
};

} // namespace platform
