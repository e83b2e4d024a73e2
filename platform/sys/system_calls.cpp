#include "platform/sys/system_calls.h"

namespace platform {

NativeSystemCalls::NativeSystemCalls()
    : start_(Jak_byl_system_nastartovan::makeNative()),
      mouse_(mys::makeNative()),
      memory_(pamet::makeNative()),
      other_(ostatni_API::makeNative()),
      session_(off_reset_logout::makeNative()),
      taskbar_(taskbar::makeNative())
{
}

NativeSystemCalls::~NativeSystemCalls() = default;

SystemCalls NativeSystemCalls::view()
{
    return SystemCalls{*start_, *mouse_, *memory_, *other_, *session_, *taskbar_};
}

} // namespace platform
