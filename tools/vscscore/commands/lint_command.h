// vscscore lint: a Cabrillo file checked, its findings printed one a line, then the counts.
#pragma once

#include <string>

#include "lint_rules.h"

// "NAME:LINE: error: message" for each finding; a finding on the whole file has no line.
void printLintFindings(const std::string& name, const LintReport& report);

// "0 errors, 8 warnings".
std::string lintCounts(const LintReport& report);

// Errors, warnings only, or clean, as exit statuses.
int lintStatus(const LintReport& report);

// The command: reads and checks the file and prints what it found; returns the exit status.
int lintCommand(const std::string& path, const ContestPeriod& period);
