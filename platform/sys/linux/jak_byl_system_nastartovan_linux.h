#pragma once
// How the Linux backend tells the start mode: fail-safe (1) when systemd's
// rescue or emergency target is active or the kernel command line asks for
// single-user mode, else normal (0). Linux has no "with network" variant.

#include <string>

namespace platform::Jak_byl_system_nastartovan::linuxsys {

// True when a word of the command line (kernel or init part) asks for
// single-user, rescue or emergency mode.
bool commandLineAsksForSingleUser(const std::string& commandLine);

int startModeFor(const std::string& commandLine, bool rescueOrEmergencyActive);

} // namespace platform::Jak_byl_system_nastartovan::linuxsys
