// vscscore score: the log fed to the plug-in, its summary printed, its claimed score checked.
#include "cli/commands.h"
#include "export/empty_log_guard.h"
#include "cli/exit_status.h"
#include "session/plugin_session.h"

int scoreCommand(const CommandContext& context)
{
    if (emptyLogRefused(context.log->contacts.empty(), std::string())) {
        return BadLog;
    }
    PluginSession session(context);
    if (!session.load()) {
        return NoPlugin;
    }
    session.feedLog(0);
    int score = 0;
    session.requestResult(score);
    warnUnlessClaimedSaved(std::to_string(score));
    return Clean;
}
