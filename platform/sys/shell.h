#pragma once
// The shell and network calls of the ostatni_API group: the Run dialog,
// renaming the computer, the network-drive dialog, starting a program with
// a window style, and whether a file exists. On Linux the program's Qt
// services do this work (services/run_prompt.h, host_names.h,
// share_connect.h, program_starter.h) and this topic has no backend there.

#include <cstdint>
#include <string>

namespace platform::shell {

// A window that owns a dialog; 0 for none.
using WindowHandle = std::uintptr_t;

// The shell's Run dialog (export 61 of shell32) owned by `owner`, without
// icon, folder, title or prompt of its own; returns when it is closed. The
// shell starts what the user typed.
void runDialog(WindowHandle owner);

// SetComputerNameA with the name as given: true only when the system took
// it (the call returned 1).
bool setComputerName(const std::string& name);

// The system's dialog for connecting a network drive (WNetConnectionDialog,
// disk resources), owned by `owner`; returns when it is closed.
void connectNetworkDrive(WindowHandle owner);

// Starts a command line as one text (a program path with blanks needs no
// quotes) and returns at once. Window style 1: normal window with the input
// focus, 2: minimised with the input focus. Throws platform::Failure naming
// the command line when the program cannot be started.
void startProgram(const std::string& commandLine, int windowStyle);

// Whether a file (not a folder) exists at the path.
bool fileExists(const std::string& path);

} // namespace platform::shell
