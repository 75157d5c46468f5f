// Near-call pairing over a time index of each log's unmatched lines, then pairing by exchanges
// that only one contact holds, then the logless calls.
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

struct Unmatched {
    const LogSet& set;
    const CrosscheckRules& rules;
    const FieldValues& values;
    const std::vector<int32_t>& logOf;
    std::vector<std::vector<LineResult>>& lines;
    std::vector<CheckedField> checked;
    std::vector<NameId> callOf;                  // per log, its call
    std::vector<std::vector<Waiting>> waiting;   // per log, its pending lines in corrected time
    std::vector<uint32_t> holders;  // how many logs hold each call, among the lines that count

    bool counting(NameId call, std::size_t log) const
    {
        return call != NoName && logOf[call] == static_cast<int32_t>(log);
    }
    bool sentLog(NameId call) const { return logOf[call] >= 0; }
    // Both lines judged as one contact: each side named the other's call or miscopied it.
    void pair(std::size_t l, uint32_t qso, std::size_t b, uint32_t theirs)
    {
        const QsoInput& q = set.logs[l].qsos[qso];
        const QsoInput& t = set.logs[b].qsos[theirs];
        lines[l][qso] = {q.call == callOf[b] ? Verdict::Ok : Verdict::BustedCall,
                         static_cast<int32_t>(b), static_cast<int32_t>(theirs), callOf[b]};
        lines[b][theirs] = {t.call == callOf[l] ? Verdict::Ok : Verdict::BustedCall,
                            static_cast<int32_t>(l), static_cast<int32_t>(qso), callOf[l]};
    }
};

// The pending lines of each log in corrected time, who holds each call, each log's call.
void gather(Unmatched& u, const std::vector<int32_t>& offsets, NearCallIndex& logCalls)
{
    const std::size_t logCount = u.set.logs.size();
    u.callOf.assign(logCount, NoName);
    u.waiting.assign(logCount, {});
    u.holders.assign(u.set.names.size() + 1, 0);
    std::vector<int32_t> lastHolder(u.set.names.size() + 1, -1);
    for (std::size_t l = 0; l < logCount; ++l) {
        const LogInput& log = u.set.logs[l];
        for (std::size_t i = 0; i < u.lines[l].size(); ++i) {
            const Verdict v = u.lines[l][i].verdict;
            if (v != Verdict::Pending && v != Verdict::Ok) {
                continue;
            }
            const NameId call = log.qsos[i].call;
            if (lastHolder[call] != static_cast<int32_t>(l)) {
                lastHolder[call] = static_cast<int32_t>(l);
                ++u.holders[call];
            }
            if (v == Verdict::Pending) {
                u.waiting[l].push_back({log.qsos[i].minute - offsets[l], static_cast<uint32_t>(i)});
            }
        }
        std::sort(u.waiting[l].begin(), u.waiting[l].end(), [](const Waiting& a, const Waiting& b) {
            return a.when != b.when ? a.when < b.when : a.qso < b.qso;
        });
        if (!u.waiting[l].empty() || !log.qsos.empty()) {
            u.callOf[l] = u.set.names.find(log.call);
            if (u.counting(u.callOf[l], l)) {
                logCalls.add(u.callOf[l]);
            }
        }
    }
    logCalls.finish();
}

// The weight of taking line t of log b for the contact of line q of log l, q's call standing
// for b's with heardWeight; 0 where the evidence does not carry it.
double pairWeight(const Unmatched& u, std::size_t l, const QsoInput& q, std::size_t b,
                  const QsoInput& t, double heardWeight)
{
    const NameId me = u.callOf[l];
    const bool mineBusted = q.call != u.callOf[b];
    const bool theirsBusted = t.call != me;
    const double theirWeight = theirsBusted ? nearCallWeight(u.set.names.text(t.call),
                                                             u.set.names.text(me))
                                            : 1.0;
    if (theirWeight <= 0.0 || (!mineBusted && !theirsBusted)) {
        return 0.0;
    }
    // A miscopy into a call that sent a log, or on both sides at once, needs the exchanges
    // to agree; with none checked nothing speaks for it.
    const bool agree = !u.checked.empty() &&
                       exchangesAgree(u.values, u.checked, u.set.logs[l], q, u.set.logs[b], t);
    const bool doubtful = (mineBusted && theirsBusted) || (mineBusted && u.sentLog(q.call)) ||
                          (theirsBusted && u.sentLog(t.call));
    if (doubtful && !agree) {
        return 0.0;
    }
    return heardWeight * theirWeight * (agree ? 2.0 : 1.0);
}

