#include "platform/sys/shell.h"

#include <windows.h>

#include <winnetwk.h>

#include "platform/failure.h"
#include "platform/sys/codepage.h"
#include "platform/sys/windows/win32_text.h"

namespace platform::shell {
namespace {

HWND window(WindowHandle handle) { return reinterpret_cast<HWND>(handle); }

} // namespace

bool runDialog(WindowHandle owner)
{
    using RunFileDialog = void(WINAPI*)(HWND, HICON, LPCWSTR, LPCWSTR, LPCWSTR, UINT);
    const auto dialog = reinterpret_cast<RunFileDialog>(reinterpret_cast<void*>(win32::shell32Export(61)));
    if (!dialog) return false;
    // The shell takes empty texts here, not missing ones.
    dialog(window(owner), nullptr, nullptr, L"", L"", 0);
    return true;
}

bool setComputerName(const std::string& name, const std::string&)
{
    if (name.empty()) return false;
    const codepage::Encoded ansi = codepage::fromUtf8(name, int(GetACP()));
    // A name the code page cannot hold would be renamed to its '?'-form.
    if (!ansi.unstorable.empty()) return false;
    return SetComputerNameA(ansi.bytes.c_str()) == 1;
}

bool connectNetworkDrive(WindowHandle owner)
{
    WNetConnectionDialog(window(owner), RESOURCETYPE_DISK);
    return true;
}

void startProgram(const std::string& commandLine, int windowStyle)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = WORD(windowStyle == 2 ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
    PROCESS_INFORMATION started{};
    // CreateProcess may write into the command line; with no program name
    // of its own it finds the program in an unquoted path with blanks by
    // trying each blank in turn.
    std::wstring line = win32::wide(commandLine);
    line.push_back(L'\0');
    if (commandLine.find_first_not_of(" \t") == std::string::npos)
        throw Failure("The program \"" + commandLine + "\" cannot be started: the command line names no program.");
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        throw Failure("The program \"" + commandLine + "\" cannot be started: " + win32::errorText(GetLastError())
                      + ".");
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
}

bool fileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(win32::wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Windows starts any file CreateProcess can run; there is no execute bit.
bool isProgramFile(const std::string& path) { return fileExists(path); }

} // namespace platform::shell
