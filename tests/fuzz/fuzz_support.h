#pragma once
// Small shared pieces of the fuzz harnesses.

#include <cstdio>
#include <cstdlib>

namespace fuzzing {

// The code pages the locale table can choose.
constexpr int codePages[] = {1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258, 874, 932, 936, 949, 950};

inline int codePageFor(unsigned char selector)
{
    return codePages[selector % (sizeof codePages / sizeof codePages[0])];
}

// A broken property is a finding: abort, so libFuzzer keeps the input.
inline void require(bool holds, const char* what)
{
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

} // namespace fuzzing