// Into best: the line near in call and time, of the logs of the near calls, for line w of l.
void bestNear(const Unmatched& u, std::size_t l, const Waiting& w, const std::vector<NameId>& near,
              int32_t tolerance, Candidate& best)
{
    const QsoInput& q = u.set.logs[l].qsos[w.qso];
    for (NameId other : near) {
        const int32_t b = u.logOf[other];
        if (b < 0 || static_cast<std::size_t>(b) == l) {
            continue;
        }
        const auto log = static_cast<std::size_t>(b);
        const double heardWeight =
            other == q.call ? 1.0
                            : nearCallWeight(u.set.names.text(q.call), u.set.names.text(other));
        const std::vector<Waiting>& theirs = u.waiting[log];
        auto at = std::lower_bound(theirs.begin(), theirs.end(), w.when - tolerance,
                                   [](const Waiting& x, int32_t t) { return x.when < t; });
        for (; at != theirs.end() && at->when <= w.when + tolerance; ++at) {
            const QsoInput& t = u.set.logs[log].qsos[at->qso];
            if (u.lines[log][at->qso].verdict != Verdict::Pending || t.band != q.band ||
                t.mode != q.mode) {
                continue;
            }
            const double weight = pairWeight(u, l, q, log, t, heardWeight);
            const int32_t gap = std::abs(at->when - w.when);
            if (weight > 0.0 && (!best.found || weight > best.weight ||
                                 (weight == best.weight && gap < best.gap))) {
                best = {weight, gap, static_cast<uint32_t>(log), at->qso, true};
            }
        }
    }
}

// The pairs where one side or both miscopied a call.
void pairNearCalls(Unmatched& u, const NearCallIndex& logCalls)
{
    const auto tolerance = static_cast<int32_t>(u.rules.toleranceMinutes);
    std::vector<NameId> near;
    for (std::size_t l = 0; l < u.set.logs.size(); ++l) {
        if (!u.counting(u.callOf[l], l)) {
            continue;
        }
        for (const Waiting& w : u.waiting[l]) {
            if (u.lines[l][w.qso].verdict != Verdict::Pending) {
                continue;
            }
            const NameId call = u.set.logs[l].qsos[w.qso].call;
            logCalls.lookUp(u.set.names.text(call), near);
            if (u.sentLog(call)) {
                near.push_back(call);
            }
            Candidate best;
            bestNear(u, l, w, near, tolerance, best);
            if (best.found) {
                u.pair(l, w.qso, best.log, best.qso);
            }
        }
    }
}

uint64_t mixed(uint64_t hash, uint64_t value)
{
    hash ^= value + 0x9E3779B97F4A7C15ull + (hash << 6) + (hash >> 2);
    return hash * 0xFF51AFD7ED558CCDull;
}

// A line's band, mode and checked fields sent and received; mirrored, the key the partner's
// line has when the exchanges agree.
uint64_t exchangeKey(const Unmatched& u, const LogInput& log, const QsoInput& q, bool mirrored)
{
    uint64_t hash = mixed(mixed(0, q.band), q.mode);
    for (const CheckedField& field : u.checked) {
        const uint64_t sent = u.values.value(log.fields[q.fieldsAt + field.sent]);
        const uint64_t got = u.values.value(log.fields[q.fieldsAt + field.received]);
        hash = mixed(mixed(hash, mirrored ? got : sent), mirrored ? sent : got);
    }
    return hash;
}

struct Keyed {
    uint64_t key;
    uint32_t log;
    uint32_t qso;
    int32_t when;  // corrected
    bool operator<(const Keyed& other) const { return key < other.key; }
};

// The checked fields sent, as one number.
uint64_t sentKey(const Unmatched& u, const LogInput& log, const QsoInput& q)
{
    uint64_t hash = 0;
    for (const CheckedField& field : u.checked) {
        hash = mixed(hash, u.values.value(log.fields[q.fieldsAt + field.sent]));
    }
    return hash;
}

bool readInPeriod(Verdict verdict)
{
    return verdict != Verdict::Invalid && verdict != Verdict::OutOfPeriod;
}

// Whether the exchange carries information: most logs of two lines or more send more than one
// (serial numbers), not one number of their own for every contact.
bool exchangeInforms(const Unmatched& u)
{
    std::size_t longLogs = 0;
    std::size_t changingLogs = 0;
    for (uint32_t l = 0; l < u.set.logs.size() && !u.checked.empty(); ++l) {
        const LogInput& log = u.set.logs[l];
        std::size_t read = 0;
        uint64_t firstSent = 0;
        bool changes = false;
        for (uint32_t i = 0; i < u.lines[l].size() && !changes; ++i) {
            if (readInPeriod(u.lines[l][i].verdict)) {
                const uint64_t sent = sentKey(u, log, log.qsos[i]);
                firstSent = read++ == 0 ? sent : firstSent;
                changes = sent != firstSent;
            }
        }
        longLogs += read >= 2 ? 1 : 0;
        changingLogs += changes ? 1 : 0;
    }
    return changingLogs * 2 > longLogs;
}

