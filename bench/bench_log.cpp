// Builds the benchmark logs once per size.
#include "bench_log.h"

#include <map>
#include <string>

namespace {

const char* const Bands[BenchBandCount] = {"160", "80", "40", "30", "20", "17",
                                           "15",  "12", "10", "6",  "2",  "70cm"};

// Q, a digit, then letters: Q0A .. Q9ZZZZZ, short as real callsigns are.
std::string stationCall(std::size_t station)
{
    std::string call = "Q" + std::to_string(station % 10);
    station /= 10;
    do {
        call += static_cast<char>('A' + station % 26);
        station /= 26;
    } while (station != 0);
    return call;
}

HostContact benchContact(std::size_t index)
{
    HostContact c;
    c.call = stationCall(index / 4);
    c.band = Bands[index % BenchBandCount];
    c.mode = index % 3 == 0 ? "SSB" : "CW";
    c.frequencyHz = 7012000u + static_cast<unsigned>(index % 1000) * 1000u;
    c.rstSent = "599";
    c.rstRcvd = "599";
    c.exchSent = std::to_string(index % 1000 + 1);
    c.exchRcvd = std::to_string(index % 97 + 1);
    // One contact every 6 seconds from 1 January 2026.
    c.time = DateRecord::make(46023.0 + static_cast<double>(index) / 14400.0);
    return c;
}

}  // namespace

const std::vector<HostContact>& benchLog(std::size_t n)
{
    static std::map<std::size_t, std::vector<HostContact>> logs;
    std::vector<HostContact>& log = logs[n];
    if (log.size() != n) {
        log.clear();
        log.reserve(n);
        for (std::size_t i = 0; i < n; ++i) {
            log.push_back(benchContact(i));
        }
    }
    return log;
}

const HostContact& absentContact()
{
    static const HostContact absent = [] {
        HostContact c = benchContact(0);
        c.call = "Q0NOTLOGGED";
        return c;
    }();
    return absent;
}
