#pragma once
// mys (the myš group): whether a mouse is attached and how many buttons it
// has. Only real pointing devices count, never a display server's virtual
// pointers.

#include <memory>

namespace platform::mys {

class Calls {
public:
    virtual ~Calls() = default;
    virtual bool mousePresent() = 0;
    // Physical buttons of the mouse with the most of them (wheels do not
    // count); 0 without a mouse.
    virtual int buttonCount() = 0;
};

std::unique_ptr<Calls> makeNative();

} // namespace platform::mys
