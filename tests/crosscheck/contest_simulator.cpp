// The simulation: true contacts first, then each side's line with its own errors, then the
// truth of every line from what was done to it.
#include "contest_simulator.h"

#include <algorithm>
#include <cstdlib>
#include <random>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "cabrillo/contest_name.h"
#include "cabrillo/qso_line.h"
#include "scoring/exchange_points.h"
#include "scoring/ole_date.h"

namespace {

const char* const Prefixes[] = {"R", "UA", "RA", "RW", "RZ", "UR", "EW", "UN", "RK", "UT",
                                "RN", "UB"};
const int32_t BandKHz[] = {3550, 7020, 14030};
const char* const Letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
// Pairs that a listener mixes up in Morse or speech.
const char* const Mixups[] = {"EI", "IS", "SH", "H5", "TM", "MO", "O0", "AW", "WJ", "J1",
                              "UV", "V4", "ND", "DB", "B6", "MN", "FS", "BD", "PB", "GZ"};

struct Station {
    std::string call;
    bool logs = true;
    double weight = 1.0;
    int exch = 1;
};

struct Event {
    uint32_t a;
    uint32_t b;
    int32_t minute;  // true time
    uint8_t band;
    bool cw;
    uint8_t error;  // Errors below
    bool tooEarly;
};

enum Errors : uint8_t { None, BustA, BustB, ExchA, ExchB, MissA, MissB };

class Random {
public:
    explicit Random(uint32_t seed) : engine_(seed) {}
    double unit() { return (engine_() >> 5) * (1.0 / 134217728.0); }
    uint32_t below(uint32_t n) { return static_cast<uint32_t>(unit() * n) % n; }
    bool chance(double p) { return unit() < p; }

private:
    std::mt19937 engine_;
};

std::string newCall(Random& random, std::unordered_set<std::string>& taken)
{
    for (;;) {
        std::string call = Prefixes[random.below(sizeof Prefixes / sizeof *Prefixes)];
        call += static_cast<char>('0' + random.below(10));
        const uint32_t letters = 2 + random.below(2);
        for (uint32_t i = 0; i < letters; ++i) {
            call += Letters[random.below(26)];
        }
        if (taken.insert(call).second) {
            return call;
        }
    }
}

std::string miscopied(Random& random, const std::string& call)
{
    for (;;) {
        std::string heard = call;
        const double kind = random.unit();
        const std::size_t at = random.below(static_cast<uint32_t>(call.size()));
        if (kind < 0.5) {
            const char* pair = Mixups[random.below(sizeof Mixups / sizeof *Mixups)];
            const std::size_t found = heard.find_first_of(pair);
            if (found == std::string::npos) {
                continue;
            }
            heard[found] = heard[found] == pair[0] ? pair[1] : pair[0];
        } else if (kind < 0.7) {
            heard[at] = Letters[random.below(26)];
        } else if (kind < 0.85) {
            heard.erase(at, 1);
        } else if (kind < 0.95) {
            heard.insert(at, 1, Letters[random.below(26)]);
        } else if (at + 1 < heard.size()) {
            std::swap(heard[at], heard[at + 1]);
        }
        if (heard != call && heard.size() >= 3) {
            return heard;
        }
    }
}

uint64_t pairKey(uint32_t a, uint32_t b, uint8_t band, bool cw)
{
    const uint64_t low = std::min(a, b);
    const uint64_t high = std::max(a, b);
    return (low << 34) | (high << 4) | (uint64_t{band} << 1) | (cw ? 1u : 0u);
}

}  // namespace

int32_t simulatedStart()
{
    DateTimeParts parts;
    parts.year = 2025;
    parts.month = 2;
    parts.day = 15;
    parts.hour = 6;
    return static_cast<int32_t>(minutesSinceOleEpoch(parts));
}

