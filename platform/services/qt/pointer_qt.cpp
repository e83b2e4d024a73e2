#include <QCursor>

#include "platform/services/pointer_position.h"

namespace platform {

namespace {

class QtPointerPosition : public PointerPosition {
public:
    QPoint position() override { return QCursor::pos(); }
};

} // namespace

PointerPosition& qtPointerPosition()
{
    static QtPointerPosition pointer;
    return pointer;
}

} // namespace platform
