#include "platform/sys/privileges.h"

namespace platform::privileges {

// Chromium's Windows sandbox runs for every user, administrators included.
bool webSandboxRefused() { return false; }

} // namespace platform::privileges
