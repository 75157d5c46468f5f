// The lines that two logs hold of each other, grouped by the pair of logs, band and mode: what
// the clock estimate and the matcher both work on.
#pragma once

#include <cstdint>
#include <vector>

#include "crosscheck/crosscheck.h"

struct PairEntry {
    uint32_t log = 0;    // the line's log
    uint32_t qso = 0;    // the line
    uint32_t other = 0;  // the log of the station it names
    int32_t minute = 0;  // as logged
    NameId band = NoName;
    NameId mode = NoName;
};

struct ContactPairs {
    std::vector<PairEntry> entries;  // grouped; inside a group, the lower log's lines first
    std::vector<uint32_t> groupStarts;  // and entries.size() at the end
};

// Every pending line that names a counting log (logOf: the counting log of each name, or -1).
ContactPairs contactPairs(const LogSet& set, const std::vector<std::vector<LineResult>>& lines,
                          const std::vector<int32_t>& logOf);
