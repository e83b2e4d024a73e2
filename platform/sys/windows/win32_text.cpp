#include "platform/sys/windows/win32_text.h"

namespace platform::win32 {

std::wstring wide(const std::string& utf8)
{
    if (utf8.empty()) return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring text(size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), text.data(), length);
    return text;
}

std::string utf8(const wchar_t* text, size_t length)
{
    if (length == 0) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, int(length), nullptr, 0, nullptr, nullptr);
    std::string bytes(size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, int(length), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

std::string utf8(const std::wstring& text) { return utf8(text.data(), text.size()); }

std::string errorText(DWORD error)
{
    wchar_t* message = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    std::string text = length ? utf8(message, length) : "system error " + std::to_string(error);
    if (message) LocalFree(message);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    return text;
}

FARPROC shell32Export(int ordinal)
{
    // shell32 stays loaded for the life of the program once asked for.
    static const HMODULE shell32 = LoadLibraryW(L"shell32.dll");
    if (!shell32) return nullptr;
    return GetProcAddress(shell32, MAKEINTRESOURCEA(ordinal));
}

} // namespace platform::win32
