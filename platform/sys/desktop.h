#pragma once
// Which desktop the user runs: its session manager, shut-down prompt and
// settings programs differ.

#include <string>

namespace platform::desktop {

// The desktop named first in $XDG_CURRENT_DESKTOP that the program knows.
enum class Desktop { Gnome, Kde, Xfce, Other };
Desktop currentDesktop();
Desktop desktopFromList(const std::string& xdgCurrentDesktop);

} // namespace platform::desktop
