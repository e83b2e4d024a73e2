#include "platform/sys/codepage.h"

#include <windows.h>

#include "platform/failure.h"
#include "platform/sys/windows/win32_text.h"

namespace platform::codepage {
namespace {

// The system's own ANSI code page is asked for as CP_ACP, so the system's
// current table serves; others by number.
UINT systemName(int codePage) { return UINT(codePage) == GetACP() ? CP_ACP : UINT(codePage); }

void requireKnown(UINT codePage, int number)
{
    CPINFO info{};
    if (!GetCPInfo(codePage, &info))
        throw Failure("The code page " + std::to_string(number) + " is not available on this system.");
}

// One character of the code page's text: two bytes for a lead byte of a
// double-byte code page.
size_t characterLength(UINT codePage, const std::string& bytes, size_t at)
{
    return IsDBCSLeadByteEx(codePage, BYTE(bytes[at])) && at + 1 < bytes.size() ? 2 : 1;
}

// UTF-16 code units of one code point at `at`.
size_t codePointLength(const std::wstring& text, size_t at)
{
    return IS_HIGH_SURROGATE(text[at]) && at + 1 < text.size() && IS_LOW_SURROGATE(text[at + 1]) ? 2 : 1;
}

bool decode(UINT codePage, const char* bytes, size_t size, std::wstring& out)
{
    const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes, int(size), nullptr, 0);
    if (length <= 0) return false;
    const size_t start = out.size();
    out.resize(start + size_t(length));
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes, int(size), &out[start], length);
    return true;
}

// Encodes UTF-16 text; false when a character had to be replaced.
bool encode(UINT codePage, const wchar_t* text, size_t size, std::string& out)
{
    BOOL replaced = FALSE;
    const int length = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text, int(size), nullptr, 0, "?", &replaced);
    const size_t start = out.size();
    out.resize(start + size_t(length));
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text, int(size), &out[start], length, "?", &replaced);
    return !replaced;
}

} // namespace

int systemAnsiCodePage() { return int(GetACP()); }

std::string toUtf8(const std::string& ansiBytes, int codePage)
{
    const UINT system = systemName(codePage);
    requireKnown(system, codePage);
    std::wstring text;
    if (!decode(system, ansiBytes.data(), ansiBytes.size(), text)) {
        // Some byte is undefined here: character by character, U+FFFD for
        // each such byte.
        text.clear();
        for (size_t at = 0; at < ansiBytes.size();) {
            const size_t length = characterLength(system, ansiBytes, at);
            if (decode(system, ansiBytes.data() + at, length, text)) {
                at += length;
            } else {
                text += L'\xFFFD';
                ++at;
            }
        }
    }
    return win32::utf8(text);
}

Encoded fromUtf8(const std::string& utf8, int codePage)
{
    const UINT system = systemName(codePage);
    requireKnown(system, codePage);
    const std::wstring text = win32::wide(utf8);
    Encoded result;
    if (encode(system, text.data(), text.size(), result.bytes)) return result;
    // Some character has no place in the code page: find which.
    result.bytes.clear();
    for (size_t at = 0; at < text.size();) {
        const size_t length = codePointLength(text, at);
        if (!encode(system, text.data() + at, length, result.bytes))
            result.unstorable.push_back(win32::utf8(text.data() + at, length));
        at += length;
    }
    return result;
}

} // namespace platform::codepage
