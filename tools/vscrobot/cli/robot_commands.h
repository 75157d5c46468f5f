// vscrobot's commands, one file each, and what they share: the data folder and its store.
#pragma once

#include "vscrobot/cli/robot_options.h"
#include "vscrobot/cli/robot_say.h"

int serveCommand(const RobotOptions& options);
int submitCommand(const RobotOptions& options);
int listCommand(const RobotOptions& options);
int exportCommand(const RobotOptions& options);
int publishCommand(const RobotOptions& options);

// Exit statuses, as vscscore's where they mean the same.
enum RobotStatus {
    RobotOk = 0,
    RobotUsage = 2,
    RobotRefused = 5,
    RobotStoreFailed = 75,  // EX_TEMPFAIL: a mail server keeps the message and tries again
};

class LogStore;
// Opens the data folder's store; false after saying why not.
bool openStore(const RobotOptions& options, LogStore& store);
