// The wildcard matcher against a plain reference (dynamic programming over
// pattern and name). The input's first line is the pattern, the rest the name.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/sys/wildcard.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

bool referenceMatch(const std::string& pattern, const std::string& name)
{
    // matches[j]: pattern[0, i) matches name[0, j).
    std::vector<char> matches(name.size() + 1, 0);
    matches[0] = 1;
    for (char p : pattern) {
        std::vector<char> next(name.size() + 1, 0);
        for (size_t j = 0; j <= name.size(); ++j) {
            if (p == '*')
                next[j] = matches[j] || (j > 0 && next[j - 1]);
            else if (j > 0)
                next[j] = matches[j - 1] && (p == '?' || p == name[j - 1]);
        }
        matches.swap(next);
    }
    return matches[name.size()];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\n');
    if (split == std::string::npos) return 0;
    const std::string pattern = input.substr(0, split);
    const std::string name = input.substr(split + 1);
    fuzzing::require(platform::file_operations::wildcardMatch(pattern, name) == referenceMatch(pattern, name),
                     "the matcher and the reference differ");
    return 0;
}
