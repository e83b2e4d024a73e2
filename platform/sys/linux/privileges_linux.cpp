#include "platform/sys/privileges.h"

#include <unistd.h>

namespace platform::privileges {

// Chromium looks at the effective user, as here.
bool webSandboxRefused() { return geteuid() == 0; }

} // namespace platform::privileges