// The exchange key of every line read in the period, and of the pending ones with their
// places.
void gatherKeys(const Unmatched& u, const std::vector<int32_t>& offsets,
                std::vector<uint64_t>& keys, std::vector<Keyed>& pending)
{
    for (uint32_t l = 0; l < u.set.logs.size(); ++l) {
        if (!u.counting(u.callOf[l], l)) {
            continue;
        }
        const LogInput& log = u.set.logs[l];
        for (uint32_t i = 0; i < u.lines[l].size(); ++i) {
            const Verdict v = u.lines[l][i].verdict;
            if (!readInPeriod(v)) {
                continue;
            }
            keys.push_back(exchangeKey(u, log, log.qsos[i], false));
            if (v == Verdict::Pending) {
                pending.push_back({keys.back(), l, i, log.qsos[i].minute - offsets[l]});
            }
        }
    }
}

// Lines whose exchanges agree as no other two lines' do are one contact, whatever the calls.
void pairByExchange(Unmatched& u, const std::vector<int32_t>& offsets)
{
    if (!exchangeInforms(u)) {
        return;
    }
    std::vector<uint64_t> keys;
    std::vector<Keyed> pending;
    gatherKeys(u, offsets, keys, pending);
    std::sort(keys.begin(), keys.end());
    std::sort(pending.begin(), pending.end());
    auto held = [&](uint64_t key) {
        const auto range = std::equal_range(keys.begin(), keys.end(), key);
        return range.second - range.first;
    };
    const auto tolerance = static_cast<int32_t>(u.rules.toleranceMinutes);
    for (const Keyed& p : pending) {
        const LogInput& log = u.set.logs[p.log];
        const uint64_t mirror = exchangeKey(u, log, log.qsos[p.qso], true);
        if (u.lines[p.log][p.qso].verdict != Verdict::Pending || held(p.key) != 1 ||
            held(mirror) != 1) {
            continue;
        }
        const auto m = std::lower_bound(pending.begin(), pending.end(), Keyed{mirror, 0, 0, 0});
        if (m == pending.end() || m->key != mirror || m->log == p.log ||
            u.lines[m->log][m->qso].verdict != Verdict::Pending ||
            std::abs(m->when - p.when) > tolerance) {
            continue;
        }
        const QsoInput& q = log.qsos[p.qso];
        const LogInput& other = u.set.logs[m->log];
        const QsoInput& t = other.qsos[m->qso];
        if (t.band == q.band && t.mode == q.mode &&
            exchangesAgree(u.values, u.checked, log, q, other, t)) {
            u.pair(p.log, p.qso, m->log, m->qso);
        }
    }
}

// Calls that sent no log: popular ones are credited, rare ones near a popular call are that
// call miscopied.
void judgeLogless(Unmatched& u)
{
    NearCallIndex popular(u.set.names);
    for (NameId call = 1; call <= u.set.names.size(); ++call) {
        if (u.holders[call] >= u.rules.noLog) {
            popular.add(call);
        }
    }
    popular.finish();
    std::vector<NameId> near;
    for (std::size_t l = 0; l < u.set.logs.size(); ++l) {
        for (const Waiting& w : u.waiting[l]) {
            LineResult& line = u.lines[l][w.qso];
            if (line.verdict != Verdict::Pending) {
                continue;
            }
            const NameId call = u.set.logs[l].qsos[w.qso].call;
            if (u.sentLog(call)) {
                line.verdict = Verdict::NotInLog;
                continue;
            }
            popular.lookUp(u.set.names.text(call), near);
            NameId likely = NoName;
            double likelyScore = 0.0;
            for (NameId other : near) {
                if (u.holders[other] < BusyFactor * u.holders[call]) {
                    continue;
                }
                const double score =
                    nearCallWeight(u.set.names.text(call), u.set.names.text(other)) *
                    u.holders[other];
                if (score > likelyScore) {
                    likely = other;
                    likelyScore = score;
                }
            }
            if (likely != NoName) {
                line = {Verdict::BustedCall, u.logOf[likely], -1, likely};
            } else {
                line.verdict = u.holders[call] >= u.rules.noLog ? Verdict::NoLog : Verdict::Unique;
            }
        }
    }
}

}  // namespace

void judgeUnmatched(const LogSet& set, const CrosscheckRules& rules, const FieldValues& values,
                    const std::vector<int32_t>& logOf, const std::vector<int32_t>& offsets,
                    std::vector<std::vector<LineResult>>& lines)
{
    Unmatched u{set, rules, values, logOf, lines, checkedFields(rules), {}, {}, {}};
    NearCallIndex logCalls(set.names);
    gather(u, offsets, logCalls);
    pairNearCalls(u, logCalls);
    pairByExchange(u, offsets);
    judgeLogless(u);
}
