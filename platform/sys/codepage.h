#pragma once
// Conversion between UTF-8 and the system's ANSI code page (the 8-bit or
// double-byte code page that language files and notes are written in).

#include <string>
#include <vector>

namespace platform::codepage {

// The ANSI code page in force: `forced` (the value of $QUELMARN_CODEPAGE)
// when not empty, else the system's own (systemAnsiCodePage). Throws
// platform::Failure when `forced` is no code page number.
int ansiCodePage(const std::string& forced);

// The system's ANSI code page: on Windows the one the system is set to; on
// systems without one, derived from the locale's language the way Windows
// maps it (C/POSIX or no locale -> 1250).
int systemAnsiCodePage();

// The code page a locale name such as "cs_CZ.UTF-8" maps to.
int codePageForLocale(const std::string& localeName);

// Never fails: a byte the code page does not define becomes U+FFFD.
std::string toUtf8(const std::string& ansiBytes, int codePage);

struct Encoded {
    std::string bytes;
    std::vector<std::string> unstorable; // UTF-8 characters replaced by '?'
};

// Encodes UTF-8 text; characters the code page cannot hold are listed so a
// caller can refuse to lose them.
Encoded fromUtf8(const std::string& utf8, int codePage);

// The UTF-16 unit of every byte of a single-byte code page, as toUtf8
// decodes it, so that a long text can be decoded in one pass. Empty when no
// byte-by-byte table stands for the code page: a double-byte page, a
// decoder whose result for a byte depends on its neighbour (checked on
// every pair of bytes), or one whose CR and LF are not plain CR and LF.
// Worked out once per code page.
const std::vector<char16_t>& byteTable(int codePage);

} // namespace platform::codepage
