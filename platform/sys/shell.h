#pragma once
// The shell and network calls of the ostatni_API group: the Run dialog,
// renaming the computer, the network-drive dialog, starting a program with
// a window style, and whether a file exists.

#include <cstdint>
#include <string>
#include <vector>

namespace platform::shell {

// A window that owns a dialog; 0 for none.
using WindowHandle = std::uintptr_t;

// The shell's Run dialog (export 61 of shell32) owned by `owner`, without
// icon, folder, title or prompt of its own; returns when it is closed, and
// the shell starts what the user typed. False at once where the system has
// no such dialog (Linux): the caller offers its own.
bool runDialog(WindowHandle owner);

// Gives the computer the name as typed: SetComputerNameA (true only when
// the call returned 1), or on Linux systemd-hostnamed's SetStaticHostname
// on the system bus at `systemBus` (empty: the standard one), which may
// ask the user to authorise it and is waited for at most two minutes. An
// empty name, or one the ANSI code page cannot hold, is refused without
// asking.
bool setComputerName(const std::string& name, const std::string& systemBus = {});

// The system's dialog for connecting a network drive (WNetConnectionDialog,
// disk resources), owned by `owner`; returns when it is closed. False at
// once where the system has none (Linux): the caller offers its own.
bool connectNetworkDrive(WindowHandle owner);

// A command line taken apart the way programs are started where the system
// takes a program and its arguments (Linux): the whole text when it names
// an existing executable file (so a path with blanks needs no quotes),
// else the text split at blanks, where double quotes group words and three
// of them in a row stand for one. Throws platform::Failure for a text that
// names no program.
struct Command {
    std::string program;
    std::vector<std::string> arguments;
};
Command splitCommandLine(const std::string& commandLine);

// Starts a command line as one text (a program path with blanks needs no
// quotes) and returns at once: on Windows CreateProcess parses it, on Linux
// splitCommandLine does, and a program named without a folder is looked
// for on $PATH, never started through a shell. Window style 1: normal
// window with the input focus, 2: minimised with the input focus (Linux
// programs choose their first window state themselves). Throws
// platform::Failure naming the command line when the program cannot be
// started.
void startProgram(const std::string& commandLine, int windowStyle);

// Whether a file (not a folder) exists at the path.
bool fileExists(const std::string& path);

// Whether the path names a file that can be started as a program: on
// Linux an executable regular file, on Windows any file.
bool isProgramFile(const std::string& path);

} // namespace platform::shell
