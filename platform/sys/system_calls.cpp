#include "platform/sys/system_calls.h"

#include "platform/failure.h"

namespace platform {

NativeSystemCalls::NativeSystemCalls()
    : start_(Jak_byl_system_nastartovan::makeNative()),
      mouse_(mys::makeNative()),
      memory_(pamet::makeNative()),
      other_(ostatni_API::makeNative())
{
}

NativeSystemCalls::~NativeSystemCalls() = default;

SystemCalls NativeSystemCalls::view()
{
    return SystemCalls{*start_, *mouse_, *memory_, *other_};
}

namespace {

[[noreturn]] void unavailable()
{
    throw Failure("The system facts are not available here: no system calls were handed to this window.");
}

struct UnavailableStart : Jak_byl_system_nastartovan::Calls {
    int startMode() override { unavailable(); }
};
struct UnavailableMouse : mys::Calls {
    bool mousePresent() override { unavailable(); }
    int buttonCount() override { unavailable(); }
};
struct UnavailableMemory : pamet::Calls {
    pamet::MemoryStatus globalMemoryStatus() override { unavailable(); }
};
struct UnavailableOther : ostatni_API::Calls {
    ostatni_API::OsVersion osVersion() override { unavailable(); }
    std::uint64_t millisecondsSinceBoot() override { unavailable(); }
};

} // namespace

SystemCalls unavailableSystemCalls()
{
    static UnavailableStart start;
    static UnavailableMouse mouse;
    static UnavailableMemory memory;
    static UnavailableOther other;
    return SystemCalls{start, mouse, memory, other};
}

} // namespace platform
