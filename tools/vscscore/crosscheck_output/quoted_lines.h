// The lines the ubn reports quote, read again from their files: the logs do not hold the
// texts of millions of lines for the few that are quoted.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "crosscheck/crosscheck.h"

class QuotedLines {
public:
    // Reads the lines that the reports of logs quote. A file that cannot be read again, or
    // changed meanwhile, is named in problems; its lines are then quoted as not read again.
    void fetch(const LogSet& set, const CrosscheckResult& result,
               const std::vector<std::size_t>& logs, std::vector<std::string>& problems);

    std::string text(std::size_t log, uint32_t line) const;

private:
    std::vector<std::vector<std::pair<uint32_t, std::string>>> texts_;  // by log, by line
};
