// The cross-check's output texts: qsos.csv, results.csv, results.txt and each entrant's ubn
// report. Lines end with LF; the bytes are the same on every system; log text is shown with
// its control bytes escaped, and no CSV cell opens as a formula.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "crosscheck/crosscheck.h"

// The counting logs by callsign: the order of qsos.csv.
std::vector<std::size_t> logsByCall(const LogSet& set, const CrosscheckResult& result);
// The counting logs by category, then final score (highest first), then callsign.
std::vector<std::size_t> logsByStanding(const LogSet& set, const CrosscheckResult& result);

std::string qsosCsv(const LogSet& set, const CrosscheckResult& result);
// Whether a verdict is a finding of the entrant's: any but ok and no-log.
bool isFinding(Verdict verdict);
// A log's clock offset as the reports give it: "+4 minutes (from 37 matched contacts)".
std::string clockText(const ClockEstimate& clock);

std::string resultsCsv(const LogSet& set, const CrosscheckResult& result);
// The table a sponsor publishes: the contest and its period, each category's places, a legend
// of the columns, then the notes. Control bytes are shown escaped.
std::string resultsText(const LogSet& set, const CrosscheckResult& result,
                        const CrosscheckRules& rules, const std::vector<std::string>& notes);
// The text of a log's line by its number, for quoting: the lines' texts are not held in the
// logs, so the caller fetches those that quotedLines names.
using LineText = std::function<std::string(std::size_t log, uint32_t line)>;

// The lines a log's report quotes, as (log, line number): its lines with a finding and their
// partners' lines, in the order the report quotes them.
std::vector<std::pair<std::size_t, uint32_t>> quotedLines(const LogSet& set,
                                                          const CrosscheckResult& result,
                                                          std::size_t log);

// Every line with a finding (any verdict but ok and no-log), its verdict, and the partner's
// line quoted.
std::string ubnReport(const LogSet& set, const CrosscheckResult& result, std::size_t log,
                      const LineText& text);
// "ubn/R1ABC.txt" for R1ABC: the call's outputFileBase.
std::string ubnFileName(const std::string& call);
