#pragma once

#include <QPoint>
#include <memory>
#include <optional>
#include <string>

#include "platform/sys/desktop.h"

namespace platform {

// Where the mouse pointer is, in screen pixels; left of or above the
// primary screen the coordinates are negative. Nothing where the desktop
// does not tell programs (Wayland lets a program see the pointer only over
// its own windows).
class PointerPosition {
public:
    virtual ~PointerPosition() = default;
    virtual std::optional<QPoint> position() = 0;
};

// The real pointer, asked as the session's desktop allows: on an X11
// desktop watched over its own X11 connection; on GNOME Shell through the
// program's shell extension; on KDE Plasma under Wayland from a KWin script;
// on other Wayland desktops (and their X11 programs, which see the pointer
// only over their own windows) not at all. Elsewhere QCursor::pos(). Needs
// the QApplication. sessionBus: the session bus's address (empty: the
// standard one).
std::unique_ptr<PointerPosition> makeNativePointerPosition(const desktop::Session& session,
                                                           const std::string& sessionBus = {});

// The pointer of the X11 display, or QCursor::pos() without one.
std::unique_ptr<PointerPosition> makeX11PointerPosition();

} // namespace platform
