#pragma once
// The Linux stand-ins for the version facts: the kernel release as uname
// gives it ("6.1.0-18-amd64"): major.minor is the version, the third number
// the build (0 when the release has none).

#include <string>

#include "platform/sys/ostatni_api.h"

namespace platform::ostatni_API::linuxsys {

// Throws platform::Failure when the release does not start with major.minor.
OsVersion parseKernelRelease(const std::string& release);

} // namespace platform::ostatni_API::linuxsys
