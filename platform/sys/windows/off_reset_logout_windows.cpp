#include "platform/sys/off_reset_logout.h"

#include <windows.h>

#include "platform/failure.h"
#include "platform/sys/windows/win32_text.h"

namespace platform::off_reset_logout {
namespace {

// Shutting down and restarting need the shut-down privilege in the
// process's token, which a user holds but does not have enabled.
void enableShutdownPrivilege()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid))
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    CloseHandle(token);
}

class WindowsCalls : public Calls {
public:
    // Log off, not forced: programs may still ask to save their work.
    void logOff() override
    {
        if (!ExitWindowsEx(0, 0))
            throw Failure("The user cannot be logged off: " + win32::errorText(GetLastError()) + ".");
    }

    // The shell's shut-down dialog, owned by the program's active window
    // (the window whose button asked for it).
    bool desktopShutdownPrompt() override
    {
        using ShutdownDialog = void(WINAPI*)(HWND);
        const auto dialog = reinterpret_cast<ShutdownDialog>(reinterpret_cast<void*>(win32::shell32Export(60)));
        if (!dialog) return false;
        dialog(GetActiveWindow());
        return true;
    }

    Ability canPowerOff() override { return Ability::Yes; }
    Ability canReboot() override { return Ability::Yes; }
    void powerOff() override { act(EWX_POWEROFF, "shut down"); }
    void reboot() override { act(EWX_REBOOT, "restarted"); }

private:
    static void act(UINT how, const char* what)
    {
        enableShutdownPrivilege();
        if (!ExitWindowsEx(how, SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_FLAG_PLANNED))
            throw Failure(std::string("The computer cannot be ") + what + ": " + win32::errorText(GetLastError())
                          + ".");
    }
};

} // namespace

std::unique_ptr<Calls> makeNative(const desktop::Session&, const Buses&) { return std::make_unique<WindowsCalls>(); }

} // namespace platform::off_reset_logout
