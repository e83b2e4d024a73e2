// The code-page round trip for every code page of the locale table. The
// first byte chooses the code page, the second the direction the rest is
// taken in: as code-page bytes (decoded, then stored back) or as UTF-8 text
// (stored, then decoded). Decoding always gives valid UTF-8, and a text that
// was stored without loss decodes to itself again.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/sys/codepage.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

bool validUtf8(const std::string& s)
{
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        size_t len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (len == 0 || i + len > s.size()) return false;
        for (size_t k = 1; k < len; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += len;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2) return 0;
    using namespace platform::codepage;
    const int codePage = fuzzing::codePageFor(data[0]);
    const std::string rest(reinterpret_cast<const char*>(data) + 2, size - 2);
    std::string text = rest;
    if (data[1] & 1) {
        text = toUtf8(rest, codePage);
        fuzzing::require(validUtf8(text), "decoding gave invalid UTF-8");
    }
    const Encoded stored = fromUtf8(text, codePage);
    const std::string decoded = toUtf8(stored.bytes, codePage);
    fuzzing::require(validUtf8(decoded), "decoding gave invalid UTF-8");
    if (stored.unstorable.empty() && validUtf8(text)) {
        // Stored whole: reading it back and storing it again changes nothing.
        const Encoded again = fromUtf8(decoded, codePage);
        fuzzing::require(again.unstorable.empty(), "a decoded text could not be stored again");
        fuzzing::require(toUtf8(again.bytes, codePage) == decoded, "a stored text read back differently");
    }
    return 0;
}
