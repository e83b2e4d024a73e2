#pragma once
// taskbar: the window calls of the ostatni_API group that hide and show the
// desktop's panels and their Start button. Whatever is not found is left
// alone.
//
// On Windows the taskbar is the top-level window of class "shell_traywnd"
// with an empty title, hidden and shown with SetWindowPos; the Start button
// is its first child of class "Button", hidden and shown with ShowWindow.
//
// On X11 the panels are the windows of the window manager's client list
// (_NET_CLIENT_LIST) whose type is _NET_WM_WINDOW_TYPE_DOCK. Hiding unmaps
// them; the window manager then forgets them, so the panels hidden here are
// remembered for as long as this object lives and only those are mapped
// again. The Start button is the first child window of a panel whose
// WM_CLASS (instance or class name) is "Button", ignoring case; panels that
// draw their buttons inside one window have none. Without an X11 display
// nothing is found.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/sys/desktop.h"

namespace platform::taskbar {

using WindowId = std::uint64_t; // 0: no window

class Calls {
public:
    virtual ~Calls() = default;
    virtual void hideTaskbar() = 0;
    virtual void showTaskbar() = 0;
    virtual void hideStartButton() = 0;
    virtual void showStartButton() = 0;
};

// The panels the four calls act on (those currently on the desktop), and
// the Start button (0 when none).
class InspectableCalls : public Calls {
public:
    virtual std::vector<WindowId> panels() = 0;
    virtual WindowId startButton() = 0;
};

// The panels of any X11 desktop, as above (the display named by $DISPLAY).
std::unique_ptr<InspectableCalls> makeNative();

// The calls the running desktop offers, chosen from the session: on Linux
// KDE Plasma's shell scripting, GNOME Shell through the program's shell
// extension, sway's bar commands, Xfce's panel settings, else the X11
// panels above. Each call acts or throws platform::Failure saying why it
// cannot on this desktop; whatever was changed is undone by the matching
// show call and, if that never came, when the object ends. sessionBus is
// the D-Bus address of the session bus (empty: the standard one).
std::unique_ptr<Calls> makeForSession(const desktop::Session& session, const std::string& sessionBus = {});

} // namespace platform::taskbar
