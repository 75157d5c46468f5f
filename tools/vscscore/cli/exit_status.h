// vscscore's exit statuses: one meaning each, across all commands, and the words --help gives
// each.
#pragma once

enum ExitStatus {
    Clean = 0,       // done, and nothing found
    Found = 1,       // findings, warnings only: a refused contact, repeats, lint warnings
    UsageError = 2,  // a bad option, command or operand
    BadLog = 3,      // the log or the Cabrillo file could not be read
    NoPlugin = 4,    // the plug-in could not be loaded
    Errors = 5,      // lint errors; an export whose file is missing or failed its read-back
};

struct ExitMeaning {
    ExitStatus status;
    const char* text;  // as --help gives it, a new line and five blanks between its lines
};

constexpr ExitMeaning ExitMeanings[] = {
    {Clean, "all well: the check accepted the contact, the audit found nothing, the exported\n"
            "     or linted file has no finding"},
    {Found, "findings, warnings only: the check refused the contact, the audit found repeats or\n"
            "     contacts made too early, lint or the export's read-back found warnings; or\n"
            "     records of the log were skipped, repaired or warned about (but for check,\n"
            "     whose status is its answer whatever the records)"},
    {UsageError, "a usage error"},
    {BadLog, "the log or the Cabrillo file could not be read: missing, not an ADIF file, no\n"
             "     contact readable, or no contacts (without --date; with it, a log with no contacts\n"
             "     still replaces no Cabrillo file with QSO lines and no claimed score but 0)"},
    {NoPlugin, "the plug-in could not be loaded"},
    {Errors, "errors: lint found errors (a sponsor's robot rejects the log), the plug-in did not\n"
             "     produce the Cabrillo file, or the file failed its read-back (a contact missing,\n"
             "     twice, or changed)"},
};
