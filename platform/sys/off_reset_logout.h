#pragma once
// off_reset_logout: ending the user's session and shutting the machine down.
//
// On Windows log-off is ExitWindowsEx (not forced) and the shut-down prompt
// is the shell's own dialog. On Linux log-off goes to the running desktop's
// session manager, without a question (GNOME, KDE Plasma, Xfce), and
// otherwise to logind, which ends this process's login session; shutting
// down and restarting go to logind, and the desktop's own shut-down prompt
// is used where the desktop has one.

#include <memory>
#include <stdexcept>
#include <string>

#include "platform/sys/desktop.h"

namespace platform::off_reset_logout {

// Whether the machine may be shut down or restarted (on Linux what logind
// answers to CanPowerOff / CanReboot).
enum class Ability {
    Yes,       // allowed
    Challenge, // allowed after the user authenticates
    No,        // refused by policy
    NotAvailable,
};
Ability abilityFromText(const std::string& answer); // "yes", "challenge", "no", "na"
inline bool offered(Ability ability) { return ability == Ability::Yes || ability == Ability::Challenge; }

class Calls {
public:
    virtual ~Calls() = default;
    // Ends the session at once. Throws platform::Failure when the system
    // did not take the request (on Linux: neither the desktop nor logind).
    virtual void logOff() = 0;
    // Shows the desktop's own shut-down prompt, which then acts by itself.
    // False when the desktop has none (the caller offers its own choices).
    virtual bool desktopShutdownPrompt() = 0;
    virtual Ability canPowerOff() = 0;
    virtual Ability canReboot() = 0;
    // Throw platform::Failure when the system refuses or cannot be reached.
    virtual void powerOff() = 0;
    virtual void reboot() = 0;
};

// Where a D-Bus system reaches its session manager and logind; an empty
// address means the standard bus of that kind ($DBUS_SESSION_BUS_ADDRESS,
// $DBUS_SYSTEM_BUS_ADDRESS or the defaults). Systems without D-Bus ignore it.
struct Buses {
    std::string session;
    std::string system;
};

// The session's desktop chooses the session manager and the shut-down
// prompt, its id finds it in logind, its program folders hold the prompt
// programs.
std::unique_ptr<Calls> makeNative(const desktop::Session& session, const Buses& buses = {});

} // namespace platform::off_reset_logout
