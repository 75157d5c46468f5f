// Near-call pairing over a time index of each log's unmatched lines, then the logless calls.
#include "crosscheck/unmatched_lines.h"

#include <algorithm>
#include <cstdlib>

#include "crosscheck/near_calls.h"

namespace {

// A logless call held by fewer logs than this share of a near call's holders is taken for
// that call miscopied.
constexpr uint32_t BusyFactor = 4;

struct Waiting {
    int32_t when;  // corrected
    uint32_t qso;
};

struct Candidate {
    double weight = 0.0;
    int32_t gap = 0;
    uint32_t log = 0;
    uint32_t qso = 0;
    bool found = false;
};

}  // namespace

void judgeUnmatched(const LogSet& set, const CrosscheckRules& rules,
                    const std::vector<int32_t>& logOf, const std::vector<int32_t>& offsets,
                    std::vector<std::vector<LineResult>>& lines)
{
    const std::size_t logCount = set.logs.size();
    const auto tolerance = static_cast<int32_t>(rules.toleranceMinutes);
    std::vector<NameId> callOf(logCount, NoName);
    NearCallIndex logCalls(set.names);
    std::vector<std::vector<Waiting>> waiting(logCount);
    // How many logs hold each call, among the lines that count so far.
    std::vector<uint32_t> holders(set.names.size() + 1, 0);
    std::vector<int32_t> lastHolder(set.names.size() + 1, -1);
    for (std::size_t l = 0; l < logCount; ++l) {
        const LogInput& log = set.logs[l];
        for (std::size_t i = 0; i < lines[l].size(); ++i) {
            const Verdict v = lines[l][i].verdict;
            if (v != Verdict::Pending && v != Verdict::Ok) {
                continue;
            }
            const NameId call = log.qsos[i].call;
            if (lastHolder[call] != static_cast<int32_t>(l)) {
                lastHolder[call] = static_cast<int32_t>(l);
                ++holders[call];
            }
            if (v == Verdict::Pending) {
                waiting[l].push_back({log.qsos[i].minute - offsets[l], static_cast<uint32_t>(i)});
            }
        }
        std::sort(waiting[l].begin(), waiting[l].end(), [](const Waiting& a, const Waiting& b) {
            return a.when != b.when ? a.when < b.when : a.qso < b.qso;
        });
        if (!waiting[l].empty() || !log.qsos.empty()) {
            const NameId own = set.names.find(log.call);
            callOf[l] = own;
            if (own != NoName && logOf[own] == static_cast<int32_t>(l)) {
                logCalls.add(own);
            }
        }
    }
    logCalls.finish();

    std::vector<NameId> near;
    // First the pairs where one side or both miscopied a call.
    for (std::size_t l = 0; l < logCount; ++l) {
        const NameId me = callOf[l];
        if (me == NoName || logOf[me] != static_cast<int32_t>(l)) {
            continue;
        }
        const std::string_view myCall = set.names.text(me);
        for (const Waiting& w : waiting[l]) {
            LineResult& line = lines[l][w.qso];
            if (line.verdict != Verdict::Pending) {
                continue;
            }
            const QsoInput& q = set.logs[l].qsos[w.qso];
            logCalls.lookUp(set.names.text(q.call), near);
            if (logOf[q.call] >= 0) {
                near.push_back(q.call);
            }
            Candidate best;
            for (NameId other : near) {
                const int32_t b = logOf[other];
                if (b < 0 || static_cast<std::size_t>(b) == l) {
                    continue;
                }
                const double heardWeight =
                    other == q.call ? 1.0 : nearCallWeight(set.names.text(q.call),
                                                           set.names.text(other));
                const std::vector<Waiting>& theirs = waiting[static_cast<std::size_t>(b)];
                auto at = std::lower_bound(theirs.begin(), theirs.end(), w.when - tolerance,
                                           [](const Waiting& x, int32_t t) { return x.when < t; });
                for (; at != theirs.end() && at->when <= w.when + tolerance; ++at) {
                    const LineResult& candidate = lines[static_cast<std::size_t>(b)][at->qso];
                    const QsoInput& t = set.logs[static_cast<std::size_t>(b)].qsos[at->qso];
                    if (candidate.verdict != Verdict::Pending || t.band != q.band ||
                        t.mode != q.mode) {
                        continue;
                    }
                    const double theirWeight =
                        t.call == me ? 1.0 : nearCallWeight(set.names.text(t.call), myCall);
                    if (theirWeight <= 0.0 || (other == q.call && t.call == me)) {
                        continue;
                    }
                    const double weight = heardWeight * theirWeight;
                    const int32_t gap = std::abs(at->when - w.when);
                    if (!best.found || weight > best.weight ||
                        (weight == best.weight && gap < best.gap)) {
                        best = {weight, gap, static_cast<uint32_t>(b), at->qso, true};
                    }
                }
            }
            if (!best.found) {
                continue;
            }
            const QsoInput& t = set.logs[best.log].qsos[best.qso];
            line = {q.call == callOf[best.log] ? Verdict::Ok : Verdict::BustedCall,
                    static_cast<int32_t>(best.log), static_cast<int32_t>(best.qso),
                    callOf[best.log]};
            lines[best.log][best.qso] = {t.call == me ? Verdict::Ok : Verdict::BustedCall,
                                         static_cast<int32_t>(l), static_cast<int32_t>(w.qso),
                                         me};
        }
    }

    // Then calls that sent no log: popular ones are credited, rare ones near a popular call
    // are that call miscopied.
    NearCallIndex popular(set.names);
    for (NameId call = 1; call <= set.names.size(); ++call) {
        if (holders[call] >= rules.noLog) {
            popular.add(call);
        }
    }
    popular.finish();
    for (std::size_t l = 0; l < logCount; ++l) {
        for (const Waiting& w : waiting[l]) {
            LineResult& line = lines[l][w.qso];
            if (line.verdict != Verdict::Pending) {
                continue;
            }
            const NameId call = set.logs[l].qsos[w.qso].call;
            if (logOf[call] >= 0) {
                line.verdict = Verdict::NotInLog;
                continue;
            }
            popular.lookUp(set.names.text(call), near);
            NameId likely = NoName;
            double likelyScore = 0.0;
            for (NameId other : near) {
                if (holders[other] < BusyFactor * holders[call]) {
                    continue;
                }
                const double score =
                    nearCallWeight(set.names.text(call), set.names.text(other)) * holders[other];
                if (score > likelyScore) {
                    likely = other;
                    likelyScore = score;
                }
            }
            if (likely != NoName) {
                line = {Verdict::BustedCall, logOf[likely], -1, likely};
            } else if (holders[call] >= rules.noLog) {
                line.verdict = Verdict::NoLog;
            } else {
                line.verdict = Verdict::Unique;
            }
        }
    }
}
