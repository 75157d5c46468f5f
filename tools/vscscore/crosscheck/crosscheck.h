// The cross-check of a contest's logs: every QSO line's verdict, each log's clock and score.
#pragma once

#include <cstdint>
#include <vector>

#include "contest/crosscheck_rules.h"
#include "contest/log_set.h"
#include "crosscheck/verdict.h"

struct LineResult {
    Verdict verdict = Verdict::Pending;
    int32_t partnerLog = -1;  // the matched line's log, or the log of the station worked
    int32_t partnerQso = -1;  // index into that log's qsos; -1 where there is no line
    NameId partnerCall = NoName;  // a busted call's station actually worked
};

struct ClockEstimate {
    int32_t offset = 0;    // minutes the log's clock was ahead
    uint32_t samples = 0;  // unambiguous matches it rests on
    bool reliable = true;  // false: those matches disagree
};

struct LogTotals {
    uint32_t counts[VerdictCount] = {};
    uint32_t confirmed = 0;
    int64_t checked = 0;
    int64_t penalty = 0;
    int64_t final() const { return checked - penalty; }
};

struct CrosscheckResult {
    std::vector<int32_t> superseded;              // per log; -1 when it counts
    std::vector<std::vector<LineResult>> lines;   // per log, per QSO line
    bool clocksEstimated = false;  // false: Clock=off, every log taken as it is
    std::vector<ClockEstimate> clocks;
    std::vector<LogTotals> totals;
};

// Stage names for a progress line: "checking lines", "clocks", "matching", "scoring".
using StageReport = void (*)(const char* stage, uint64_t linesDone, void* context);

CrosscheckResult crosscheck(const LogSet& set, const CrosscheckRules& rules,
                            StageReport report = nullptr, void* context = nullptr);
