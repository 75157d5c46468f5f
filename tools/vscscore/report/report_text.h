// The report for the terminal: plain text, one table or figure per paragraph.
#pragma once

#include <string>

#include "report/log_report.h"

// Lines end in "\n"; nothing depends on the locale.
std::string reportText(const LogReport& report, const ReportHeading& heading);