SimulatedContest simulateContest(const SimulationSize& size)
{
    Random random(size.seed);
    const double e = size.errorScale;
    std::unordered_set<std::string> taken;
    std::vector<Station> stations;
    const uint32_t logless = size.busyLogless + size.rareLogless;
    for (uint32_t i = 0; i < size.entrants + logless; ++i) {
        Station s;
        s.call = newCall(random, taken);
        s.logs = i < size.entrants;
        const double kind = random.unit();
        s.weight = kind < 0.15 ? 3.0 : kind < 0.7 ? 1.0 : 0.3;
        if (!s.logs) {
            s.weight = i < size.entrants + size.busyLogless ? 2.0 : 0.0;
        }
        s.exch = 1 + static_cast<int>(random.below(30));
        stations.push_back(s);
    }
    std::vector<double> cumulative;
    double total = 0.0;
    for (const Station& s : stations) {
        total += s.weight;
        cumulative.push_back(total);
    }
    const int32_t first = size.startMinute + 65;
    const int32_t span = static_cast<int32_t>(size.hours) * 60 - 130;
    std::vector<Event> events;
    std::unordered_set<uint64_t> keys;
    // The times of each pair's contacts: a second one on another band or mode comes only
    // when it is meant to be too early.
    std::unordered_map<uint64_t, std::vector<int32_t>> pairTimes;
    auto addEvent = [&](uint32_t a, uint32_t b, int32_t minute, uint8_t band, bool cw,
                        bool tooEarly = false) {
        if (a == b || keys.count(pairKey(a, b, band, cw)) > 0) {
            return false;
        }
        std::vector<int32_t>& times = pairTimes[pairKey(a, b, 0, false)];
        for (int32_t t : times) {
            if (!tooEarly && std::abs(t - minute) <= 14) {
                return false;
            }
        }
        times.push_back(minute);
        keys.insert(pairKey(a, b, band, cw));
        events.push_back({a, b, minute, band, cw, None, false});
        return true;
    };
    for (uint32_t a = 0; a < size.entrants; ++a) {
        const double hours = stations[a].weight >= 3.0 ? 20.0 : 8.0;
        const auto quota =
            static_cast<uint32_t>(size.meanRate * stations[a].weight * hours / 2.0);
        for (uint32_t k = 0; k < quota; ++k) {
            const double pick = random.unit() * total;
            const auto b = static_cast<uint32_t>(
                std::lower_bound(cumulative.begin(), cumulative.end(), pick) -
                cumulative.begin());
            addEvent(a, std::min<uint32_t>(b, static_cast<uint32_t>(stations.size() - 1)),
                     first + static_cast<int32_t>(random.below(static_cast<uint32_t>(span))),
                     static_cast<uint8_t>(random.below(3)), random.chance(0.7));
        }
    }
    for (uint32_t r = size.entrants + size.busyLogless; r < stations.size(); ++r) {
        const uint32_t times = 1 + random.below(2);
        for (uint32_t k = 0; k < times; ++k) {
            addEvent(random.below(size.entrants), r,
                     first + static_cast<int32_t>(random.below(static_cast<uint32_t>(span))),
                     static_cast<uint8_t>(random.below(3)), random.chance(0.7));
        }
    }
    // One error at most for each contact; a second contact on another band too early.
    const std::size_t trueContacts = events.size();
    events.reserve(trueContacts * 2);
    for (std::size_t i = 0; i < trueContacts; ++i) {
        Event& ev = events[i];
        const bool entrantB = stations[ev.b].logs;
        const bool rare = !entrantB && stations[ev.b].weight == 0.0;
        const double r = random.unit();
        double at = 0.0;
        auto next = [&](double p) { return r < (at += p * e); };
        if (!rare && next(0.02)) {
            ev.error = BustA;
        } else if (entrantB && next(0.02)) {
            ev.error = BustB;
        } else if (entrantB && next(0.015)) {
            ev.error = ExchA;
        } else if (entrantB && next(0.015)) {
            ev.error = ExchB;
        } else if (entrantB && next(0.015)) {
            ev.error = MissA;
        } else if (entrantB && next(0.015)) {
            ev.error = MissB;
        } else if (entrantB && next(0.005)) {
            const uint8_t band = static_cast<uint8_t>((ev.band + 1 + random.below(2)) % 3);
            const int32_t later = ev.minute + 1 + static_cast<int32_t>(random.below(9));
            const Event copy = ev;
            if (addEvent(copy.a, copy.b, later, band, copy.cw, true)) {
                events.back().tooEarly = true;
            }
        }
    }

    SimulatedContest contest;
    contest.logs.resize(size.entrants);
    for (uint32_t a = 0; a < size.entrants; ++a) {
        SimLog& log = contest.logs[a];
        log.call = stations[a].call;
        log.category = random.chance(0.5) ? "SINGLE-OP ALL HIGH" : "SINGLE-OP ALL LOW";
        if (random.chance(0.1 * std::min(e, 1.0))) {
            const int32_t offset = 2 + static_cast<int32_t>(random.below(59));
            log.clockOffset = random.chance(0.5) ? offset : -offset;
        }
    }
    auto lineOf = [&](uint32_t me, uint32_t other, const Event& ev, bool bust, bool exch) {
        SimLine line;
        line.freqKHz = BandKHz[ev.band] + static_cast<int32_t>(random.below(40));
        line.mode = ev.cw ? "CW" : "PH";
        line.minute = ev.minute + contest.logs[me].clockOffset + (random.chance(0.3) ? 1 : 0);
        line.rstSent = line.rstRcvd = ev.cw ? "599" : "59";
        line.exchSent = std::to_string(stations[me].exch);
        line.call = stations[other].call;
        line.exchRcvd = std::to_string(stations[other].exch);
        if (bust) {
            line.call = miscopied(random, line.call);
            if (line.call == stations[me].call) {
                line.call = stations[other].call;
            } else {
                line.truth = Verdict::BustedCall;
                line.trueCall = stations[other].call;
            }
        }
        if (exch) {
            line.exchRcvd = std::to_string(stations[other].exch % 30 + 1 + random.below(5));
            line.truth = Verdict::BustedExchange;
        }
        if (ev.tooEarly) {
            line.truth = Verdict::TooEarly;
        }
        return line;
    };
    // Which lines each logless station is held in, for its truth.
    std::unordered_map<uint32_t, std::set<uint32_t>> holders;
    std::vector<std::vector<uint32_t>> loglessLines(size.entrants);
    for (const Event& ev : events) {
        if (ev.error != MissA) {
            contest.logs[ev.a].lines.push_back(
                lineOf(ev.a, ev.b, ev, ev.error == BustA, ev.error == ExchA));
            SimLine& line = contest.logs[ev.a].lines.back();
            if (!stations[ev.b].logs && line.truth == Verdict::Ok) {
                holders[ev.b].insert(ev.a);
                line.trueCall = stations[ev.b].call;
                line.truth = Verdict::Unique;
            } else if (stations[ev.b].logs && ev.error == MissB) {
                line.truth = Verdict::NotInLog;
            }
        }
        if (stations[ev.b].logs && ev.error != MissB) {
            contest.logs[ev.b].lines.push_back(
                lineOf(ev.b, ev.a, ev, ev.error == BustB, ev.error == ExchB));
            if (ev.error == MissA) {
                contest.logs[ev.b].lines.back().truth = Verdict::NotInLog;
            }
        }
    }
    for (SimLog& log : contest.logs) {
        for (SimLine& line : log.lines) {
            if (line.truth == Verdict::Unique) {
                const uint32_t b = static_cast<uint32_t>(
                    std::find_if(stations.begin(), stations.end(),
                                 [&](const Station& s) { return s.call == line.trueCall; }) -
                    stations.begin());
                line.truth = holders[b].size() >= 3 ? Verdict::NoLog : Verdict::Unique;
                line.trueCall.clear();
            }
        }
    }
    // Lines that are wrong in one log alone: phantoms, repeats, outside the period, garbled.
    for (uint32_t a = 0; a < size.entrants; ++a) {
        SimLog& log = contest.logs[a];
        const std::size_t made = log.lines.size();
        for (std::size_t i = 0; i < made; ++i) {
            const SimLine original = log.lines[i];
            const double r = random.unit();
            if (r < 0.005 * e) {
                SimLine phantom = original;
                phantom.truth = Verdict::Unique;
                phantom.trueCall.clear();
                const uint32_t b = random.below(size.entrants);
                const uint8_t band = static_cast<uint8_t>(random.below(3));
                bool clear = b != a && keys.insert(pairKey(a, b, band, true)).second;
                for (int32_t t : pairTimes[pairKey(a, b, 0, false)]) {
                    clear = clear && std::abs(t - phantom.minute) > 14;
                }
                if (clear) {
                    phantom.call = stations[b].call;
                    phantom.freqKHz = BandKHz[band] + 5;
                    phantom.mode = "CW";
                    phantom.truth = Verdict::NotInLog;
                } else {
                    phantom.call = newCall(random, taken);
                }
                log.lines.push_back(phantom);
            } else if (r < 0.015 * e && original.truth != Verdict::TooEarly) {
                SimLine dupe = original;
                dupe.minute += 5 + static_cast<int32_t>(random.below(175));
                if (dupe.minute < size.startMinute + static_cast<int32_t>(size.hours) * 60) {
                    dupe.truth = Verdict::Dupe;
                    dupe.trueCall.clear();
                    log.lines.push_back(dupe);
                }
            } else if (r < 0.018 * e) {
                SimLine outside = original;
                outside.minute = random.chance(0.5)
                                     ? size.startMinute - 1 - static_cast<int32_t>(random.below(300))
                                     : size.startMinute + static_cast<int32_t>(size.hours) * 60 +
                                           static_cast<int32_t>(random.below(300));
                outside.truth = Verdict::OutOfPeriod;
                outside.trueCall.clear();
                log.lines.push_back(outside);
            } else if (r < 0.019 * e) {
                SimLine garbled = original;
                garbled.garbled = true;
                garbled.truth = Verdict::Invalid;
                garbled.trueCall.clear();
                log.lines.push_back(garbled);
            }
        }
        std::stable_sort(log.lines.begin(), log.lines.end(),
                         [](const SimLine& x, const SimLine& y) { return x.minute < y.minute; });
    }
    return contest;
}

