// vscrobot publish: the counting logs exported afresh into the data folder, then vscscore's
// own cross-check on them with its results site, written where serve shows /results/.
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "cli/commands.h"
#include "platform/folder_access.h"
#include "vscrobot/cli/robot_commands.h"
#include "vscrobot/store/log_export.h"
#include "vscrobot/store/log_store.h"
#include "vscrobot/web/robot_site.h"

namespace {

// The export folder is the robot's own: what a previous publish wrote there goes, so a log
// no longer counting is not cross-checked.
bool clearFolder(const std::string& folder, std::string& why)
{
    std::vector<std::string> names;
    std::vector<SkippedEntry> skipped;  // no file of ours: left for the cross-check to name
    if (!isFolder(folder)) {
        return true;
    }
    if (!listFolder(folder, names, skipped, why)) {
        return false;
    }
    for (const std::string& name : names) {
        if (unlink((folder + "/" + name).c_str()) != 0) {
            why = "cannot remove " + folder + "/" + name;
            return false;
        }
    }
    return true;
}

}  // namespace

int publishCommand(const RobotOptions& options)
{
    if (!options.operands.empty()) {
        robotSay("publish takes no operands");
        return RobotUsage;
    }
    LogStore store;
    if (!openStore(options, store)) {
        return RobotStoreFailed;
    }
    std::string why;
    const std::string logs = options.data + "/published-logs";
    std::size_t written = 0;
    if (!clearFolder(logs, why) || !(why = exportLogs(store, logs, written)).empty()) {
        robotSay(why);
        return RobotStoreFailed;
    }
    if (written == 0) {
        robotSay("no log received yet; nothing to publish");
        return RobotRefused;
    }
    // The driver's own cross-check, as `vscscore crosscheck --html` runs it.
    Options crosscheck;
    crosscheck.command = "crosscheck";
    crosscheck.operands = {logs};
    crosscheck.out = resultsFolder(options.data);
    crosscheck.site = true;
    crosscheck.rules = options.rules;
    crosscheck.date = options.date;
    crosscheck.hours = options.hours;
    // Findings (1) are what a cross-check is for; the site is written all the same.
    const int status = crosscheckCommand(CommandContext{crosscheck, nullptr, {}, {}});
    return status == 1 ? RobotOk : status;
}
