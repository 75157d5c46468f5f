// What one log shows on its own: unreadable lines, lines outside the contest period, and
// repeats under the contest's repeat rule.
#pragma once

#include <vector>

#include "crosscheck/crosscheck.h"

// Sets invalid, out-of-period, dupe and too-early; leaves every other line pending. A repeat
// is judged against the earlier lines that count, in logged time order (file order on a tie),
// by the product's own repeat judge; partnerQso names the earlier line.
void checkLines(const LogInput& log, const CrosscheckRules& rules,
                std::vector<LineResult>& lines);
