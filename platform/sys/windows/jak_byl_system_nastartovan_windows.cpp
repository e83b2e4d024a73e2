#include "platform/sys/jak_byl_system_nastartovan.h"

#include <windows.h>

namespace platform::Jak_byl_system_nastartovan {
namespace {

class WindowsCalls : public Calls {
public:
    int startMode() override { return GetSystemMetrics(SM_CLEANBOOT); }
};

} // namespace

std::unique_ptr<Calls> makeNative() { return std::make_unique<WindowsCalls>(); }

} // namespace platform::Jak_byl_system_nastartovan