std::string cabrilloText(const SimLog& log)
{
    std::string text = "START-OF-LOG: 3.0\r\nCONTEST: " + std::string(ContestName) +
                       "\r\nCALLSIGN: " + log.call + "\r\n";
    std::size_t at = 0;
    std::string category = log.category;
    const char* const Tags[] = {"CATEGORY-OPERATOR", "CATEGORY-BAND", "CATEGORY-POWER"};
    for (const char* tag : Tags) {
        const std::size_t blank = category.find(' ', at);
        text += std::string(tag) + ": " + category.substr(at, blank - at) + "\r\n";
        at = blank == std::string::npos ? category.size() : blank + 1;
    }
    // Claimed as the entrant's own plug-in would claim it.
    int64_t claimed = 0;
    for (const SimLine& line : log.lines) {
        claimed += exchangePoints(line.exchRcvd);
    }
    text += "CATEGORY-MODE: MIXED\r\nCLAIMED-SCORE: " +
            std::to_string(saturatedPoints(claimed)) +
            "\r\nCREATED-BY: contest simulator\r\n";
    for (const SimLine& line : log.lines) {
        QsoFields f;
        f.call = line.call;
        f.freqKHz = line.freqKHz;
        f.mode = line.mode;
        f.time = DateRecord::make(line.minute / 1440.0);
        f.ownCall = log.call;
        f.rstSent = line.rstSent;
        f.exchSent = line.exchSent;
        f.rstRcvd = line.rstRcvd;
        f.exchRcvd = line.exchRcvd;
        std::string qso = formatQsoLine(f);
        if (line.garbled) {
            qso = qso.substr(0, 24) + "\r\n";
        }
        text += qso;
    }
    return text + "END-OF-LOG:\r\n";
}
