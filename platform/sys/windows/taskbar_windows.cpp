#include "platform/sys/taskbar.h"

#include <windows.h>

namespace platform::taskbar {
namespace {

// Each call looks the windows up afresh, as the shell may have restarted
// its taskbar in between; a window not found is the handle 0, and the calls
// on it then do nothing.
class WindowsTaskbar : public InspectableCalls {
public:
    void hideTaskbar() override { SetWindowPos(taskbarForTaskbarButtons(), nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW); }
    void showTaskbar() override { SetWindowPos(taskbarForTaskbarButtons(), nullptr, 0, 0, 0, 0, SWP_SHOWWINDOW); }
    void hideStartButton() override { ShowWindow(startButtonWindow(), SW_HIDE); }
    void showStartButton() override { ShowWindow(startButtonWindow(), SW_SHOW); }

    std::vector<WindowId> panels() override
    {
        if (const HWND taskbar = taskbarForTaskbarButtons())
            return {WindowId(reinterpret_cast<std::uintptr_t>(taskbar))};
        return {};
    }
    WindowId startButton() override { return WindowId(reinterpret_cast<std::uintptr_t>(startButtonWindow())); }

private:
    // The class name is spelled two ways; the system compares it without
    // regard to case, so both find the same window.
    static HWND taskbarForTaskbarButtons() { return FindWindowA("shell_traywnd", ""); }

    static HWND startButtonWindow()
    {
        const HWND taskbar = FindWindowA("Shell_TrayWnd", "");
        // With no taskbar, a null parent would search the top-level windows
        // and could hide some other program's button.
        if (!taskbar) return nullptr;
        return FindWindowExA(taskbar, nullptr, "Button", nullptr);
    }
};

} // namespace

std::unique_ptr<InspectableCalls> makeNative() { return std::make_unique<WindowsTaskbar>(); }

// Windows has one taskbar whatever the session.
std::unique_ptr<Calls> makeForSession(const desktop::Session&, const std::string&) { return makeNative(); }

} // namespace platform::taskbar
