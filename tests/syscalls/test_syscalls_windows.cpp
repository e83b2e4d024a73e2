// The Windows backend of the system calls, run under Wine in a private
// prefix and virtual desktop. Nothing here logs off, shuts down, renames
// the computer or connects a drive.

#define DOCTEST_CONFIG_IMPLEMENT
#include <chrono>
#include <doctest.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/failure.h"
#include "platform/sys/codepage.h"
#include "platform/sys/control_panel.h"
#include "platform/sys/file_operations.h"
#include "platform/sys/jak_byl_system_nastartovan.h"
#include "platform/sys/mys.h"
#include "platform/sys/ostatni_api.h"
#include "platform/sys/pamet.h"
#include "platform/sys/pointer.h"
#include "platform/sys/profile.h"
#include "platform/sys/shell.h"
#include "platform/sys/taskbar.h"
#include "platform/sys/whole_file.h"
#include "platform/sys/windows/win32_text.h"
#include "tests/support/file_operation_cases.h"

namespace fs = std::filesystem;
namespace api = platform::ostatni_API;

namespace {

// Waits up to `seconds` for `found` to hold.
template <typename Found>
bool waitFor(Found found, int seconds = 15)
{
    for (int tries = 0; tries < seconds * 20; ++tries) {
        if (found()) return true;
        Sleep(50);
    }
    return found();
}

std::string folderFromBuffer(unsigned (*query)(char*, unsigned))
{
    char buffer[255] = {};
    query(buffer, sizeof buffer);
    return std::string(buffer);
}

unsigned tempPathQuery(char* buffer, unsigned size) { return api::GetTempPathA(size, buffer); }

fs::path freshFolder(const char* name)
{
    const fs::path folder = fs::temp_directory_path() / ("quelmarn-" + std::string(name));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

// The probe the program-start test starts: a window that shows itself the
// way a program does (with the show command its starter passed) and waits
// to be closed.
int showWindowProbe(const wchar_t* title)
{
    WNDCLASSW type{};
    type.lpfnWndProc = [](HWND window, UINT message, WPARAM w, LPARAM l) -> LRESULT {
        if (message == WM_DESTROY) PostQuitMessage(0);
        return DefWindowProcW(window, message, w, l);
    };
    type.hInstance = GetModuleHandleW(nullptr);
    type.lpszClassName = L"QuelmarnProbe";
    RegisterClassW(&type);
    const HWND window = CreateWindowW(L"QuelmarnProbe", title, WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr, nullptr,
                                      type.hInstance, nullptr);
    // What WinMain receives as its show command.
    STARTUPINFOW startup{};
    GetStartupInfoW(&startup);
    ShowWindow(window, (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWNORMAL);
    SetTimer(window, 1, 30000, [](HWND w, UINT, UINT_PTR, DWORD) { DestroyWindow(w); });
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}

} // namespace

TEST_CASE("profile round trip in the Windows directory, by the file's bare name")
{
    const std::string windows = api::windowsDirectory();
    const std::string path = windows + api::pathSeparator() + "quelmarn-test.ini";
    platform::profile::writeString(path, "OPTIONS", "lokalizace", "english.qlk");
    platform::profile::writeString(path, "OPTIONS", "other", "kept");
    platform::profile::writeString(path, "OPTIONS", "lokalizace", "czech.qlk");
    CHECK(platform::profile::readString(path, "options", "LOKALIZACE").value_or("<none>") == "czech.qlk");
    CHECK(platform::profile::readString(path, "OPTIONS", "other").value_or("<none>") == "kept");
    CHECK_FALSE(platform::profile::readString(path, "OPTIONS", "absent").has_value());
    CHECK_FALSE(platform::profile::readString(path, "NOSECTION", "lokalizace").has_value());
    // The system resolved the bare name to the Windows directory.
    char expected[MAX_PATH] = {};
    GetWindowsDirectoryA(expected, MAX_PATH);
    CHECK(GetFileAttributesA((std::string(expected) + "\\quelmarn-test.ini").c_str()) != INVALID_FILE_ATTRIBUTES);
    DeleteFileA((std::string(expected) + "\\quelmarn-test.ini").c_str());
    CHECK_FALSE(platform::profile::readString(path, "OPTIONS", "lokalizace").has_value());
}

TEST_CASE("code page 1250 round trip of Czech letters through the system's ANSI code page")
{
    // The test runs with a Czech locale, so Wine's ANSI code page is 1250
    // and the conversions go through CP_ACP.
    CHECK(platform::codepage::systemAnsiCodePage() == 1250);
    const std::string czech = "P\xC5\x99\xC3\xADli\xC5\xA1 \xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD k\xC5\xAF\xC5\x88 "
                              "\xC3\xBAp\xC4\x9Bl \xC4\x8F\xC3\xA1\x62\x65lsk\xC3\xA9 \xC3\xB3\x64y";
    const std::string cp1250 =
        "P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2 \xFAp\xECl \xEF\xE1\x62\x65lsk\xE9 \xF3\x64y";
    const platform::codepage::Encoded encoded = platform::codepage::fromUtf8(czech, 1250);
    CHECK(encoded.bytes == cp1250);
    CHECK(encoded.unstorable.empty());
    CHECK(platform::codepage::toUtf8(cp1250, 1250) == czech);

    const platform::codepage::Encoded lossy = platform::codepage::fromUtf8("a\xE2\x82\xAC\xE6\x97\xA5z", 1250);
    CHECK(lossy.bytes == "a\x80?z");
    REQUIRE(lossy.unstorable.size() == 1);
    CHECK(lossy.unstorable[0] == "\xE6\x97\xA5");
    CHECK(platform::codepage::toUtf8("\x81", 932) == "\xEF\xBF\xBD"); // a lead byte with nothing after it
}

TEST_CASE("memory counts are plausible 64-bit figures")
{
    const platform::pamet::MemoryStatus status = platform::pamet::makeNative()->globalMemoryStatus();
    CHECK(status.totalPhys > std::uint64_t(64) << 20);
    CHECK(status.availPhys <= status.totalPhys);
    CHECK(status.totalPageFile >= status.availPageFile);
    CHECK(status.totalVirtual > std::uint64_t(1) << 32); // a 64-bit process
    CHECK(status.availVirtual <= status.totalVirtual);
}

TEST_CASE("tick count rises; start mode, mouse metrics, version and user are facts")
{
    auto other = api::makeNative();
    // Wine refreshes the tick count from its server, which may lag under
    // load: wait until it has moved on, bounded by the machine's own clock.
    const std::uint64_t before = other->millisecondsSinceBoot();
    const auto start = std::chrono::steady_clock::now();
    std::uint64_t after = before;
    while (after < before + 50 && std::chrono::steady_clock::now() - start < std::chrono::seconds(5)) {
        Sleep(20);
        after = other->millisecondsSinceBoot();
    }
    CHECK(after >= before + 50);
    CHECK(after < before + 10000);

    const int mode = platform::Jak_byl_system_nastartovan::makeNative()->startMode();
    CHECK((mode == 0 || mode == 1 || mode == 2));
    auto mouse = platform::mys::makeNative();
    CHECK(mouse->mousePresent() == (GetSystemMetrics(SM_MOUSEPRESENT) != 0));
    if (mouse->mousePresent()) CHECK(mouse->buttonCount() > 0);
    CHECK(other->osVersion().major >= 5);
    CHECK_FALSE(other->userName().value_or("").empty());
    CHECK(fs::exists(fs::u8path(api::applicationFolder()) / "test_syscalls_windows.exe"));
}

TEST_CASE("folders end as the system reports them, TEMP with its trailing backslash")
{
    const std::string windows = folderFromBuffer(&api::GetWindowsDirectoryA);
    const std::string temp = folderFromBuffer(&tempPathQuery);
    const std::string system = folderFromBuffer(&api::GetSystemDirectoryA);
    REQUIRE(windows.size() > 3);
    CHECK(windows[1] == ':');
    CHECK(windows.back() != '\\');
    CHECK(temp.back() == '\\');
    CHECK(system.back() != '\\');
    CHECK(system.compare(0, windows.size(), windows) == 0);
    CHECK(windows == api::windowsDirectory());
    // A buffer too small is left alone and the size needed is returned.
    char small[4] = {'x', 'x', 'x', 'x'};
    CHECK(api::GetWindowsDirectoryA(small, sizeof small) == windows.size() + 1);
    CHECK(std::string(small, 4) == "xxxx");
}

TEST_CASE("language files are listed as the settings window needs them")
{
    const fs::path folder = freshFolder("listing");
    for (const char* name : {"czech.qlk", "ENGLISH.QLK", "notes.qlkx", "hidden.qlk"})
        std::ofstream(folder / name) << "x";
    fs::create_directory(folder / "folder.qlk");
    SetFileAttributesW((folder / "hidden.qlk").c_str(), FILE_ATTRIBUTE_HIDDEN);
    std::vector<std::string> found = api::filesMatching(folder.u8string(), "*.qlk");
    std::sort(found.begin(), found.end());
    CHECK(found == std::vector<std::string>{"ENGLISH.QLK", "czech.qlk"});
    CHECK(api::filesMatching((folder / "none").u8string(), "*.qlk").empty());
    fs::remove_all(folder);
}

TEST_CASE("copy, move and delete keep the rules of every backend")
{
    const fs::path folder = freshFolder("file-operations");
    for (const testing::FileOperationCase& test : testing::fileOperationCases()) {
        const std::string problem = testing::runFileOperationCase(test, folder.u8string());
        CHECK_MESSAGE(problem.empty(), test.name << ": " << problem);
    }
    fs::remove_all(folder);
}

TEST_CASE("file operations take Unicode paths, and a full disk loses nothing")
{
    namespace fo = platform::file_operations;
    const fs::path folder = freshFolder("unicode");
    const std::string base = folder.u8string() + "\\";
    const std::string name = base + "\xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD \xE6\x97\xA5.txt";
    fo::replaceFile(name, "k\xC5\xAF\xC5\x88");
    CHECK(fo::readOrCreate(name) == "k\xC5\xAF\xC5\x88");
    fo::copyFile(name, base + "copy \xC4\x8D.txt");
    CHECK(fo::readOrCreate(base + "copy \xC4\x8D.txt") == "k\xC5\xAF\xC5\x88");
    CHECK(fo::readOrCreate(base + "new.txt").empty());
    fo::createFolders(base + "a\\\xC5\xBE/b\\");
    fo::createFolders(base + "a\\\xC5\xBE/b"); // again: it exists
    CHECK(fo::readOrCreate(base + "a\\\xC5\xBE\\b\\in.txt").empty());
    CHECK_THROWS_AS(fo::createFolders(name + "\\below a file"), platform::Failure);

    // A device that fills after 3 bytes: the old file stays whole and no
    // temporary file is left.
    auto left = std::make_shared<size_t>(3);
    const auto filling = fo::makeNative([left](int fd, const void* data, size_t size) -> ssize_t {
        if (*left == 0) {
            errno = ENOSPC;
            return -1;
        }
        const size_t now = std::min(size, *left);
        const int n = _write(fd, data, unsigned(now));
        if (n > 0) *left -= size_t(n);
        return n;
    });
    std::string message;
    try {
        filling->replaceFile(name, "a longer text that does not fit");
    } catch (const platform::Failure& failure) {
        message = failure.what();
    }
    try {
        filling->copyFile(base + "copy \xC4\x8D.txt", name);
    } catch (const platform::Failure&) {
        message += " (copy)";
    }
    CHECK(message.find("space") != std::string::npos);
    CHECK(message.find("(copy)") != std::string::npos);
    CHECK(fo::readOrCreate(name) == "k\xC5\xAF\xC5\x88");
    int files = 0;
    for (const auto& entry : fs::directory_iterator(folder)) files += entry.is_regular_file();
    CHECK(files == 3);

    CHECK(platform::shell::fileExists(name));
    CHECK_FALSE(platform::shell::fileExists(folder.u8string()));
    CHECK_FALSE(platform::shell::fileExists(platform::control_panel::systemInformationProgram)); // none under Wine
    fs::remove_all(folder);
}

TEST_CASE("whole files are read bounded, never from a folder, a device or a pipe")
{
    namespace wf = platform::whole_file;
    using W = wf::WhenMissing;
    const fs::path folder = freshFolder("whole-file");
    const std::string base = folder.u8string() + "\\";
    std::ofstream(fs::u8path(base + "five.txt"), std::ios::binary) << "12345";
    // A pipe whose server never writes: reading it would wait for ever.
    const platform::win32::Handle pipe(
        CreateNamedPipeW(L"\\\\.\\pipe\\quelmarn-whole-file", PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr));
    REQUIRE(pipe.valid());
    // expected: "=<bytes>", "cut=<bytes>", "absent", or a part of the failure.
    struct Case {
        const char* path; // in the folder, unless it starts with a backslash
        std::size_t limit;
        W whenMissing;
        const char* expected;
    };
    const Case cases[] = {
        {"five.txt", 10, W::Fail, "=12345"},
        {"five.txt", 5, W::Fail, "=12345"},
        {"five.txt", 3, W::Fail, "cut=123"},
        {"missing.txt", 10, W::ReportAbsent, "absent"},
        {"missing.txt", 10, W::Fail, "cannot be opened"},
        {"nowhere\\missing.txt", 10, W::ReportAbsent, "absent"},
        {"created.txt", 10, W::CreateEmpty, "="},
        {"", 10, W::Fail, "the path is empty"},
        {".", 10, W::CreateEmpty, "it is a folder"},
        {"\\\\.\\NUL", 10, W::Fail, "it is a device"},
        {"\\\\.\\pipe\\quelmarn-whole-file", 10, W::Fail, "named pipe"},
    };
    for (const Case& test : cases) {
        const std::string path = !*test.path ? "" : test.path[0] == '\\' ? test.path : base + test.path;
        CAPTURE(path);
        std::string outcome;
        try {
            const wf::Content content = wf::read(path, test.limit, test.whenMissing);
            outcome = !content.exists ? "absent" : (content.cut ? "cut=" : "=") + content.bytes;
        } catch (const platform::Failure& failure) {
            outcome = failure.what();
            if (!path.empty()) CHECK(outcome.find("\"" + path + "\"") != std::string::npos);
        }
        if (test.expected[0] == '=' || std::string(test.expected).rfind("cut=", 0) == 0
            || test.expected == std::string("absent"))
            CHECK(outcome == test.expected);
        else
            CHECK(outcome.find(test.expected) != std::string::npos);
    }
    CHECK(fs::exists(fs::u8path(base + "created.txt")));
    CHECK(api::readWholeFile(base + "five.txt", 4) == "1234");
    fs::remove_all(folder);
}

TEST_CASE("ShowCursor counts every hide and show")
{
    const auto display = platform::mys::makeNativeDisplayCount([] { return true; });
    const int first = display->showCursor(false);
    CHECK(display->showCursor(false) == first - 1);
    CHECK(display->showCursor(true) == first);
    CHECK(display->showCursor(true) == first + 1);
    display->showCursor(false); // as it was

    const auto pointer = platform::mys::makeNativePointer({}, platform::mys::DisplayServer::Other);
    REQUIRE(pointer);
    REQUIRE(SetCursorPos(37, 41));
    CHECK(waitFor(
        [&] {
            const std::optional<platform::mys::ScreenPoint> point = pointer->position();
            return point && point->x == 37 && point->y == 41;
        },
        5));
}

TEST_CASE("the taskbar and its Start button are found, hidden and shown again")
{
    auto taskbar = platform::taskbar::makeNative();
    REQUIRE(waitFor([&] { return !taskbar->panels().empty(); }));
    const HWND tray = reinterpret_cast<HWND>(std::uintptr_t(taskbar->panels().front()));
    const HWND button = reinterpret_cast<HWND>(std::uintptr_t(taskbar->startButton()));
    REQUIRE(button != nullptr);
    char type[32] = {};
    GetClassNameA(button, type, sizeof type);
    CHECK(std::string(type) == "Button");
    CHECK(GetParent(button) == tray);
    const bool wasVisible = IsWindowVisible(tray);

    taskbar->showTaskbar();
    CHECK(IsWindowVisible(tray));
    // The shell lays its taskbar out once shown, the Start button included.
    CHECK(waitFor([&] { return IsWindowVisible(button) != 0; }, 5));
    Sleep(300);
    taskbar->hideStartButton();
    CHECK_FALSE(IsWindowVisible(button));
    taskbar->hideStartButton(); // again: no change
    Sleep(300);
    CHECK_FALSE(IsWindowVisible(button));
    taskbar->showStartButton();
    CHECK(IsWindowVisible(button));
    taskbar->hideTaskbar();
    CHECK_FALSE(IsWindowVisible(tray));
    if (wasVisible) taskbar->showTaskbar();
}

TEST_CASE("a program starts minimised or normal as its window style says; a Control Panel applet starts")
{
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::string program = platform::win32::utf8(self, wcslen(self));
    for (const int style : {2, 1}) {
        CAPTURE(style);
        const std::wstring title = L"QuelmarnProbe" + std::to_wstring(style);
        platform::shell::startProgram("\"" + program + "\" --show-window-probe " + platform::win32::utf8(title), style);
        HWND window = nullptr;
        REQUIRE(waitFor([&] { return (window = FindWindowW(L"QuelmarnProbe", title.c_str())) != nullptr; }));
        CHECK(waitFor([&] { return IsWindowVisible(window) != 0; }, 5));
        CHECK(bool(IsIconic(window)) == (style == 2));
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    CHECK_THROWS_AS(platform::shell::startProgram("C:\\nowhere\\missing.exe", 1), platform::Failure);

    // A Control Panel applet through the loader's command line.
    const auto& joysticks = platform::control_panel::applet(platform::SettingsRole::GameControllers);
    platform::shell::startProgram(platform::control_panel::commandLine(joysticks.role), joysticks.windowStyle);
    HWND applet = nullptr;
    CHECK(waitFor([&] {
        for (applet = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); applet;
             applet = FindWindowExW(nullptr, applet, L"#32770", nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(applet, &owner);
            if (owner != GetCurrentProcessId() && IsWindowVisible(applet)) return true;
        }
        return false;
    }));
    if (applet) PostMessageW(applet, WM_CLOSE, 0, 0);
}

TEST_CASE("the shell's dialogs are its exports 60 and 61; the Run dialog opens and closes")
{
    CHECK(reinterpret_cast<void*>(platform::win32::shell32Export(60)) != nullptr);
    CHECK(reinterpret_cast<void*>(platform::win32::shell32Export(61)) != nullptr);
    // Cancels the Run dialog as soon as it shows.
    std::atomic<bool> seen{false};
    std::thread closer([&] {
        waitFor(
            [&] {
                HWND dialog = nullptr;
                while ((dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr))) {
                    DWORD owner = 0;
                    GetWindowThreadProcessId(dialog, &owner);
                    if (owner == GetCurrentProcessId() && IsWindowVisible(dialog)) {
                        seen = true;
                        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                        return true;
                    }
                }
                return false;
            },
            20);
    });
    platform::shell::runDialog(0);
    closer.join();
    CHECK(seen);
}

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--show-window-probe")
        return showWindowProbe(platform::win32::wide(argv[2]).c_str());
    doctest::Context context(argc, argv);
    return context.run();
}
