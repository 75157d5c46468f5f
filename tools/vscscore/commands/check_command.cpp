// vscscore check: may this station be worked now, after the log's contacts?
#include <cstdio>

#include "input/adif_contact.h"
#include "cli/commands.h"
#include "platform/console_text.h"
#include "cli/exit_status.h"
#include "host_calls.h"
#include "cli/messages.h"
#include "session/plugin_session.h"
#include "scoring/band_plan.h"
#include "cabrillo/qso_line.h"
#include "cli/shown_text.h"

int checkCommand(const CommandContext& context)
{
    const std::vector<std::string>& typedIn = context.options.operands;
    if (hostCallsign(typedIn[1]).empty()) {
        return usageError("check wants a callsign to check, not an empty text");
    }
    // The modes the plug-in's own mode map knows; any other it writes as none.
    if (cabrilloMode(hostMode(typedIn[3], std::string())) == "PM") {
        return usageError("unknown mode " + typedIn[3] + "; CW or SSB (USB and LSB count as SSB)");
    }
    PluginSession session(context);
    if (!session.load()) {
        return NoPlugin;
    }
    session.feedLog(0);
    const std::vector<std::string>& operands = context.options.operands;
    const std::string call = hostCallsign(operands[1]);
    const std::string& typed = operands[2];
    const std::string mode = hostMode(operands[3], std::string());
    std::string band = hostBand(typed);
    if (band.empty()) {
        band = hostBand(typed + "m");
    }
    if (band.empty()) {
        return usageError("unknown band " + typed);
    }
    char warning[WarningBufferSize] = {};
    const int accepted = hostCheckCall(session.plugin(), call, mode, band, warning);
    std::string line = call + " " + band + " " + mode + ": " +
                       (accepted != 0 ? "accepted" : "refused");
    if (warning[0] != '\0') {
        line += ": " + cp1251ToUtf8(warning);
    }
    std::printf("%s\n", shownText(line).c_str());
    return accepted != 0 ? Clean : Found;
}
