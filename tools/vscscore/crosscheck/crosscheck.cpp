// The cross-check's stages in order: each log alone, the clocks, exact matches, miscopied
// calls and logless stations, the exchanges, the repeats among the lines that count, the
// scores.
#include "crosscheck/crosscheck.h"

#include "crosscheck/clock_offset.h"
#include "crosscheck/contact_pairs.h"
#include "crosscheck/field_values.h"
#include "crosscheck/line_checks.h"
#include "crosscheck/log_score.h"
#include "crosscheck/matcher.h"
#include "crosscheck/unmatched_lines.h"

namespace {

void tell(StageReport report, void* context, const char* stage, uint64_t lines)
{
    if (report != nullptr) {
        report(stage, lines, context);
    }
}

}  // namespace

CrosscheckResult crosscheck(const LogSet& set, const CrosscheckRules& rules, StageReport report,
                            void* context)
{
    CrosscheckResult result;
    const std::size_t logCount = set.logs.size();
    result.superseded = supersededLogs(set);
    result.lines.resize(logCount);
    result.clocks.resize(logCount);
    result.totals.resize(logCount);

    std::vector<int32_t> logOf(set.names.size() + 1, -1);
    uint64_t lineCount = 0;
    for (std::size_t l = 0; l < logCount; ++l) {
        if (result.superseded[l] >= 0) {
            continue;
        }
        const NameId own = set.names.find(set.logs[l].call);
        if (own != NoName) {
            logOf[own] = static_cast<int32_t>(l);
        }
        checkLines(set.logs[l], rules, result.lines[l]);
        lineCount += set.logs[l].qsos.size();
    }
    tell(report, context, "checking lines", lineCount);

    const FieldValues values(set.names);
    {
        const ContactPairs pairs = contactPairs(set, result.lines, logOf);
        std::vector<int32_t> offsets(logCount, 0);
        if (rules.clockAuto) {
            tell(report, context, "clocks", lineCount);
            result.clocks = estimateClocks(pairs, logCount, rules.toleranceMinutes);
            result.clocksEstimated = true;
            for (std::size_t l = 0; l < logCount; ++l) {
                offsets[l] = result.clocks[l].offset;
            }
        }
        tell(report, context, "matching", lineCount);
        matchExact(set, pairs, offsets, rules, values, result.lines);
        tell(report, context, "near calls", lineCount);
        judgeUnmatched(set, rules, values, logOf, offsets, result.lines);
    }
    checkExchanges(set, rules, values, result.lines);
    for (std::size_t l = 0; l < logCount; ++l) {
        if (result.superseded[l] < 0) {
            judgeRepeats(set.logs[l], rules, result.lines[l]);
        }
    }
    tell(report, context, "scoring", lineCount);
    for (std::size_t l = 0; l < logCount; ++l) {
        if (result.superseded[l] < 0) {
            result.totals[l] = scoreLog(set, l, rules, result.lines[l]);
        }
    }
    return result;
}
