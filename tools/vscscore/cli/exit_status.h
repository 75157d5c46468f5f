// vscscore's exit statuses: one meaning each, across all commands.
#pragma once

enum ExitStatus {
    Clean = 0,       // done, and nothing found
    Found = 1,       // findings, warnings only: a refused contact, repeats, lint warnings
    UsageError = 2,  // a bad option, command or operand
    BadLog = 3,      // the log or the Cabrillo file could not be read
    NoPlugin = 4,    // the plug-in could not be loaded
    Errors = 5,      // lint errors; an export whose file is missing or failed its read-back
};
