#pragma once
// The pointer of an X11 display, for the Linux pointer backends.

#include <memory>

#include "platform/sys/pointer.h"

namespace platform::mys {

// The pointer of the display named by $DISPLAY, on a connection of its
// own; nullptr when that display cannot be opened.
std::unique_ptr<Pointer> makeX11Pointer();

} // namespace platform::mys
