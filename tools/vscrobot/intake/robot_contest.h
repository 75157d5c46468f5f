// The contest the robot takes logs for: the rules as crosscheck reads them, lint's period and
// the upload window.
#pragma once

#include <string>

#include "contest/crosscheck_rules.h"
#include "lint/lint_rules.h"
#include "vscrobot/cli/robot_options.h"
#include "vscrobot/intake/upload_window.h"

struct RobotContest {
    CrosscheckRules rules;
    ContestPeriod period;
    UploadWindow window;
};

// Empty, or every reason the options give no contest, one a line.
std::string readContest(const RobotOptions& options, RobotContest& contest);

// "2026-12-12 0000 UTC, 24 hours", or "no period set".
std::string periodText(const RobotContest& contest);
