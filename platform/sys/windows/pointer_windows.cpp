#include "platform/sys/pointer.h"

#include <windows.h>

namespace platform::mys {
namespace {

class SystemPointer : public Pointer {
public:
    std::optional<ScreenPoint> position() override
    {
        POINT point{};
        if (!GetCursorPos(&point)) return std::nullopt;
        return ScreenPoint{int(point.x), int(point.y)};
    }
};

class SystemCount : public DisplayCount {
public:
    int count() override
    {
        ShowCursor(TRUE);
        return ShowCursor(FALSE);
    }
    int showCursor(bool show) override { return ShowCursor(show ? TRUE : FALSE); }
};

} // namespace

std::unique_ptr<Pointer> makeNativePointer(const desktop::Session&, DisplayServer, const std::string&)
{
    return std::make_unique<SystemPointer>();
}

std::unique_ptr<DisplayCount> makeNativeDisplayCount(std::function<bool()>) { return std::make_unique<SystemCount>(); }

} // namespace platform::mys
