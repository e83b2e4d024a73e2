#pragma once
// The pointer calls of the myš group where the system keeps them per
// program (Windows): where the pointer is, and the pointer's display count.
// X11 keeps neither count nor cheap position, so on Linux the program's
// services do this work themselves (services/pointer_position.h and
// services/pointer_display.h) and this topic has no backend there.

namespace platform::mys {

struct ScreenPoint {
    int x = 0; // screen pixels; negative left of or above the primary screen
    int y = 0;
};

// GetCursorPos.
ScreenPoint cursorPosition();

// ShowCursor: raises (show) or lowers the program's display count and
// returns the new count; the pointer is hidden while it is below 0.
int showCursor(bool show);

} // namespace platform::mys
