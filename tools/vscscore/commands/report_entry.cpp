// vscscore report: the command line's values handed to the report (tools/vscscore/report).
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/messages.h"
#include "session/plugin_session.h"
#include "commands/report_command.h"

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
