#pragma once

#include <QString>

namespace platform {

// Window style of a started program.
enum WindowStyle : int {
    NormalFocus = 1,    // normal window with the input focus
    MinimizedFocus = 2, // minimised window with the input focus
};

// Starts a program from a command line and returns at once, never waiting
// for it. Throws platform::Failure when the program cannot be started.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    virtual void start(const QString& commandLine, int windowStyle) = 0;
};

} // namespace platform
