// A sponsor's rules file (INI) for a contest of the same kind, read through the product's
// settings reader.
#pragma once

#include <string>
#include <vector>

#include "contest/crosscheck_rules.h"

// Starts from this contest's rules and takes every key the file gives. Unknown sections and
// keys, keys given twice and bad values are errors "PATH:LINE: ..."; on any error the rules
// are as they came in. A value may be followed by "; comment".
std::vector<std::string> readRulesFile(const std::string& path, CrosscheckRules& rules);

// "YYYY-MM-DD HH:MM" or "YYYY-MM-DD" (0000 UTC) to minutes since the OLE epoch.
bool parseStart(const std::string& text, int32_t& minute);
