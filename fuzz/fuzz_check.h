// The fuzz targets' one assertion: a broken invariant aborts, so libFuzzer keeps the input.
#pragma once

#include <sanitizer/common_interface_defs.h>

#include <cstdlib>
#include <string>

inline void fuzzCheck(bool holds, const char* what, const std::string& detail = std::string())
{
    if (!holds) {
        // Through the sanitizers' report channel: the runs close standard error.
        const std::string report = std::string("invariant broken: ") + what + " " + detail;
        __sanitizer_report_error_summary(report.c_str());
        std::abort();
    }
}
