// vscscore report: the command line's values handed to the report (tools/vscscore/report).
#include "commands.h"
#include "exit_status.h"
#include "messages.h"
#include "plugin_session.h"
#include "report_command.h"

int reportCommand(const CommandContext& context)
{
    const Options& options = context.options;
    ReportRequest request;
    request.heading.station = stationCall(context);
    request.heading.contestDate = formatDateRecord(context.title, "%Y-%m-%d");
    request.pagePath = options.html;
    request.logPath = options.operands[0];
    if (!options.offTime.empty()) {
        parseOffTime(options.offTime, request.offTimeMinutes);
    }
    std::string error;
    if (!runReport(*context.log, request, error)) {
        say(error);
        return Errors;
    }
    return Clean;
}
