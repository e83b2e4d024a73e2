#pragma once
// The rights the program runs with, where they decide what it can start.

namespace platform::privileges {

// True when the web engine's sandbox refuses to run for this process: it
// ends the whole process instead (Chromium refuses a superuser on Linux;
// on Windows it runs for administrators too).
bool webSandboxRefused();

} // namespace platform::privileges
