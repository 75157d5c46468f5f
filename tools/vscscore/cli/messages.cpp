// Messages on standard error, one line each, named after the program.
#include "cli/messages.h"

#include <cstdio>

#include "cli/exit_status.h"
#include "cli/shown_text.h"

const char ProgramName[] = "vscscore";

void say(const std::string& line)
{
    std::fprintf(stderr, "%s: %s\n", ProgramName, shownText(line).c_str());
}

int usageError(const std::string& reason, const char* command)
{
    say(reason);
    if (command != nullptr) {
        std::fprintf(stderr, "Try '%s %s --help'.\n", ProgramName, command);
    } else {
        std::fprintf(stderr, "Try '%s --help'.\n", ProgramName);
    }
    return UsageError;
}
