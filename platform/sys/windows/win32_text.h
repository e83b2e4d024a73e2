#pragma once
// What the Windows backend shares: the program's text is UTF-8, the system's
// wide calls take UTF-16, and a failed call is reported in the system's own
// words.

#include <windows.h>

#include <string>

namespace platform::win32 {

std::wstring wide(const std::string& utf8);
std::string utf8(const std::wstring& text);
std::string utf8(const wchar_t* text, size_t length);

// The system's message for an error code, without the final full stop and
// line break ("Access is denied").
std::string errorText(DWORD error);

// A handle closed when it goes out of scope.
class Handle {
public:
    explicit Handle(HANDLE value = INVALID_HANDLE_VALUE) : value_(value) {}
    ~Handle() { reset(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return value_; }
    bool valid() const { return value_ != INVALID_HANDLE_VALUE && value_ != nullptr; }
    void reset(HANDLE value = INVALID_HANDLE_VALUE)
    {
        if (valid()) CloseHandle(value_);
        value_ = value;
    }
    HANDLE release()
    {
        HANDLE value = value_;
        value_ = INVALID_HANDLE_VALUE;
        return value;
    }

private:
    HANDLE value_;
};

// An export of shell32 by number (60: the shut-down dialog, 61: the Run
// dialog), or null.
FARPROC shell32Export(int ordinal);

} // namespace platform::win32
