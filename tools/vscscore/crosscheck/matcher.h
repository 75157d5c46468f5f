// Contacts both stations logged: a line matches the partner's line that names this log, on the
// same band and mode, within the tolerance once both clocks are corrected.
#pragma once

#include <vector>

#include "crosscheck/contact_pairs.h"
#include "crosscheck/field_values.h"

// Each pending line matched becomes ok with its partner line, and each line is matched at
// most once: first the lines whose exchanges agree (so that of a partner's two lines of one
// contact the right one is taken), then the rest; the closest in corrected time wins, on
// either side.
// offsets: minutes each log's clock was ahead.
void matchExact(const LogSet& set, const ContactPairs& pairs, const std::vector<int32_t>& offsets,
                const CrosscheckRules& rules, const FieldValues& values,
                std::vector<std::vector<LineResult>>& lines);

// Matched lines whose received fields named in the rules' Check differ from what the partner's
// line says it sent become busted-exchange; numbers compare as numbers.
void checkExchanges(const LogSet& set, const CrosscheckRules& rules, const FieldValues& values,
                    std::vector<std::vector<LineResult>>& lines);
