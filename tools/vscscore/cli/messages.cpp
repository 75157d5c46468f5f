// Messages on standard error, one line each, named after the program.
#include "messages.h"

#include <cstdio>

#include "exit_status.h"

const char ProgramName[] = "vscscore";

void say(const std::string& line)
{
    std::fprintf(stderr, "%s: %s\n", ProgramName, line.c_str());
}

int usageError(const std::string& reason)
{
    say(reason);
    std::fprintf(stderr, "Try '%s --help'.\n", ProgramName);
    return UsageError;
}

std::string counted(std::size_t count, const std::string& noun)
{
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}
