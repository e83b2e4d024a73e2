#include "platform/sys/wildcard.h"

namespace platform::file_operations {

bool wildcardMatch(const std::string& pattern, const std::string& name)
{
    // Greedy with one back-track point: the last '*' seen takes one more
    // byte whenever what follows it fails. Linear in practice, never
    // exponential.
    size_t p = 0, n = 0, star = std::string::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (star != std::string::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

} // namespace platform::file_operations
