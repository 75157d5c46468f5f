// The host's side of a session with the plug-in.
#include "session/plugin_session.h"

#include <cstdio>

#include "input/adif_contact.h"
#include "session/claimed_setting.h"
#include "host_calls.h"
#include "cli/messages.h"
#include "platform/operator_stand_in.h"
#include "plugin_search.h"
#include "cli/shown_text.h"

namespace {

// The text with CR LF line ends, one terminal line each.
void printLines(const std::string& text)
{
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type end = text.find("\r\n", start);
        std::printf("%s\n", shownText(text.substr(start, end - start)).c_str());
        if (end == std::string::npos) {
            return;
        }
        start = end + 2;
    }
}

}  // namespace

PluginSession::PluginSession(const CommandContext& context)
    : context_(context), call_(stationCall(context))
{
}

PluginSession::~PluginSession()
{
    unload();
}

bool PluginSession::load()
{
    std::string error;
    if (!findStatsPlugin(context_.options.library, plugin_, error)) {
        say(error);
        return false;
    }
    return true;
}

void PluginSession::unload()
{
    unloadStatsPlugin(plugin_);
}

void PluginSession::feedLog(int exportCabrillo)
{
    asOperator([this, exportCabrillo] {
        hostResetStats(plugin_, exportCabrillo, call(), context_.title);
    });
    context_.log->forEachContact(
        [this](const LogContact& contact) { hostAddData(plugin_, contact.host); });
}

std::string PluginSession::requestResult(int& score)
{
    std::string summary;
    const std::string report =
        asOperator([this, &score, &summary] { summary = plugin_.GetResult0(&score); });
    printLines(summary);
    return report;
}

std::string stationCall(const CommandContext& context)
{
    return context.options.callGiven ? hostCallsign(context.options.call)
                                     : context.log->stationCall;
}

void warnUnlessClaimedSaved(const std::string& claimed)
{
    if (!claimedScoreSaved(claimed)) {
        say("the claimed score " + claimed + " was not saved in Plugins/VESTAR.ini");
    }
}
