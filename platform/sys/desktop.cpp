#include "platform/sys/desktop.h"

#include <algorithm>
#include <cctype>

namespace platform::desktop {

namespace {

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

} // namespace

Desktop desktopFromList(const std::string& xdgCurrentDesktop)
{
    std::string rest = lower(xdgCurrentDesktop);
    while (!rest.empty()) {
        const size_t colon = rest.find(':');
        const std::string name = rest.substr(0, colon);
        if (name == "gnome" || name == "gnome-classic" || name == "gnome-flashback" || name == "unity")
            return Desktop::Gnome;
        if (name == "kde") return Desktop::Kde;
        if (name == "xfce") return Desktop::Xfce;
        if (colon == std::string::npos) break;
        rest = rest.substr(colon + 1);
    }
    return Desktop::Other;
}

} // namespace platform::desktop
