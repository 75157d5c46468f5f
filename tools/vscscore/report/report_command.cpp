// Builds the report once and writes it both ways; the page goes through the plug-in's own
// whole-file writer, so a failed write never leaves half a page over an older one.
#include "report_command.h"

#include <cstdio>
#include <filesystem>

#include "platform/platform.h"
#include "report_html.h"
#include "report_text.h"

bool runReport(const LoadedLog& log, const ReportRequest& request, std::string& error)
{
    std::error_code ignored;
    if (!request.pagePath.empty() &&
        std::filesystem::equivalent(request.pagePath, request.logPath, ignored)) {
        error = request.pagePath + " is the log itself; the page needs a name of its own";
        return false;
    }
    const LogReport report = buildLogReport(log.contacts, request.offTimeMinutes);
    std::fputs(reportText(report, request.heading).c_str(), stdout);
    if (request.pagePath.empty()) {
        return true;
    }
    if (!platform::writeWholeFile(request.pagePath,
                                  reportPage(report, request.heading, log.contacts))) {
        error = "cannot write " + request.pagePath;
        return false;
    }
    return true;
}

bool parseOffTime(const std::string& text, unsigned& minutes)
{
    if (text.empty() || text.size() > 6 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    minutes = static_cast<unsigned>(std::stoul(text));
    return minutes > 0;
}
