#pragma once

#include <QPoint>
#include <memory>

namespace platform {

// Where the mouse pointer is, in screen pixels; left of or above the
// primary screen the coordinates are negative.
class PointerPosition {
public:
    virtual ~PointerPosition() = default;
    virtual QPoint position() = 0;
};

// The real pointer: watched over its own X11 connection where there is
// one, else QCursor::pos(). Needs the QApplication.
std::unique_ptr<PointerPosition> makeNativePointerPosition();

} // namespace platform
