// The simulation: true contacts first, then each side's line with its own errors, then the
// truth of every line from what was done to it.
#include "contest_simulator.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "crosscheck/near_calls.h"
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
    uint32_t serial = 0;        // the last serial sent
    uint32_t lastReceived = 0;  // the serial received in the last contact
};

struct Event {
    uint32_t a;
    uint32_t b;
    int32_t minute;  // true time
    uint8_t band;
    bool cw;
    uint8_t error;  // Errors below
    bool tooEarly;
    uint32_t nrA = 0;  // serials sent by a and b, and the last each had received
    uint32_t nrB = 0;
    uint32_t lastA = 0;
    uint32_t lastB = 0;
};

// TwiceB: b logs the contact twice, a minute apart, one of the two with the exchange wrong.
enum Errors : uint8_t { None, BustA, BustB, ExchA, ExchB, MissA, MissB, TwiceB };

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

// Two changes or more, or a /P dropped: what a serial exchange still matches.
std::string farMiscopied(Random& random, const std::string& call)
{
    const std::size_t slash = call.find('/');
    if (slash != std::string::npos && random.chance(0.6)) {
        return call.substr(0, slash);
    }
    for (;;) {
        const std::string heard = miscopied(random, miscopied(random, call));
        if (heard != call && nearCallWeight(heard, call) == 0.0) {
            return heard;
        }
    }
}

std::string serialExchange(uint32_t nr, uint32_t last)
{
    return std::to_string(nr) + " " + std::to_string(last);
}

// A received serial exchange with one number miscopied.
std::string miscopiedSerials(Random& random, uint32_t nr, uint32_t last)
{
    const uint32_t change = 1 + random.below(9);
    if (random.chance(0.5) || last == 0) {
        return serialExchange(nr + change, last);
    }
    return serialExchange(nr, last > change ? last - change : last + change);
}

uint64_t pairKey(uint32_t a, uint32_t b, uint8_t band, bool cw)
{
    const uint64_t low = std::min(a, b);
    const uint64_t high = std::max(a, b);
    return (low << 34) | (high << 4) | (uint64_t{band} << 1) | (cw ? 1u : 0u);
}

// Serial numbers in true time order: each station counts its contacts, and sends the serial it
// received last.
void assignSerials(std::vector<Event>& events, std::vector<Station>& stations)
{
    std::vector<std::size_t> order(events.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) {
        return events[x].minute < events[y].minute;
    });
    for (std::size_t i : order) {
        Event& ev = events[i];
        Station& a = stations[ev.a];
        Station& b = stations[ev.b];
        ev.nrA = ++a.serial;
        ev.nrB = ++b.serial;
        ev.lastA = a.lastReceived;
        ev.lastB = b.lastReceived;
        a.lastReceived = ev.nrB;
        b.lastReceived = ev.nrA;
    }
}

// The forms other loggers write: phone, frequencies, zeros, columns, encodings, versions.
void chooseForm(Random& random, SimLog& log)
{
    if (random.chance(0.4)) {
        return;
    }
    const char* const Phones[] = {"PH", "SSB", "USB", "LSB"};
    LogForm& form = log.form;
    form.plugin = false;
    form.phone = Phones[random.below(4)];
    form.frequency = static_cast<int>(random.below(3));
    form.zeros = random.chance(0.3);
    const double kind = random.unit();
    form.transmitter = kind < 0.15;
    form.utf16 = kind >= 0.15 && kind < 0.3;
    form.version2 = kind >= 0.3 && kind < 0.4;
    if (form.transmitter) {
        log.category = "MULTI-OP ALL HIGH";
    }
}

bool counts(Verdict truth)
{
    return truth == Verdict::Ok || truth == Verdict::BustedExchange ||
           truth == Verdict::NoLog || truth == Verdict::Unique;
}

// The same contact logged again later: a dupe inside the repeat window; with serials, a new
// contact the partner never logged once the window has passed.
SimLine repeated(Random& random, const SimulationSize& size, const SimLine& original,
                 uint32_t index)
{
    SimLine dupe = original;
    dupe.truth = Verdict::Dupe;
    dupe.trueCall.clear();
    if (!size.serials) {
        dupe.minute += 5 + static_cast<int32_t>(random.below(175));
        return dupe;
    }
    const uint32_t later = 1 + random.below(size.repeatMinutes);
    dupe.minute += static_cast<int32_t>(later);
    // A serial no one received: the logger numbers every line.
    dupe.exchSent = serialExchange(50000 + index, 0);
    if (later >= size.repeatMinutes) {
        const bool logless = original.truth == Verdict::NoLog || original.truth == Verdict::Unique;
        dupe.truth = logless ? original.truth : Verdict::NotInLog;
    }
    return dupe;
}

