// What the robot reads from one uploaded Cabrillo file: lint's findings with the contest period,
// and the figures a receipt shows.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "lint/lint_rules.h"

struct CheckedLog {
    LintReport lint;
    std::string call;  // CALLSIGN:, trimmed and upper case
    std::vector<std::pair<std::string, std::string>> categories;  // CATEGORY-* tags in order
    std::string claimed;  // CLAIMED-SCORE: as written, trimmed
    int32_t rawScore = 0;  // the plug-in's points over every QSO line
    std::string sha256;    // of the bytes, lower-case hex

    bool refused() const { return !lint.unreadable.empty() || lint.errors > 0; }
};

CheckedLog checkLog(const std::string& bytes, const ContestPeriod& period);

// "CATEGORY-OPERATOR SINGLE-OP, CATEGORY-BAND ALL": the categories on one line.
std::string categoriesText(const CheckedLog& log);
