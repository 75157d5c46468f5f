// The report page's charts as SVG elements: QSOs per clock hour stacked by band, the score
// over time, and the band-by-time strip with off periods and the audit's findings.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "input/adif_contact.h"
#include "report/log_report.h"

// The fill of a band, from a palette that stays distinguishable with colour-blind sight
// (Okabe and Ito); after eight bands the colours repeat.
std::string bandColour(std::size_t band);

std::string hourlyRateChart(const LogReport& report);
std::string cumulativeScoreChart(const LogReport& report);
// contacts: those the report was built from, named in the findings' tooltips.
std::string bandTimeChart(const LogReport& report, const std::vector<LogContact>& contacts);
