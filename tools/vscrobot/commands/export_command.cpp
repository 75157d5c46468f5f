// vscrobot export OUTDIR.
#include <cstdio>

#include "vscrobot/cli/robot_commands.h"
#include "vscrobot/store/log_export.h"
#include "vscrobot/store/log_store.h"

int exportCommand(const RobotOptions& options)
{
    if (options.operands.size() != 1) {
        robotSay("export takes OUTDIR");
        return RobotUsage;
    }
    LogStore store;
    if (!openStore(options, store)) {
        return RobotStoreFailed;
    }
    std::string why;
    std::size_t written = 0;
    why = exportLogs(store, options.operands[0], written);
    if (!why.empty()) {
        robotSay(why);
        return RobotStoreFailed;
    }
    std::fprintf(stderr, "vscrobot: %zu logs written\n", written);
    return RobotOk;
}