// Numbers with leading zeros to three digits, as some loggers write serials.
std::string zeroed(const std::string& fields)
{
    std::string out;
    std::size_t at = 0;
    while (at < fields.size()) {
        const std::size_t end = std::min(fields.find(' ', at), fields.size());
        std::string field = fields.substr(at, end - at);
        if (!field.empty() && field.find_first_not_of("0123456789") == std::string::npos &&
            field.size() < 3) {
            field.insert(0, 3 - field.size(), '0');
        }
        out += (out.empty() ? "" : " ") + field;
        at = end + 1;
    }
    return out;
}

std::string frequencyText(int32_t kHz, int form)
{
    char text[32];
    if (form == 1) {
        std::snprintf(text, sizeof text, "%d.5", static_cast<int>(kHz));
    } else if (form == 2) {
        std::snprintf(text, sizeof text, "%d.%03d", static_cast<int>(kHz / 1000),
                      static_cast<int>(kHz % 1000));
    } else {
        std::snprintf(text, sizeof text, "%d", static_cast<int>(kHz));
    }
    return text;
}

// A QSO line as another logger writes it: one blank between fields.
std::string otherLoggersLine(const SimLog& log, const SimLine& line)
{
    const LogForm& form = log.form;
    DateTimeParts when;
    breakDownOleDate(line.minute / 1440.0, when);
    char date[32];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d %02d%02d", when.year, when.month, when.day,
                  when.hour, when.minute);
    const std::string mode =
        line.badMode ? "XX" : std::string(line.mode) == "PH" ? form.phone : line.mode;
    auto numbers = [&](const std::string& fields) { return form.zeros ? zeroed(fields) : fields; };
    return "QSO: " + frequencyText(line.freqKHz, form.frequency) + " " + mode + " " + date + " " +
           log.call + " " + line.rstSent + " " + numbers(line.exchSent) + " " + line.call + " " +
           line.rstRcvd + " " + numbers(line.exchRcvd) + (form.transmitter ? " 0" : "") + "\r\n";
}

std::string utf16Of(const std::string& text)
{
    std::string out = "\xFF\xFE";
    for (char c : text) {
        out += c;
        out += '\0';
    }
    return out;
}

