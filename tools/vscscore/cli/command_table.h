// vscscore's commands: each name once, with its operands, the options it takes and the code
// that runs it. One parser (cli/options.h) reads every command's line by its row.
#pragma once

#include <cstddef>
#include <string>

#include "cli/commands.h"

// An option a command takes: "--name VALUE" into a text, or "--name" alone setting a flag.
struct CommandOption {
    const char* name;
    std::string Options::*value;  // null for a flag
    bool Options::*flag;          // null for a valued option
};

struct Command {
    const char* name;
    const char* operands;       // as the usage message names them
    std::size_t operandCount;   // exactly this many, or at least this many with moreOperands
    bool moreOperands;
    const CommandOption* options;  // the options it takes, optionCount of them
    std::size_t optionCount;
    bool readsLog;    // the first operand is an ADIF log, read before the command runs
    bool packsLog;    // ... its contacts packed as they are read, not kept whole
    bool readsPeriod; // --date and --hours are read into the contest date and period first
    bool answers;     // the exit status is the command's answer, whatever the log's records
    const char* help; // its own --help text, or null for the program's
    CommandRun run;
};

// The command of that name, or null.
const Command* findCommand(const std::string& name);

// The option of that name among the command's, or null.
const CommandOption* findOption(const Command& command, const std::string& name);

// Whether any command's option of that name takes a value: what tells, before the command is
// known, whether the element after it is the option's value.
bool anyValuedOption(const std::string& name);
