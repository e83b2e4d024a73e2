#pragma once
// The pointer's display count (ShowCursor): one count for the whole
// program, which outlives every window. It starts at 0 when a mouse is
// attached and at -1 without one; while it is below 0 every window of the
// program shows a blank pointer.

#include <functional>
#include <memory>

#include "platform/sys/pointer.h"

namespace platform {

class PointerDisplay {
public:
    virtual ~PointerDisplay() = default;
    // Raises the count (show) or lowers it (hide); returns the new count.
    virtual int showCursor(bool show) = 0;
};

// The system's count (mys::makeNativeDisplayCount) shown by Qt's override
// cursor. mousePresent is asked once, at the first use, where the system
// keeps no count of its own.
class QtPointerDisplay : public PointerDisplay {
public:
    QtPointerDisplay();
    explicit QtPointerDisplay(std::function<bool()> mousePresent);
    ~QtPointerDisplay() override;
    int showCursor(bool show) override;
    int count();

private:
    void apply(int from, int to);

    std::unique_ptr<mys::DisplayCount> count_;
    bool applied_ = false; // the count's start is shown
};

} // namespace platform
