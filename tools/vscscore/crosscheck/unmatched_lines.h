// The lines left without a partner line: a miscopied call on either side, a contact the other
// station never logged, or a station that sent no log.
#pragma once

#include <vector>

#include "crosscheck/crosscheck.h"
#include "crosscheck/field_values.h"

// logOf: the counting log of each name, or -1. offsets: each log's clock correction.
// A pending line is paired, where it can be, with a pending line of a log whose call is its
// own call or one miscopy from it, that names this log's call or one miscopy from it, on the
// same band and mode in the tolerance: the side whose call was miscopied gets busted-call, the
// other is ok (a partner's miscopy of my call costs me nothing). A miscopy into the call of a
// station that sent a log, or one on both sides at once, is taken only where the exchanges
// agree. Then, whatever the calls, two lines whose exchanges agree and no other line in the
// contest shares (serial numbers) are paired the same way. What stays is not-in-log when the
// call sent a log; else busted-call when a call one change from it is held by many times as
// many logs; else no-log when NoLog logs hold the call; else unique.
void judgeUnmatched(const LogSet& set, const CrosscheckRules& rules, const FieldValues& values,
                    const std::vector<int32_t>& logOf, const std::vector<int32_t>& offsets,
                    std::vector<std::vector<LineResult>>& lines);
