#pragma once
// Other programs, for the Linux backends: found in given folders, started
// on their own, or run to their end with their output.

#include <chrono>
#include <string>
#include <vector>

namespace platform::linuxsys {

// Whether the path names a regular file (links followed) this process may
// execute.
bool isExecutableFile(const std::string& path);

// The first of `folders` holding an executable file `name`, joined with
// it; empty when none does (or there are no folders).
std::string findProgram(const std::string& name, const std::vector<std::string>& folders);

// Starts the program at `path` with the arguments, its standard input
// /dev/null, and never waits for it. Returns 0, or the errno of why it
// cannot be started (no such file, not executable, ...).
int startDetached(const std::string& path, const std::vector<std::string>& arguments);

struct Finished {
    bool inTime = false;    // ended within the bound (else it was killed)
    bool succeeded = false; // ended of itself with status 0
    std::string output;     // its standard output
    std::string errors;     // its standard error, or why it could not start
};

// Runs the program at `path` to its end, at most `bound`, collecting its
// output.
Finished runToEnd(const std::string& path, const std::vector<std::string>& arguments, std::chrono::milliseconds bound);

} // namespace platform::linuxsys
