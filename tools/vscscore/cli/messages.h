// What vscscore says on standard error, and the counts its messages share.
#pragma once

#include <cstddef>
#include <string>

#include "cli/counted_text.h"

extern const char ProgramName[];

// "vscscore: line" on standard error.
void say(const std::string& line);

// Says the reason and where help is (the command's own, when it has one); returns the usage
// error's status.
int usageError(const std::string& reason, const char* command = nullptr);
