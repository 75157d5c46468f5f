// Builds the report once and writes it both ways; the page is written whole beside its target
// and renamed over it, so a failed write never leaves half a page over an older one.
#include "commands/report_command.h"

#include <cstdio>
#include <filesystem>

#include "cli/shown_text.h"
#include "input/plain_text.h"
#include "platform/utf8_files.h"
#include "page/report_html.h"
#include "report/report_text.h"

bool runReport(const LoadedLog& log, const ReportRequest& request, std::string& error)
{
    std::error_code ignored;
    if (!request.pagePath.empty() &&
        std::filesystem::equivalent(std::filesystem::u8path(request.pagePath),
                                    std::filesystem::u8path(request.logPath), ignored)) {
        error = request.pagePath + " is the log itself; the page needs a name of its own";
        return false;
    }
    const LogReport report = buildLogReport(log.contacts, request.offTimeMinutes);
    std::fputs(shownText(reportText(report, request.heading)).c_str(), stdout);
    if (request.pagePath.empty()) {
        return true;
    }
    std::string reason;
    if (!replaceFileUtf8(request.pagePath, reportPage(report, request.heading, log.contacts),
                         reason)) {
        error = "cannot write " + request.pagePath + ": " + reason;
        return false;
    }
    return true;
}

bool parseOffTime(const std::string& text, unsigned& minutes)
{
    return wholeNumber(text, 1, 999999, minutes);
}
