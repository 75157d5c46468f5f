// vscrobot list: the logs that count, one a line, tab-separated for scripts.
#include <cstdio>

#include "cli/shown_text.h"
#include "vscrobot/cli/robot_commands.h"
#include "vscrobot/intake/utc_time.h"
#include "vscrobot/store/log_store.h"

int listCommand(const RobotOptions& options)
{
    if (!options.operands.empty()) {
        robotSay("list takes no operands");
        return RobotUsage;
    }
    LogStore store;
    if (!openStore(options, store)) {
        return RobotStoreFailed;
    }
    std::string why;
    std::vector<StoredLog> logs;
    if (!store.counting(false, logs, why)) {
        robotSay(why);
        return RobotStoreFailed;
    }
    for (const StoredLog& log : logs) {
        const std::string line = log.call + "\t" + log.categories + "\t" +
                                 std::to_string(log.qsoLines) + "\t" + log.claimed + "\t" +
                                 utcText(log.received) + "\treceipt " +
                                 std::to_string(log.receipt);
        std::printf("%s\n", shownText(line).c_str());
    }
    return RobotOk;
}
