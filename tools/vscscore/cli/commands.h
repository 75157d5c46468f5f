// The commands as the command table runs them: each gets the command line and what was read
// for it, and returns the exit status.
#pragma once

#include <string>
#include <vector>

#include "input/log_file.h"
#include "input/contest_period.h"
#include "scoring/ole_date.h"

struct Options {
    std::string command;
    std::vector<std::string> operands;  // the log first
    std::string call;
    bool callGiven = false;
    std::string date;
    std::string hours;
    std::string library;
    bool help = false;
    std::string offTime;  // report only
    std::string html;     // report only: the page's file
    std::string rules;    // crosscheck only
    std::string out = "crosscheck";  // crosscheck only: the output folder
    bool site = false;    // crosscheck only: --html, the results site too
};

struct CommandContext {
    const Options& options;
    LoadedLog* log;         // null for a command that reads no log; a command may empty its
                            // contacts once it has them in a form of its own
    DateRecord title;       // the contest date: --date, else the first contact's day
    ContestPeriod period;   // --date and --hours
};

using CommandRun = int (*)(const CommandContext&);

int scoreCommand(const CommandContext& context);
int exportCommand(const CommandContext& context);
int checkCommand(const CommandContext& context);
int auditCommand(const CommandContext& context);
int lintCommand(const CommandContext& context);
int reportCommand(const CommandContext& context);
int crosscheckCommand(const CommandContext& context);
