#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <chrono>

#include "platform/sys/linux/pointer_linux.h"

namespace platform::mys {

namespace {

// Asking the display server where the pointer is costs a round trip, and
// the position is asked for many times a second. On X11 the pointer is
// therefore watched instead: a private connection listens for raw motion of
// any pointing device, and the position is asked again only after the
// pointer moved, or once in a while to catch a pointer that was warped.
// Without XInput2 every question asks.
class WatchedPointer : public Pointer {
public:
    explicit WatchedPointer(Display* display) : display_(display)
    {
        int opcode = 0, event = 0, error = 0;
        int major = 2, minor = 0;
        if (!XQueryExtension(display_, "XInputExtension", &opcode, &event, &error)
            || XIQueryVersion(display_, &major, &minor) != Success)
            return;
        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        XISetMask(bits, XI_RawMotion);
        XIEventMask mask{XIAllMasterDevices, int(sizeof bits), bits};
        XISelectEvents(display_, DefaultRootWindow(display_), &mask, 1);
        XFlush(display_);
        watched_ = true;
    }
    ~WatchedPointer() override { XCloseDisplay(display_); }
    WatchedPointer(const WatchedPointer&) = delete;
    WatchedPointer& operator=(const WatchedPointer&) = delete;

    std::optional<ScreenPoint> position() override
    {
        // New motion on the socket is read by readEvents() when the caller's
        // event loop sees it; only events that Xlib already read along with
        // a reply are looked at here, which costs no system call.
        if (XEventsQueued(display_, QueuedAlready) > 0) readEvents();
        constexpr std::chrono::milliseconds recheck(500);
        const auto now = std::chrono::steady_clock::now();
        if (!watched_ || moved_ || !asked_ || now - askedAt_ >= recheck) {
            Window root = 0, child = 0;
            int rootX = 0, rootY = 0, winX = 0, winY = 0;
            unsigned int buttons = 0;
            if (XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &rootX, &rootY, &winX, &winY,
                              &buttons))
                last_ = ScreenPoint{rootX, rootY};
            moved_ = false;
            asked_ = true;
            askedAt_ = now;
        }
        return last_;
    }

    int eventDescriptor() override { return watched_ ? ConnectionNumber(display_) : -1; }

    void readEvents() override
    {
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            moved_ = true; // raw motion is all this connection listens for
        }
    }

private:
    Display* display_;
    bool watched_ = false;
    bool moved_ = true;
    bool asked_ = false;
    ScreenPoint last_;
    std::chrono::steady_clock::time_point askedAt_;
};

} // namespace

std::unique_ptr<Pointer> makeX11Pointer()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) return nullptr;
    return std::make_unique<WatchedPointer>(display);
}

} // namespace platform::mys
