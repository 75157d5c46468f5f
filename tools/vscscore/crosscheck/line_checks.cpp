// Per-log checks; the repeat rule looks only at the same station's lines, sorted together, through
// an index of them.
#include "crosscheck/line_checks.h"

#include <algorithm>

#include "rules/repeat_index.h"

namespace {

bool counts(Verdict verdict)
{
    return verdict == Verdict::Ok || verdict == Verdict::BustedExchange ||
           verdict == Verdict::NoLog || verdict == Verdict::Unique;
}

}  // namespace

void checkLines(const LogInput& log, const CrosscheckRules& rules,
                std::vector<LineResult>& lines)
{
    const std::vector<QsoInput>& qsos = log.qsos;
    lines.assign(qsos.size(), LineResult());
    const int64_t start = rules.startMinute;
    const int64_t end = start + int64_t{rules.hours} * 60;
    for (uint32_t i = 0; i < qsos.size(); ++i) {
        const QsoInput& q = qsos[i];
        if (!q.valid) {
            lines[i].verdict = Verdict::Invalid;
        } else if (rules.periodGiven && (q.minute < start || q.minute >= end)) {
            lines[i].verdict = Verdict::OutOfPeriod;
        }
    }
}

void judgeRepeats(const LogInput& log, const CrosscheckRules& rules,
                  std::vector<LineResult>& lines)
{
    const std::vector<QsoInput>& qsos = log.qsos;
    std::vector<uint32_t> order;
    order.reserve(qsos.size());
    for (uint32_t i = 0; i < qsos.size(); ++i) {
        const Verdict v = lines[i].verdict;
        if (v != Verdict::Invalid && v != Verdict::OutOfPeriod && !qsos[i].notForCredit) {
            order.push_back(i);
        }
    }
    std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
        if (qsos[a].call != qsos[b].call) {
            return qsos[a].call < qsos[b].call;
        }
        return qsos[a].minute != qsos[b].minute ? qsos[a].minute < qsos[b].minute : a < b;
    });
    StationRepeats counted(rules.repeat);  // the station's earlier lines that count
    for (std::size_t at = 0; at < order.size(); ++at) {
        const QsoInput& q = qsos[order[at]];
        if (at == 0 || qsos[order[at - 1]].call != q.call) {
            counted.clear();
        }
        const uint64_t bandMode = uint64_t{q.band} << 32 | q.mode;
        const RepeatConflict conflict = counted.judge(bandMode, q.minute);
        LineResult& line = lines[order[at]];
        if (conflict.found) {
            line = {conflict.verdict.tooEarly ? Verdict::TooEarly : Verdict::Dupe, -1,
                    static_cast<int32_t>(conflict.earlier), NoName};
        } else if (counts(line.verdict)) {
            counted.add(bandMode, true, q.minute, order[at]);
        }
    }
}
