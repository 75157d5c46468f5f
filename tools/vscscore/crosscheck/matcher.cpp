// Matching inside each group of two logs' lines, both sides in time order.
#include "crosscheck/matcher.h"

#include <cstdlib>

namespace {

struct Group {
    uint32_t begin;
    uint32_t split;  // the first of the higher log's lines
    uint32_t end;
};

struct Pass {
    int32_t tolerance;
    const std::vector<CheckedField>& checked;
    const FieldValues& values;
    bool agreeing;  // only lines whose exchanges agree
};

bool eligible(const LogSet& set, const PairEntry& low, const PairEntry& high, const Pass& pass)
{
    return !pass.agreeing ||
           exchangesAgree(pass.values, pass.checked, set.logs[low.log],
                          set.logs[low.log].qsos[low.qso], set.logs[high.log],
                          set.logs[high.log].qsos[high.qso]);
}

// Whether a later low line than i, still pending, is closer to the high line (at corrected
// time highWhen) than gap: then the high line is that one's, so that a repeat just before a
// contact does not take its partner line.
bool laterIsCloser(const LogSet& set, const ContactPairs& pairs, uint32_t i, uint32_t split,
                   const PairEntry& high, int32_t highWhen, int32_t lowOffset, int32_t gap,
                   const Pass& pass, const std::vector<std::vector<LineResult>>& lines)
{
    for (uint32_t k = i + 1; k < split; ++k) {
        const PairEntry& later = pairs.entries[k];
        const int32_t when = later.minute - lowOffset;
        if (when >= highWhen + gap) {
            return false;
        }
        if (lines[later.log][later.qso].verdict == Verdict::Pending &&
            std::abs(highWhen - when) < gap && eligible(set, later, high, pass)) {
            return true;
        }
    }
    return false;
}

// One pass over a group: each low line takes the closest pending high line in reach, only one
// whose exchanges agree when agreeing is asked for, unless a later low line is closer to it.
void matchGroup(const LogSet& set, const ContactPairs& pairs, const Group& group,
                const std::vector<int32_t>& offsets, const Pass& pass,
                std::vector<std::vector<LineResult>>& lines)
{
    const int32_t tolerance = pass.tolerance;
    const int32_t lowOffset = offsets[pairs.entries[group.begin].log];
    const int32_t highOffset = offsets[pairs.entries[group.split].log];
    uint32_t first = group.split;  // the earliest high line that may still be in reach
    for (uint32_t i = group.begin; i < group.split; ++i) {
        const PairEntry& low = pairs.entries[i];
        if (lines[low.log][low.qso].verdict != Verdict::Pending) {
            continue;
        }
        const int32_t when = low.minute - lowOffset;
        while (first < group.end && pairs.entries[first].minute - highOffset < when - tolerance) {
            ++first;
        }
        int32_t best = -1;
        int32_t bestGap = tolerance + 1;
        for (uint32_t j = first; j < group.end; ++j) {
            const PairEntry& high = pairs.entries[j];
            const int32_t gap = high.minute - highOffset - when;
            if (gap > tolerance) {
                break;
            }
            if (lines[high.log][high.qso].verdict != Verdict::Pending || std::abs(gap) >= bestGap) {
                continue;
            }
            if (!eligible(set, low, high, pass)) {
                continue;
            }
            best = static_cast<int32_t>(j);
            bestGap = std::abs(gap);
        }
        if (best < 0) {
            continue;
        }
        const PairEntry& high = pairs.entries[static_cast<uint32_t>(best)];
        if (laterIsCloser(set, pairs, i, group.split, high, high.minute - highOffset, lowOffset,
                          bestGap, pass, lines)) {
            continue;
        }
        lines[low.log][low.qso] = {Verdict::Ok, static_cast<int32_t>(high.log),
                                   static_cast<int32_t>(high.qso), NoName};
        lines[high.log][high.qso] = {Verdict::Ok, static_cast<int32_t>(low.log),
                                     static_cast<int32_t>(low.qso), NoName};
    }
}

}  // namespace

void matchExact(const LogSet& set, const ContactPairs& pairs, const std::vector<int32_t>& offsets,
                const CrosscheckRules& rules, const FieldValues& values,
                std::vector<std::vector<LineResult>>& lines)
{
    const auto tolerance = static_cast<int32_t>(rules.toleranceMinutes);
    const std::vector<CheckedField> checked = checkedFields(rules);
    for (const bool agreeing : {true, false}) {
        for (std::size_t g = 0; g + 1 < pairs.groupStarts.size(); ++g) {
            Group group{pairs.groupStarts[g], pairs.groupStarts[g], pairs.groupStarts[g + 1]};
            const uint32_t lowLog = pairs.entries[group.begin].log;
            while (group.split < group.end && pairs.entries[group.split].log == lowLog) {
                ++group.split;
            }
            if (group.split != group.begin && group.split != group.end) {
                matchGroup(set, pairs, group, offsets, {tolerance, checked, values, agreeing},
                           lines);
            }
        }
    }
}

void checkExchanges(const LogSet& set, const CrosscheckRules& rules, const FieldValues& values,
                    std::vector<std::vector<LineResult>>& lines)
{
    const std::vector<CheckedField> checked = checkedFields(rules);
    for (std::size_t l = 0; l < lines.size(); ++l) {
        const LogInput& log = set.logs[l];
        for (std::size_t i = 0; i < lines[l].size(); ++i) {
            LineResult& line = lines[l][i];
            if (line.verdict != Verdict::Ok || line.partnerQso < 0) {
                continue;
            }
            const LogInput& partner = set.logs[static_cast<std::size_t>(line.partnerLog)];
            const QsoInput& mine = log.qsos[i];
            const QsoInput& theirs = partner.qsos[static_cast<std::size_t>(line.partnerQso)];
            for (const CheckedField& field : checked) {
                if (!values.same(log.fields[mine.fieldsAt + field.received],
                                 partner.fields[theirs.fieldsAt + field.sent])) {
                    line.verdict = Verdict::BustedExchange;
                    break;
                }
            }
        }
    }
}
