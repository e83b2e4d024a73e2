#pragma once
// Matching a file name against a wildcard pattern, the same on every system.

#include <string>

namespace platform::file_operations {

// Matches a name against a pattern of '*' (any run, empty included) and '?'
// (one byte); every other byte matches itself only. A '*' or '?' in the
// name is an ordinary byte there.
bool wildcardMatch(const std::string& pattern, const std::string& name);

} // namespace platform::file_operations
