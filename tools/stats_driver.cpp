// Drives the Stats library as the host would, on a short scripted log made in the last hour,
// and prints what the host would show. Usage: stats_driver PATH-TO-LIBRARY
#include <cstdio>
#include <ctime>
#include <string>

#include "host_calls.h"
#include "plugin_loader.h"

namespace {

DateRecord minutesAgo(int minutes)
{
    return hostUtcDate(std::time(nullptr) - 60 * static_cast<std::time_t>(minutes));
}

HostContact contact(const char* call, int minutes, unsigned frequencyHz, const char* band,
                    const char* exchSent, const char* exchRcvd)
{
    HostContact c;
    c.call = call;
    c.time = minutesAgo(minutes);
    c.frequencyHz = frequencyHz;
    c.mode = "CW";
    c.rstSent = "599";
    c.rstRcvd = "599";
    c.exchSent = exchSent;
    c.exchRcvd = exchRcvd;
    c.band = band;
    return c;
}

// The warning is Windows-1251; show its Cyrillic letters to a UTF-8 terminal.
std::string cp1251ToUtf8(const char* text)
{
    std::string out;
    for (const char* p = text; *p != '\0'; ++p) {
        const unsigned char byte = static_cast<unsigned char>(*p);
        if (byte < 0x80) {
            out += static_cast<char>(byte);
            continue;
        }
        unsigned code = 0;
        if (byte >= 0xC0) {
            code = 0x410 + (byte - 0xC0);
        } else if (byte == 0xA8) {
            code = 0x401;
        } else if (byte == 0xB8) {
            code = 0x451;
        } else {
            out += '?';
            continue;
        }
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    return out;
}

void printCheck(const StatsPlugin& plugin, const char* call, const char* band)
{
    char warning[WarningBufferSize] = {};
    const int accepted = hostCheckCall(plugin, call, "CW", band, warning);
    std::printf("CheckCall0 %-5s CW %-3s -> %d %s\n", call, band, accepted,
                cp1251ToUtf8(warning).c_str());
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
    hostResetStats(plugin, 0, "Q0ABC", minutesAgo(0));

    const HostContact log[] = {
        contact("Q1AA", 50, 7012000, "40", "001", "4"),
        contact("Q2BB", 40, 3512000, "80", "002", "2"),
        contact("Q3CC", 30, 3515500, "80", "003", "2"),
        contact("", 20, 7020000, "40", "004", "9"),
        contact("Q4DD", 3, 3521000, "80", "005", "5"),
    };
    for (const HostContact& c : log) {
        hostAddData(plugin, c);
    }
    printCheck(plugin, "Q4DD", "80");  // the same band and mode: refused silently
    printCheck(plugin, "Q4DD", "40");  // another band 3 minutes later: too early
    printCheck(plugin, "Q1AA", "80");  // another band 50 minutes later: fine

    int score = 0;
    const std::string summary = plugin.GetResult0(&score);
    std::printf("GetResult0 -> %d\n", score);
    // One line at a time: the text's own CR LF would double up in a text-mode stream.
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type end = summary.find("\r\n", start);
        std::printf("%s\n", summary.substr(start, end - start).c_str());
        if (end == std::string::npos) {
            break;
        }
        start = end + 2;
    }
    unloadStatsPlugin(plugin);
    return 0;
}
