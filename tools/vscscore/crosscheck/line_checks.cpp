// Per-log checks; the repeat rule looks only at the same station's lines, sorted together.
#include "line_checks.h"

#include <algorithm>
#include <numeric>

void checkLines(const LogInput& log, const CrosscheckRules& rules,
                std::vector<LineResult>& lines)
{
    const std::vector<QsoInput>& qsos = log.qsos;
    lines.assign(qsos.size(), LineResult());
    const int64_t start = rules.startMinute;
    const int64_t end = start + int64_t{rules.hours} * 60;
    std::vector<uint32_t> order;
    order.reserve(qsos.size());
    for (uint32_t i = 0; i < qsos.size(); ++i) {
        const QsoInput& q = qsos[i];
        if (!q.valid) {
            lines[i].verdict = Verdict::Invalid;
        } else if (rules.periodGiven && (q.minute < start || q.minute >= end)) {
            lines[i].verdict = Verdict::OutOfPeriod;
        } else {
            order.push_back(i);
        }
    }
    std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
        if (qsos[a].call != qsos[b].call) {
            return qsos[a].call < qsos[b].call;
        }
        return qsos[a].minute != qsos[b].minute ? qsos[a].minute < qsos[b].minute : a < b;
    });
    std::vector<uint32_t> counted;  // the station's earlier lines that count, oldest first
    for (std::size_t at = 0; at < order.size(); ++at) {
        const QsoInput& q = qsos[order[at]];
        if (at == 0 || qsos[order[at - 1]].call != q.call) {
            counted.clear();
        }
        for (uint32_t earlier : counted) {
            const QsoInput& e = qsos[earlier];
            const bool same = e.band == q.band && e.mode == q.mode;
            const RepeatVerdict judged = judgeRepeatPair(rules.repeat, same, q.minute - e.minute);
            if (!judged.accepted) {
                LineResult& line = lines[order[at]];
                line.verdict = judged.tooEarly ? Verdict::TooEarly : Verdict::Dupe;
                line.partnerQso = static_cast<int32_t>(earlier);
                break;
            }
        }
        if (lines[order[at]].verdict == Verdict::Pending) {
            counted.push_back(order[at]);
        }
    }
}