// Lines that are wrong in one log alone: phantoms, repeats, outside the period, garbled, a
// mode lint rejects; and lines written not for credit.
void addLoneErrors(Random& random, const SimulationSize& size, const std::vector<Station>& stations,
                   std::unordered_set<std::string>& taken, std::unordered_set<uint64_t>& keys,
                   std::unordered_map<uint64_t, std::vector<int32_t>>& pairTimes,
                   SimulatedContest& contest)
{
    const double e = size.errorScale;
    for (uint32_t a = 0; a < size.entrants; ++a) {
        SimLog& log = contest.logs[a];
        const std::size_t made = log.lines.size();
        std::unordered_map<std::string, uint32_t> linesOf;
        for (const SimLine& line : log.lines) {
            ++linesOf[line.call];
        }
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
            } else if (r < 0.015 * e && counts(original.truth)) {
                SimLine dupe = repeated(random, size, original, static_cast<uint32_t>(i));
                if (dupe.minute < size.startMinute + static_cast<int32_t>(size.hours) * 60) {
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
            } else if (!log.form.plugin && r < 0.020 * e) {
                SimLine bad = original;
                bad.badMode = true;
                bad.truth = Verdict::Invalid;
                bad.trueCall.clear();
                log.lines.push_back(bad);
            } else if (!log.form.plugin && r < 0.023 * e && original.truth == Verdict::Ok &&
                       linesOf[original.call] == 1) {
                log.lines[i].notForCredit = true;
            }
        }
        std::stable_sort(log.lines.begin(), log.lines.end(),
                         [](const SimLine& x, const SimLine& y) { return x.minute < y.minute; });
    }
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
        if (size.serials && random.chance(0.05)) {
            s.call += "/P";
            taken.insert(s.call);
        }
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
        const double hours =
            std::min(stations[a].weight >= 3.0 ? 20.0 : 8.0, static_cast<double>(size.hours));
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
        } else if (entrantB && next(0.01)) {
            ev.error = TwiceB;
        } else if (entrantB && next(0.005)) {
            const uint8_t band = static_cast<uint8_t>((ev.band + 1 + random.below(2)) % 3);
            const int32_t later = ev.minute + 1 + static_cast<int32_t>(random.below(9));
            const Event copy = ev;
            if (addEvent(copy.a, copy.b, later, band, copy.cw, true)) {
                events.back().tooEarly = true;
            }
        }
    }

    if (size.serials) {
        assignSerials(events, stations);
    }

    SimulatedContest contest;
    contest.logs.resize(size.entrants);
    for (uint32_t a = 0; a < size.entrants; ++a) {
        SimLog& log = contest.logs[a];
        log.call = stations[a].call;
        log.category = random.chance(0.5) ? "SINGLE-OP ALL HIGH" : "SINGLE-OP ALL LOW";
        if (size.mixedLoggers) {
            chooseForm(random, log);
        }
        if (!size.serials && random.chance(0.1 * std::min(e, 1.0))) {
            const int32_t offset = 2 + static_cast<int32_t>(random.below(59));
            log.clockOffset = random.chance(0.5) ? offset : -offset;
        }
    }
    auto lineOf = [&](uint32_t me, uint32_t other, const Event& ev, bool bust, bool exch,
                      bool far) {
        SimLine line;
        line.freqKHz = BandKHz[ev.band] + static_cast<int32_t>(random.below(40));
        line.mode = ev.cw ? "CW" : "PH";
        line.minute = ev.minute + contest.logs[me].clockOffset + (random.chance(0.3) ? 1 : 0);
        line.rstSent = line.rstRcvd = ev.cw ? "599" : "59";
        line.exchSent = std::to_string(stations[me].exch);
        line.call = stations[other].call;
        line.exchRcvd = std::to_string(stations[other].exch);
        const bool a = me == ev.a;
        if (size.serials) {
            line.exchSent = serialExchange(a ? ev.nrA : ev.nrB, a ? ev.lastA : ev.lastB);
            line.exchRcvd = serialExchange(a ? ev.nrB : ev.nrA, a ? ev.lastB : ev.lastA);
        }
        if (bust) {
            line.call = far ? farMiscopied(random, line.call) : miscopied(random, line.call);
            if (line.call == stations[me].call) {
                line.call = stations[other].call;
            } else {
                line.truth = Verdict::BustedCall;
                line.trueCall = stations[other].call;
            }
        }
        if (exch) {
            const uint32_t nr = a ? ev.nrB : ev.nrA;
            const uint32_t last = a ? ev.lastB : ev.lastA;
            line.exchRcvd = size.serials
                                ? miscopiedSerials(random, nr, last)
                                : std::to_string(stations[other].exch % 30 + 1 + random.below(5));
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
                lineOf(ev.a, ev.b, ev, ev.error == BustA, ev.error == ExchA, false));
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
            const bool far = size.serials && random.chance(0.5);
            contest.logs[ev.b].lines.push_back(
                lineOf(ev.b, ev.a, ev, ev.error == BustB, ev.error == ExchB, far));
            if (ev.error == MissA) {
                contest.logs[ev.b].lines.back().truth = Verdict::NotInLog;
            }
            if (ev.error == TwiceB) {
                // The wrong one of the two: a dupe of the right one, or, before it, a line
                // that no contact confirms.
                SimLine wrong = lineOf(ev.b, ev.a, ev, false, true, false);
                const bool first = random.chance(0.5);
                wrong.minute = contest.logs[ev.b].lines.back().minute + (first ? -1 : 1);
                wrong.truth = first ? Verdict::NotInLog : Verdict::Dupe;
                contest.logs[ev.b].lines.push_back(wrong);
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
    addLoneErrors(random, size, stations, taken, keys, pairTimes, contest);
    return contest;
}

std::string cabrilloText(const SimLog& log)
{
    std::string text = std::string("START-OF-LOG: ") + (log.form.version2 ? "2.0" : "3.0") +
                       "\r\nCONTEST: " + std::string(ContestName) + "\r\nCALLSIGN: " +
                       log.call + "\r\n";
    std::size_t at = 0;
    std::string category = log.category;
    const char* const Tags[] = {"CATEGORY-OPERATOR", "CATEGORY-BAND", "CATEGORY-POWER"};
    for (const char* tag : Tags) {
        if (log.form.version2) {
            text += "CATEGORY: " + category + "\r\n";
            break;
        }
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
        std::string qso = log.form.plugin ? formatQsoLine(f) : otherLoggersLine(log, line);
        if (line.garbled) {
            qso = qso.substr(0, 24) + "\r\n";
        }
        text += (line.notForCredit ? "X-" : "") + qso;
    }
    text += "END-OF-LOG:\r\n";
    return log.form.utf16 ? utf16Of(text) : text;
}

CrosscheckRules simulatedRules(const SimulationSize& size)
{
    CrosscheckRules rules;
    rules.periodGiven = true;
    rules.startMinute = size.startMinute;
    rules.hours = size.hours;
    if (size.serials) {
        rules.sent = rules.received = {"RST", "NR", "LAST"};
        rules.check = {"NR", "LAST"};
        rules.points.clear();
        rules.clockAuto = false;
        rules.repeat.sameNever = false;
        rules.repeat.sameMinutes = sameBandWindow(size.repeatMinutes);
    }
    return rules;
}
