#include "platform/sys/pamet.h"

#include <windows.h>

#include "platform/failure.h"
#include "platform/sys/windows/win32_text.h"

namespace platform::pamet {
namespace {

// GlobalMemoryStatusEx: the 64-bit counts, so that 2 GiB and more are true.
class WindowsCalls : public Calls {
public:
    MemoryStatus globalMemoryStatus() override
    {
        MEMORYSTATUSEX status{};
        status.dwLength = sizeof status;
        if (!GlobalMemoryStatusEx(&status))
            throw Failure("The memory figures cannot be read: " + win32::errorText(GetLastError()) + ".");
        MemoryStatus result;
        result.totalPhys = status.ullTotalPhys;
        result.availPhys = status.ullAvailPhys;
        result.totalPageFile = status.ullTotalPageFile;
        result.availPageFile = status.ullAvailPageFile;
        result.totalVirtual = status.ullTotalVirtual;
        result.availVirtual = status.ullAvailVirtual;
        return result;
    }
};

} // namespace

std::unique_ptr<Calls> makeNative() { return std::make_unique<WindowsCalls>(); }

} // namespace platform::pamet
