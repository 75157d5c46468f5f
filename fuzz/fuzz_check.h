// The fuzz targets' one assertion: a broken invariant aborts, so libFuzzer keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

inline void fuzzCheck(bool holds, const char* what, const std::string& detail = std::string())
{
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s %s\n", what, detail.c_str());
        std::abort();
    }
}
