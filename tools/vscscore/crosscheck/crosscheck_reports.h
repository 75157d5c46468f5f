// The cross-check's output texts: qsos.csv, results.csv, results.txt and each entrant's ubn
// report. Lines end with LF; the bytes are the same on every system.
#pragma once

#include <string>
#include <vector>

#include "crosscheck.h"

// The counting logs by callsign: the order of qsos.csv.
std::vector<std::size_t> logsByCall(const LogSet& set, const CrosscheckResult& result);
// The counting logs by category, then final score (highest first), then callsign.
std::vector<std::size_t> logsByStanding(const LogSet& set, const CrosscheckResult& result);

std::string qsosCsv(const LogSet& set, const CrosscheckResult& result);
std::string resultsCsv(const LogSet& set, const CrosscheckResult& result);
std::string resultsText(const LogSet& set, const CrosscheckResult& result,
                        const std::vector<std::string>& notes);
// Every line with a finding, its verdict, and the partner's line quoted.
std::string ubnReport(const LogSet& set, const CrosscheckResult& result, std::size_t log);
// "ubn/R1ABC.txt" for R1ABC, named as the plug-in names its files after a callsign.
std::string ubnFileName(const std::string& call);
