// vscscore's command line: options anywhere, the command and its operands, each checked.
#pragma once

#include <string>

#include "cli/commands.h"

// Reads the command line into options by the command's row of the table; empty, or the
// usage error to report. -h or --help ends the reading with options.help set, the command
// known or not.
std::string parseArguments(int argc, char** argv, Options& options);

// --hours: a whole number from 1 to 1000.
bool parseHours(const std::string& text, unsigned& hours);

// --date: YYYY-MM-DD or YYYYMMDD, a day of the calendar.
bool parseDate(std::string text, DateRecord& date);

// The contest period of --date and --hours; empty, or why --hours cannot be taken.
std::string contestPeriod(const Options& options, const DateRecord& date, ContestPeriod& period);
