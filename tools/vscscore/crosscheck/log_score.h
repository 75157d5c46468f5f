// A log's checked score: its credited contacts' points, less the penalties of its findings.
#pragma once

#include <vector>

#include "crosscheck/crosscheck.h"

// Points of a line: the integer value of the rules' Points field as the plug-in's summary
// counts it, or 1 without one. Credited: ok, no-log, and unique when the rules allow it.
// Penalty: NotInLog, BustedCall or BustedExchange times the line's points. A not-for-credit
// line is neither.
LogTotals scoreLog(const LogSet& set, std::size_t log, const CrosscheckRules& rules,
                   const std::vector<LineResult>& lines);

int64_t linePoints(const LogSet& set, const LogInput& log, const QsoInput& qso,
                   const CrosscheckRules& rules);
