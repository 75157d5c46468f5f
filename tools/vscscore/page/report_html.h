// The report as one self-contained web page: the text report's tables and SVG charts, with no
// scripts and nothing fetched from elsewhere.
#pragma once

#include <string>
#include <vector>

#include "input/adif_contact.h"
#include "report/log_report.h"

// UTF-8, "\n" line ends; the same bytes from every build.
std::string reportPage(const LogReport& report, const ReportHeading& heading,
                       const std::vector<LogContact>& contacts);
