#include "platform/sys/linux/mys_linux.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <sstream>

#include "platform/failure.h"
#include "platform/sys/mys.h"
#include "platform/sys/whole_file.h"

namespace platform::mys {

namespace linuxsys {

namespace {

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

int physicalButtons(const PointerDevice& device)
{
    const auto& labels = device.buttonLabels;
    const bool labelled = std::any_of(labels.begin(), labels.end(), [](const std::string& l) { return !l.empty(); });
    if (labelled)
        return int(std::count_if(labels.begin(), labels.end(),
                                 [](const std::string& l) { return !l.empty() && !contains(l, "Wheel"); }));
    // Unlabelled: by X convention buttons 4 to 7 are the wheels.
    const int n = int(labels.size());
    return std::min(n, 3) + std::max(0, n - 7);
}

// Counts the set bits for BTN_LEFT (0x110) to BTN_TASK (0x117) in a KEY
// bitmap, written as hexadecimal words, most significant first.
int mouseButtonsInKeyBitmap(const std::string& bitmap)
{
    std::vector<std::string> words;
    std::istringstream in(bitmap);
    for (std::string word; in >> word;) words.push_back(word);
    constexpr int wordBits = int(sizeof(long) * 8);
    int count = 0;
    for (int bit = 0x110; bit <= 0x117; ++bit) {
        const size_t index = size_t(bit / wordBits); // counted from the last word
        if (index >= words.size()) continue;
        const unsigned long long word = std::strtoull(words[words.size() - 1 - index].c_str(), nullptr, 16);
        if ((word >> (bit % wordBits)) & 1ULL) ++count;
    }
    return count;
}

} // namespace

MouseFacts fromPointerDevices(const std::vector<PointerDevice>& devices)
{
    MouseFacts facts;
    for (const PointerDevice& device : devices) {
        // The XTEST pointers are the server's own devices for synthetic input.
        if (!device.slavePointer || device.valuators < 2 || contains(device.name, "XTEST")) continue;
        facts.present = true;
        facts.buttons = std::max(facts.buttons, physicalButtons(device));
    }
    return facts;
}

MouseFacts fromInputDevices(const std::string& procBusInputDevices)
{
    MouseFacts facts;
    std::istringstream lines(procBusInputDevices + "\n\n");
    bool mouse = false;
    int buttons = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.empty()) { // a blank line ends a device's block
            if (mouse) {
                facts.present = true;
                facts.buttons = std::max(facts.buttons, buttons);
            }
            mouse = false;
            buttons = 0;
        } else if (line.compare(0, 12, "H: Handlers=") == 0) {
            std::istringstream handlers(line.substr(12));
            for (std::string handler; handlers >> handler;)
                if (handler.compare(0, 5, "mouse") == 0) mouse = true;
        } else if (line.compare(0, 7, "B: KEY=") == 0) {
            buttons = mouseButtonsInKeyBitmap(line.substr(7));
        }
    }
    return facts;
}

} // namespace linuxsys

namespace {

// The X server's pointer devices, or nullopt when there is no X display
// with XInput 2.
std::optional<std::vector<linuxsys::PointerDevice>> xinputDevices()
{
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name) return std::nullopt;
    Display* display = XOpenDisplay(name);
    if (!display) return std::nullopt;
    std::optional<std::vector<linuxsys::PointerDevice>> result;
    int opcode = 0, event = 0, error = 0, major = 2, minor = 0;
    if (XQueryExtension(display, "XInputExtension", &opcode, &event, &error)
        && XIQueryVersion(display, &major, &minor) == Success) {
        int count = 0;
        XIDeviceInfo* info = XIQueryDevice(display, XIAllDevices, &count);
        result.emplace();
        for (int i = 0; i < count; ++i) {
            linuxsys::PointerDevice device;
            device.name = info[i].name ? info[i].name : "";
            device.slavePointer = info[i].use == XISlavePointer;
            for (int c = 0; c < info[i].num_classes; ++c) {
                const XIAnyClassInfo* any = info[i].classes[c];
                if (any->type == XIValuatorClass) {
                    ++device.valuators;
                } else if (any->type == XIButtonClass) {
                    const auto* buttons = reinterpret_cast<const XIButtonClassInfo*>(any);
                    for (int b = 0; b < buttons->num_buttons; ++b) {
                        std::string label;
                        if (buttons->labels[b] != None) {
                            if (char* atom = XGetAtomName(display, buttons->labels[b])) {
                                label = atom;
                                XFree(atom);
                            }
                        }
                        device.buttonLabels.push_back(label);
                    }
                }
            }
            result->push_back(device);
        }
        if (info) XIFreeDeviceInfo(info);
    }
    XCloseDisplay(display);
    return result;
}

linuxsys::MouseFacts readMouse()
{
    if (auto devices = xinputDevices()) return linuxsys::fromPointerDevices(*devices);
    std::string text;
    try {
        text = whole_file::read("/proc/bus/input/devices", whole_file::systemTextLimit,
                                whole_file::WhenMissing::ReportAbsent)
                   .bytes;
    } catch (const Failure&) {
        // Unreadable like absent: no mouse known from there.
    }
    return linuxsys::fromInputDevices(text);
}

class LinuxCalls : public Calls {
public:
    bool mousePresent() override { return readMouse().present; }
    int buttonCount() override { return readMouse().buttons; }
};

} // namespace

std::unique_ptr<Calls> makeNative() { return std::make_unique<LinuxCalls>(); }

} // namespace platform::mys
