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

// The real pointer, as the system call finds it for the session's desktop
// and Qt's display (mys::makeNativePointer), made at the first question;
// where the system has no means for the display, QCursor::pos(). Needs the
// QApplication. sessionBus: the session bus's address (empty: the standard
// one).
std::unique_ptr<PointerPosition> makeNativePointerPosition(const desktop::Session& session,
                                                           const std::string& sessionBus = {});

} // namespace platform
