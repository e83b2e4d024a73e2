#pragma once
// Which desktop the user runs: its session manager, shut-down prompt and
// settings programs differ.

#include <string>
#include <vector>

namespace platform::desktop {

// The desktop named first in a $XDG_CURRENT_DESKTOP list that the program
// knows.
enum class Desktop { Gnome, Kde, Xfce, Other };
Desktop desktopFromList(const std::string& xdgCurrentDesktop);

// The user's session as start-up found it in the environment.
struct Session {
    std::string currentDesktop;              // $XDG_CURRENT_DESKTOP: names, colon-separated
    std::string sessionId;                   // $XDG_SESSION_ID: logind's name of the login session
    std::vector<std::string> programFolders; // $PATH: where the desktop's programs are looked for
    std::string waylandDisplay;              // $WAYLAND_DISPLAY: set under Wayland, also for X11 programs (XWayland)
    std::string swaySocket;                  // $SWAYSOCK: set under sway, whose panels are asked over it
};

} // namespace platform::desktop
