// vscscore lint (lintCommand in commands.h), and its printing of findings for the export.
#pragma once

#include <string>

#include "lint/lint_rules.h"

// "NAME:LINE: error: message" for each finding; a finding on the whole file has no line.
void printLintFindings(const std::string& name, const LintReport& report);

// "0 errors, 8 warnings".
std::string lintCounts(const LintReport& report);

// Errors, warnings only, or clean, as exit statuses.
int lintStatus(const LintReport& report);
