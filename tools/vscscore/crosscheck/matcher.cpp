// Matching inside each group of two logs' lines, both sides in time order.
#include "crosscheck/matcher.h"

#include <cstdlib>

void matchExact(const ContactPairs& pairs, const std::vector<int32_t>& offsets,
                unsigned toleranceMinutes, std::vector<std::vector<LineResult>>& lines)
{
    const auto tolerance = static_cast<int32_t>(toleranceMinutes);
    for (std::size_t g = 0; g + 1 < pairs.groupStarts.size(); ++g) {
        const uint32_t begin = pairs.groupStarts[g];
        const uint32_t end = pairs.groupStarts[g + 1];
        const uint32_t lowLog = pairs.entries[begin].log;
        uint32_t split = begin;
        while (split < end && pairs.entries[split].log == lowLog) {
            ++split;
        }
        if (split == begin || split == end) {
            continue;
        }
        const int32_t lowOffset = offsets[lowLog];
        const int32_t highOffset = offsets[pairs.entries[split].log];
        uint32_t first = split;  // the earliest high line that may still be in reach
        for (uint32_t i = begin; i < split; ++i) {
            const PairEntry& low = pairs.entries[i];
            const int32_t when = low.minute - lowOffset;
            while (first < end && pairs.entries[first].minute - highOffset < when - tolerance) {
                ++first;
            }
            int32_t best = -1;
            int32_t bestGap = tolerance + 1;
            for (uint32_t j = first; j < end; ++j) {
                const PairEntry& high = pairs.entries[j];
                const int32_t gap = high.minute - highOffset - when;
                if (gap > tolerance) {
                    break;
                }
                if (lines[high.log][high.qso].verdict == Verdict::Pending &&
                    std::abs(gap) < bestGap) {
                    best = static_cast<int32_t>(j);
                    bestGap = std::abs(gap);
                }
            }
            if (best < 0) {
                continue;
            }
            const PairEntry& high = pairs.entries[static_cast<uint32_t>(best)];
            lines[low.log][low.qso] = {Verdict::Ok, static_cast<int32_t>(high.log),
                                       static_cast<int32_t>(high.qso), NoName};
            lines[high.log][high.qso] = {Verdict::Ok, static_cast<int32_t>(low.log),
                                         static_cast<int32_t>(low.qso), NoName};
        }
    }
}

void checkExchanges(const LogSet& set, const CrosscheckRules& rules,
                    std::vector<std::vector<LineResult>>& lines)
{
    // For each checked field: its place among the received fields, and among the sent ones.
    std::vector<std::pair<std::size_t, std::size_t>> checked;
    for (const std::string& name : rules.check) {
        const int got = fieldIndex(rules.received, name);
        const int sent = fieldIndex(rules.sent, name);
        if (got >= 0 && sent >= 0) {
            checked.emplace_back(rules.sent.size() + static_cast<std::size_t>(got),
                                 static_cast<std::size_t>(sent));
        }
    }
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
            for (const auto& field : checked) {
                if (log.fields[mine.fieldsAt + field.first] !=
                    partner.fields[theirs.fieldsAt + field.second]) {
                    line.verdict = Verdict::BustedExchange;
                    break;
                }
            }
        }
    }
}
