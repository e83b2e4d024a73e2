#include "platform/sys/mys.h"

#include <windows.h>

namespace platform::mys {
namespace {

class WindowsCalls : public Calls {
public:
    bool mousePresent() override { return GetSystemMetrics(SM_MOUSEPRESENT) != 0; }
    int buttonCount() override { return GetSystemMetrics(SM_CMOUSEBUTTONS); }
};

} // namespace

std::unique_ptr<Calls> makeNative() { return std::make_unique<WindowsCalls>(); }

} // namespace platform::mys
