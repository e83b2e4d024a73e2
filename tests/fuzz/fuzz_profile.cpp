// The INI reader and writer: setting a value, then reading it back, gives
// the value, and the file is the old one byte for byte but for the key
// line: replaced in place, inserted at the start of a line (a last line
// without a line break gaining one), or appended with its section header.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/sys/profile.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

const std::string value = "fuzz-value.qlk";
const std::string keyLine = "lokalizace=" + value;

bool startsLine(const std::string& text, size_t at) { return at == 0 || text[at - 1] == '\n'; }

// Where the content of the line that starts at `at` ends (before CR LF/LF).
size_t contentEnd(const std::string& text, size_t at)
{
    size_t nl = text.find('\n', at);
    if (nl == std::string::npos) return text.size();
    return nl > at && text[nl - 1] == '\r' ? nl - 1 : nl;
}

bool keptByteForByte(const std::string& before, const std::string& after, size_t key)
{
    const std::string head = before.substr(0, key);
    for (const std::string newline : {"\n", "\r\n"}) {
        const bool open = !before.empty() && before.back() != '\n';
        const std::string closed = before + (open ? newline : "");
        if (key < before.size() && startsLine(before, key)) {
            if (after == head + keyLine + before.substr(contentEnd(before, key))) return true; // replaced
            if (after == head + keyLine + newline + before.substr(key)) return true;           // inserted
        }
        if (after == closed + keyLine + newline) return true;                         // after the last line
        if (after == closed + "[OPTIONS]" + newline + keyLine + newline) return true; // appended
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace platform::profile;
    const std::string before(reinterpret_cast<const char*>(data), size);
    if (before.find(value) != std::string::npos) return 0;
    (void)findValue(before, "OPTIONS", "lokalizace");
    const std::string after = withValue(before, "OPTIONS", "lokalizace", value);
    fuzzing::require(findValue(after, "OPTIONS", "lokalizace") == value, "the value written does not read back");
    const size_t key = after.find(keyLine);
    fuzzing::require(key != std::string::npos, "no key line written");
    fuzzing::require(keptByteForByte(before, after, key), "a line other than the key line was changed");
    return 0;
}
