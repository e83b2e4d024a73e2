#include "platform/sys/ostatni_api.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <lmcons.h>

#include "platform/failure.h"
#include "platform/sys/codepage.h"
#include "platform/sys/wildcard.h"
#include "platform/sys/windows/win32_text.h"

namespace platform::ostatni_API {
namespace {

// The folder calls fill a buffer of this many characters, as the folders
// window does; a longer path does not fit.
constexpr unsigned folderBufferSize = 255;

using FolderCall = UINT (*)(char*, UINT);

// The folder the system reports through an ANSI call, as UTF-8 text; empty
// when it does not fit the buffer.
std::string folder(FolderCall call)
{
    char buffer[folderBufferSize] = {};
    const UINT length = call(buffer, folderBufferSize);
    if (length == 0 || length >= folderBufferSize) return {};
    return codepage::toUtf8(std::string(buffer, length), int(GetACP()));
}

UINT tempPathCall(char* buffer, UINT size) { return ::GetTempPathA(size, buffer); }

class WindowsCalls : public Calls {
public:
    // The version as the system itself has it: GetVersionEx reports what
    // the program's manifest claims, RtlGetVersion the truth.
    OsVersion osVersion() override
    {
        using RtlGetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
        const auto get = reinterpret_cast<RtlGetVersion>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
        OSVERSIONINFOW info{};
        info.dwOSVersionInfoSize = sizeof info;
        if (!get || get(&info) != 0) throw Failure("The system version cannot be read.");
        return OsVersion{int(info.dwMajorVersion), int(info.dwMinorVersion), int(info.dwBuildNumber)};
    }

    std::uint64_t millisecondsSinceBoot() override { return GetTickCount64(); }

    std::optional<std::string> userName() override
    {
        char buffer[folderBufferSize] = {};
        DWORD size = folderBufferSize;
        if (!::GetUserNameA(buffer, &size)) return std::nullopt;
        return codepage::toUtf8(std::string(buffer, std::strlen(buffer)), int(GetACP()));
    }
};

} // namespace

std::string applicationFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0)
            throw Failure("The program's own folder cannot be found: " + win32::errorText(GetLastError()) + ".");
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t slash = path.find_last_of(L"\\/");
    return win32::utf8(slash == std::wstring::npos ? path : path.substr(0, slash));
}

std::string windowsDirectory() { return folder(&::GetWindowsDirectoryA); }

char pathSeparator() { return '\\'; }

unsigned GetWindowsDirectoryA(char* buffer, unsigned size)
{
    return fillBuffer(folder(&::GetWindowsDirectoryA), buffer, size);
}

std::string tempPath(const char*) { return folder(&tempPathCall); }

// Windows has no default beside the variable: its own folders are searched
// by the system itself.
std::vector<std::string> programFolders(const char* path)
{
    std::vector<std::string> folders;
    const std::string list = path ? path : "";
    for (size_t start = 0; start <= list.size();) {
        const size_t semicolon = std::min(list.find(';', start), list.size());
        if (semicolon > start) folders.push_back(list.substr(start, semicolon - start));
        start = semicolon + 1;
    }
    return folders;
}

unsigned GetTempPathA(unsigned size, char* buffer) { return fillBuffer(folder(&tempPathCall), buffer, size); }

unsigned GetSystemDirectoryA(char* buffer, unsigned size)
{
    return fillBuffer(folder(&::GetSystemDirectoryA), buffer, size);
}

// $HOME where it is set, else the account's own folder.
std::string homeFolder()
{
    for (const wchar_t* name : {L"HOME", L"USERPROFILE"}) {
        std::wstring value(32768, L'\0');
        const DWORD length = GetEnvironmentVariableW(name, value.data(), DWORD(value.size()));
        if (length > 0 && length < value.size()) return win32::utf8(value.data(), length);
    }
    return {};
}

// Language files sit beside the program on Windows; the XDG data folders
// have no meaning there.
LanguageFolders languageFolders(const std::string& applicationFolder, const char*, const std::string&, const char*)
{
    LanguageFolders folders;
    folders.application = applicationFolder;
    return folders;
}

std::optional<std::string> findFile(const std::vector<std::string>& folders, const std::string& name)
{
    for (const std::string& folder : folders) {
        const std::string path = folder + "\\" + name;
        const DWORD attributes = GetFileAttributesW(win32::wide(path).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return path;
    }
    return std::nullopt;
}

std::vector<std::string> filesMatching(const std::string& folder, const std::string& pattern)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileExW(win32::wide(folder + "\\*").c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return names;
    const auto lower = [](std::string text) {
        for (char& c : text)
            if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
        return text;
    };
    const std::string lowerPattern = lower(pattern);
    do {
        const DWORD skipped = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DEVICE;
        const std::string name = win32::utf8(found.cFileName);
        // Matched here rather than by the system, whose patterns also match
        // short 8.3 names ("*.qlk" would find "x.qlkx").
        if ((found.dwFileAttributes & skipped) == 0 && file_operations::wildcardMatch(lowerPattern, lower(name)))
            names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::unique_ptr<Calls> makeNative() { return std::make_unique<WindowsCalls>(); }

} // namespace platform::ostatni_API
