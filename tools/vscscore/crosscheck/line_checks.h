// What one log shows on its own: unreadable lines, lines outside the contest period, and
// repeats under the contest's repeat rule.
#pragma once

#include <vector>

#include "crosscheck/crosscheck.h"

// Sets invalid and out-of-period; leaves every other line pending.
void checkLines(const LogInput& log, const CrosscheckRules& rules,
                std::vector<LineResult>& lines);

// Once every line is matched and judged: dupe and too-early. A repeat is judged against the
// earlier lines that count (ok, busted-exchange, no-log, unique; not a not-for-credit line), in
// logged time order (file order on a tie), by the product's own repeat judge; partnerQso names
// the earlier line.
void judgeRepeats(const LogInput& log, const CrosscheckRules& rules,
                  std::vector<LineResult>& lines);
