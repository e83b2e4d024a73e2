#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPointer>
#include <QSocketNotifier>

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include "platform/services/pointer_position.h"

namespace platform {

namespace {

// Asking the display server where the pointer is costs a round trip, and
// the position is asked for many times a second. On X11 the pointer is
// therefore watched instead: a private connection listens for raw motion of
// any pointing device, and the position is asked again only after the
// pointer moved, or once in a while to catch a pointer that was warped.
// Elsewhere every call asks Qt. The connection is opened on the first
// question, not at start-up, which it would slow down by its round trips.
class WatchedPointerPosition : public PointerPosition {
public:
    WatchedPointerPosition() = default;

    ~WatchedPointerPosition() override
    {
        delete notifier_.data();
        if (display_) XCloseDisplay(display_);
    }

    std::optional<QPoint> position() override
    {
        if (!connected_) connect();
        if (!display_) return QCursor::pos();
        // New motion on the socket is drained by the notifier; only events
        // that Xlib already read along with a reply are looked at here, which
        // costs no system call.
        if (XEventsQueued(display_, QueuedAlready) > 0) drainEvents();
        constexpr qint64 recheckMs = 500;
        if (moved_ || !sinceQuery_.isValid() || sinceQuery_.elapsed() >= recheckMs) {
            Window root = 0, child = 0;
            int rootX = 0, rootY = 0, winX = 0, winY = 0;
            unsigned int buttons = 0;
            if (XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &rootX, &rootY, &winX, &winY,
                              &buttons))
                last_ = QPoint(rootX, rootY);
            moved_ = false;
            sinceQuery_.start();
        }
        return last_;
    }

private:
    // Opens the private connection and listens for raw motion; without X11
    // or XInput2 there is none, and Qt is asked instead.
    void connect()
    {
        connected_ = true;
        if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
        display_ = XOpenDisplay(nullptr);
        if (!display_) return;
        int opcode = 0, event = 0, error = 0;
        int major = 2, minor = 0;
        if (!XQueryExtension(display_, "XInputExtension", &opcode, &event, &error)
            || XIQueryVersion(display_, &major, &minor) != Success) {
            XCloseDisplay(display_);
            display_ = nullptr;
            return;
        }
        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        XISetMask(bits, XI_RawMotion);
        XIEventMask mask{XIAllMasterDevices, int(sizeof bits), bits};
        XISelectEvents(display_, DefaultRootWindow(display_), &mask, 1);
        XFlush(display_);
        notifier_ = new QSocketNotifier(ConnectionNumber(display_), QSocketNotifier::Read, qApp);
        QObject::connect(notifier_, &QSocketNotifier::activated, [this] { drainEvents(); });
    }

    void drainEvents()
    {
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            moved_ = true; // raw motion is all this connection listens for
        }
    }

    bool connected_ = false;
    Display* display_ = nullptr;
    QPointer<QSocketNotifier> notifier_; // ends with the application
    bool moved_ = true;
    QPoint last_;
    QElapsedTimer sinceQuery_;
};

} // namespace

std::unique_ptr<PointerPosition> makeX11PointerPosition()
{
    return std::make_unique<WatchedPointerPosition>();
}

} // namespace platform
