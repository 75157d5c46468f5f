// Drives the Stats library as the host would, on a short scripted log, and prints what the
// host would show. Usage: stats_driver PATH-TO-LIBRARY
#include <cstdio>
#include <string>

#include "host_calls.h"
#include "plugin_loader.h"

namespace {

DateRecord utcDate(int year, int month, int day, int hour, int minute)
{
    DateTimeParts parts;
    parts.year = year;
    parts.month = month;
    parts.day = day;
    parts.hour = hour;
    parts.minute = minute;
    double value = 0.0;
    makeOleDate(parts, value);
    return DateRecord::make(value);
}

HostContact contact(const char* call, int hour, int minute, unsigned frequencyHz,
                    const char* mode, const char* band, const char* exchSent,
                    const char* exchRcvd)
{
    HostContact c;
    c.call = call;
    c.time = utcDate(2026, 12, 6, hour, minute);
    c.frequencyHz = frequencyHz;
    c.mode = mode;
    c.rstSent = "599";
    c.rstRcvd = "599";
    c.exchSent = exchSent;
    c.exchRcvd = exchRcvd;
    c.band = band;
    return c;
}

void printCheck(const StatsPlugin& plugin, const char* call, const char* mode, const char* band)
{
    char warning[WarningBufferSize] = {};
    int accepted = hostCheckCall(plugin, call, mode, band, warning);
    std::printf("CheckCall0 %s %s %s -> %d%s%s\n", call, mode, band, accepted,
                warning[0] != '\0' ? " " : "", warning);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PATH-TO-LIBRARY\n", argv[0]);
        return 2;
    }
    StatsPlugin plugin;
    std::string error;
    if (!loadStatsPlugin(argv[1], plugin, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }

    std::printf("Sets: %d, set 0: %s\n", plugin.GetNumberOfSets(), plugin.GetSetName(0));
    hostResetStats(plugin, 0, "Q0ABC", utcDate(2026, 12, 6, 0, 0));

    const HostContact log[] = {
        contact("Q1AA", 10, 1, 7012000, "CW", "40", "001 5", "4"),
        contact("Q2BB", 10, 3, 3512000, "CW", "80", "002 5", "2"),
        contact("Q3CC", 10, 6, 3515500, "CW", "80", "003 5", "2"),
        contact("", 10, 9, 7020000, "CW", "40", "004 5", "9"),
        contact("Q4DD", 10, 12, 3521000, "CW", "80", "005 5", "5"),
    };
    for (const HostContact& c : log) {
        hostAddData(plugin, c);
    }
    printCheck(plugin, "Q2BB", "CW", "80");
    printCheck(plugin, "Q9ZZ", "CW", "80");

    int score = 0;
    const char* summary = plugin.GetResult0(&score);
    std::printf("GetResult0 -> %d\n%s\n", score, summary);
    unloadStatsPlugin(plugin);
    return 0;
}
