// What vscrobot's commands share: the data folder's store, opened one way.
#include "vscrobot/cli/robot_commands.h"

#include <string>

#include "vscrobot/store/log_store.h"

bool openStore(const RobotOptions& options, LogStore& store)
{
    std::string why;
    if (!store.open(options.data, why)) {
        robotSay(why);
        return false;
    }
    return true;
}
