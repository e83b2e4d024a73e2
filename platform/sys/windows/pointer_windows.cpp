#include "platform/sys/pointer.h"

#include <windows.h>

namespace platform::mys {

ScreenPoint cursorPosition()
{
    POINT point {};
    GetCursorPos(&point);
    return ScreenPoint{int(point.x), int(point.y)};
}

int showCursor(bool show)
{
    return ShowCursor(show ? TRUE : FALSE);
}

} // namespace platform::mys
