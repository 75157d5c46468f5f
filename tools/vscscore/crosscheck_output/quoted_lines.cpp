// Quoted lines: wanted line numbers gathered per log, each file read once more.
#include "crosscheck_output/quoted_lines.h"

#include <algorithm>

#include "crosscheck_output/crosscheck_reports.h"
#include "input/file_bytes.h"
#include "platform/file_identity.h"
#include "crosscheck_input/log_input.h"
#include "cabrillo_input/utf16_text.h"

void QuotedLines::fetch(const LogSet& set, const CrosscheckResult& result,
                        const std::vector<std::size_t>& logs, std::vector<std::string>& problems)
{
    std::vector<std::vector<uint32_t>> wanted(set.logs.size());
    for (std::size_t l : logs) {
        for (const auto& quoted : quotedLines(set, result, l)) {
            wanted[quoted.first].push_back(quoted.second);
        }
    }
    texts_.assign(set.logs.size(), {});
    for (std::size_t l = 0; l < set.logs.size(); ++l) {
        std::vector<uint32_t>& lines = wanted[l];
        if (lines.empty()) {
            continue;
        }
        std::sort(lines.begin(), lines.end());
        lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
        std::string bytes;
        std::string why;
        const std::string& path = set.logs[l].fileName;
        if (fileIdentity(path).modified != set.logs[l].modified) {
            problems.push_back(path + " changed while being checked; its lines are not quoted");
            continue;
        }
        if (!readFileBytes(path, bytes, why) || !decodeUtf16(bytes, why)) {
            problems.push_back(why);
            continue;
        }
        const std::vector<std::string> read = cabrilloLines(bytes, lines);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            texts_[l].emplace_back(lines[i], read[i]);
        }
    }
}

std::string QuotedLines::text(std::size_t log, uint32_t line) const
{
    const auto& lines = texts_[log];
    const auto found = std::lower_bound(
        lines.begin(), lines.end(), line,
        [](const std::pair<uint32_t, std::string>& a, uint32_t b) { return a.first < b; });
    return found != lines.end() && found->first == line ? found->second
                                                        : std::string("(not read again)");
}
