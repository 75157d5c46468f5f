// Checks a Cabrillo 3.0 file, written here or by any other logger, as a contest sponsor's
// robot would, and by this contest's own rules.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "input/contest_period.h"

struct LintFinding {
    std::size_t line = 0;  // 0: the file as a whole
    bool error = false;    // an error makes a robot reject the log; a warning, correct it
    std::string message;
};

struct LintReport {
    std::string unreadable;  // why the bytes are no Cabrillo file at all; empty when they are
    std::vector<LintFinding> findings;  // in line order
    std::size_t qsoLines = 0;
    std::size_t errors = 0;
    std::size_t warnings = 0;
};

LintReport lintCabrillo(const std::string& bytes, const ContestPeriod& period);

// The same for a file already split into lines, as the export's read-back holds it.
class CabrilloText;
LintReport lintCabrillo(const CabrilloText& text, const ContestPeriod& period);
