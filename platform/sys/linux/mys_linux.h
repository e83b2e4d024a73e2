#pragma once
// How the Linux backend finds mice: the X server's slave pointers through
// XInput 2 (its virtual core and XTEST pointers do not count), or, without
// X, the kernel's input devices that have a mouse handler.

#include <string>
#include <vector>

namespace platform::mys::linuxsys {

struct MouseFacts {
    bool present = false;
    int buttons = 0;
};

// One XInput device as the server describes it.
struct PointerDevice {
    std::string name;
    bool slavePointer = false;             // attached to a master pointer
    int valuators = 0;                     // axes (a mouse has x and y)
    std::vector<std::string> buttonLabels; // empty text for an unlabelled button
};

MouseFacts fromPointerDevices(const std::vector<PointerDevice>& devices);

// From the text of /proc/bus/input/devices.
MouseFacts fromInputDevices(const std::string& procBusInputDevices);

} // namespace platform::mys::linuxsys
