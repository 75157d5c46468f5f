// vscscore report: the text report on standard output and, when asked, the page in a file.
#pragma once

#include <string>

#include "input/log_file.h"
#include "report/log_report.h"

struct ReportRequest {
    ReportHeading heading;
    unsigned offTimeMinutes = 30;
    std::string pagePath;  // empty: no page
    std::string logPath;   // never overwritten by the page
};

// False with the reason when the page could not be written, or would have replaced the log;
// an older file of that name is then as it was, and nothing is printed for a page that names
// the log.
bool runReport(const LoadedLog& log, const ReportRequest& request, std::string& error);

// The value of --off-time: whole minutes, 1 or more; false for anything else.
bool parseOffTime(const std::string& text, unsigned& minutes);
