#pragma once
// The pointer calls of the myš group: where the pointer is (GetCursorPos)
// and the pointer's display count (ShowCursor).

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/sys/desktop.h"

namespace platform::mys {

struct ScreenPoint {
    int x = 0; // screen pixels; negative left of or above the primary screen
    int y = 0;
};

// How the program's windows reach the screen, which decides what it may
// know of the pointer: Wayland lets a program see the pointer only over its
// own windows, and so do X11 programs on a Wayland desktop (XWayland).
enum class DisplayServer { X11, Wayland, Other };

class Pointer {
public:
    virtual ~Pointer() = default;
    // Where the pointer is; nullopt when the desktop does not tell.
    virtual std::optional<ScreenPoint> position() = 0;
    // A descriptor that turns readable when news of the pointer arrives,
    // for an event loop to watch and then call readEvents(); -1 when there
    // is none. Without it the news is read by position() itself.
    virtual int eventDescriptor() { return -1; }
    virtual void readEvents() {}
};

// The real pointer, asked as the session's desktop allows. Windows: the
// system's own. Linux: on an X11 desktop watched over a connection of its
// own (the display named by $DISPLAY), which is opened here; on GNOME
// Shell through the program's shell extension; on KDE Plasma under
// Wayland from a KWin script; on other Wayland desktops (and for their X11
// programs) not at all. nullptr when the system has no means for this
// display (Other, or an X server that cannot be opened): the caller asks
// the toolkit that draws its windows. sessionBus: the session bus's
// address (empty: the standard one).
std::unique_ptr<Pointer> makeNativePointer(const desktop::Session& session, DisplayServer display,
                                           const std::string& sessionBus = {});

// The program's pointer display count: raised by show, lowered by hide;
// the pointer is hidden while it is below 0.
class DisplayCount {
public:
    virtual ~DisplayCount() = default;
    virtual int count() = 0;
    // Returns the new count.
    virtual int showCursor(bool show) = 0;
};

// Windows: the system's own count (ShowCursor), which the system started
// at 0 with a mouse and at -1 without. Linux: a count of its own that
// starts there too, asking mousePresent at the first use; the caller shows
// the pointer as the count says.
std::unique_ptr<DisplayCount> makeNativeDisplayCount(std::function<bool()> mousePresent);

} // namespace platform::mys
