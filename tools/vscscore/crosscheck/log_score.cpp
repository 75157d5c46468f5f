// Scoring over the verdicts, with the product's own points.
#include "crosscheck/log_score.h"

#include <string>

#include "scoring/exchange_points.h"

int64_t linePoints(const LogSet& set, const LogInput& log, const QsoInput& qso,
                   const CrosscheckRules& rules)
{
    const int field = fieldIndex(rules.received, rules.points);
    if (rules.points.empty() || field < 0) {
        return 1;
    }
    const NameId value = log.fields[qso.fieldsAt + rules.sent.size() +
                                    static_cast<std::size_t>(field)];
    return exchangePoints(std::string(set.names.text(value)));
}

LogTotals scoreLog(const LogSet& set, std::size_t log, const CrosscheckRules& rules,
                   const std::vector<LineResult>& lines)
{
    LogTotals totals;
    const LogInput& input = set.logs[log];
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LineResult& line = lines[i];
        ++totals.counts[static_cast<int>(line.verdict)];
        // A line its logger marked not for credit neither scores nor costs.
        if (input.qsos[i].notForCredit) {
            continue;
        }
        const bool matched = line.partnerQso >= 0;
        if (line.verdict == Verdict::Ok && matched) {
            ++totals.confirmed;
        }
        unsigned penalty = 0;
        bool credited = false;
        switch (line.verdict) {
        case Verdict::Ok:
        case Verdict::NoLog:
            credited = true;
            break;
        case Verdict::Unique:
            credited = rules.unique;
            break;
        case Verdict::NotInLog:
            penalty = rules.penaltyNotInLog;
            break;
        case Verdict::BustedCall:
            penalty = rules.penaltyBustedCall;
            break;
        case Verdict::BustedExchange:
            penalty = rules.penaltyBustedExchange;
            break;
        default:
            break;
        }
        if (!credited && penalty == 0) {
            continue;
        }
        const int64_t points = linePoints(set, input, input.qsos[i], rules);
        if (credited) {
            totals.checked += points;
        } else {
            totals.penalty += points * penalty;
        }
    }
    return totals;
}
