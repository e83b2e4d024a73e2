#pragma once

#include <QPoint>

namespace platform {

// Where the mouse pointer is, in screen pixels; left of or above the
// primary screen the coordinates are negative.
class PointerPosition {
public:
    virtual ~PointerPosition() = default;
    virtual QPoint position() = 0;
};

// The real pointer (QCursor::pos(); the global position on X11).
PointerPosition& qtPointerPosition();

} // namespace platform
