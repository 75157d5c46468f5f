// Contacts both stations logged: a line matches the partner's line that names this log, on the
// same band and mode, within the tolerance once both clocks are corrected.
#pragma once

#include <vector>

#include "crosscheck/contact_pairs.h"

// Each pending line matched becomes ok with its partner line, and each line is matched at
// most once; the closest in corrected time wins. offsets: minutes each log's clock was ahead.
void matchExact(const ContactPairs& pairs, const std::vector<int32_t>& offsets,
                unsigned toleranceMinutes, std::vector<std::vector<LineResult>>& lines);

// Matched lines whose received fields named in the rules' Check differ from what the partner's
// line says it sent become busted-exchange.
void checkExchanges(const LogSet& set, const CrosscheckRules& rules,
                    std::vector<std::vector<LineResult>>& lines);
