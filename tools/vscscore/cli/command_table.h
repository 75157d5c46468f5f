// vscscore's commands: each name once, with its operands and the code that runs it.
#pragma once

#include <cstddef>
#include <string>

#include "cli/commands.h"

struct Command {
    const char* name;
    const char* operands;      // as the usage message names them
    std::size_t operandCount;  // exactly this many
    bool readsLog;             // the first operand is an ADIF log, read before the command runs
    bool packsLog;             // ... its contacts packed as they are read, not kept whole
    bool reportOptions;        // takes --off-time and --html
    CommandRun run;
};

// The command of that name, or null.
const Command* findCommand(const std::string& name);
