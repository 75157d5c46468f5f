// The repeat rule through the real library, as the host calls it: at instants the test sets
// through libfaketime (hour and year boundaries among them), and once on the real clock.
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "library_fixture.h"
#include "support/dates.h"
#include "support/warning_text.h"

namespace {

const char Marker = '\x5A';
const std::size_t HostBufferSize = 100;
const std::size_t Slack = 16;

using support::at;
using support::expectedWarning;

struct Stored {
    std::string call;
    std::string band;
    std::string mode;
    DateRecord time;
};

Stored stored(const std::string& call, const char* band, const char* mode, const DateTimeParts& t)
{
    return {call, band, mode, support::hostDate(t)};
}

std::string untouched()
{
    return std::string(HostBufferSize + Slack, Marker);
}

std::string written(const std::string& text)
{
    return text + std::string(HostBufferSize + Slack - text.size(), Marker);
}

class CheckCall : public LoadedLibrary {
protected:
    void TearDown() override
    {
        clockStoppedAt("+0");
        LoadedLibrary::TearDown();
    }

    // Stops this process's clock at utc, "YYYY-MM-DD hh:mm:ss" ("+0": the real clock again).
    // False where libfaketime is not loaded (ctest loads it natively, see cmake/tests.cmake).
    static bool clockStoppedAt(const char* utc)
    {
        static char setting[40];
        putenv(const_cast<char*>("TZ=UTC0"));
        std::snprintf(setting, sizeof setting, "FAKETIME=%s", utc);
        putenv(setting);
        const std::time_t now = std::time(nullptr);
        char shown[20] = {};
        std::strftime(shown, sizeof shown, "%Y-%m-%d %H:%M:%S", std::gmtime(&now));
        return std::string(shown) == utc;
    }

    // buffer is filled with the marker first; null passes a null warning buffer.
    int check(const std::vector<Stored>& contacts, const std::string& call, std::string* buffer)
    {
        hostResetStats(plugin, 0, "Q0ABC", DateRecord::make(46000.0));
        for (const Stored& s : contacts) {
            HostContact contact;
            contact.call = s.call;
            contact.band = s.band;
            contact.mode = s.mode;
            contact.time = s.time;
            contact.exchSent = "001";
            contact.exchRcvd = "002";
            hostAddData(plugin, contact);
        }
        if (buffer != nullptr) {
            *buffer = untouched();
        }
        secondOutput = untouched();
        return hostCheckCall(plugin, call, "CW", "20M", buffer ? &(*buffer)[0] : nullptr,
                             &secondOutput[0]);
    }

    std::string secondOutput;
};

TEST_F(CheckCall, JudgesByTheUtcClockAcrossHourAndYear)
{
    const std::string longCall(200, 'W');
    struct Row {
        const char* what;
        const char* now;
        std::vector<Stored> contacts;
        std::string call;
        int result;
        std::string warning;  // empty: the buffer stays untouched
    };
    const Row rows[] = {
        {"three minutes, across the hour", "2025-02-15 13:01:20",
         {stored("Q0TEST", "40M", "CW", at(2025, 2, 15, 12, 58, 50))}, "Q0TEST", 0,
         expectedWarning("Q0TEST", "7")},
        {"three minutes, across the year", "2027-01-01 00:02:30",
         {stored("Q0TEST", "40M", "CW", at(2026, 12, 31, 23, 59, 59))}, "Q0TEST", 0,
         expectedWarning("Q0TEST", "7")},
        {"another mode at the edge of the window", "2027-01-01 00:05:00",
         {stored("Q0TEST", "20M", "SSB", at(2026, 12, 31, 23, 55, 0))}, "Q0TEST", 0,
         expectedWarning("Q0TEST", "0")},
        {"an exact repeat, silently", "2025-02-15 13:01:20",
         {stored("Q0TEST", "20M", "CW", at(2025, 2, 15, 8, 1)),
          stored("Q0TEST", "40M", "CW", at(2025, 2, 15, 12, 59))},
         "Q0TEST", 0, ""},
        {"outside the window, and other stations", "2027-01-01 00:05:00",
         {stored("Q0TEST", "40M", "CW", at(2026, 12, 31, 23, 54, 59)),
          stored("Q0XYZ", "20M", "CW", at(2027, 1, 1, 0, 4)),
          stored("q0test", "20M", "CW", at(2027, 1, 1, 0, 4))},
         "Q0TEST", 1, ""},
        {"an empty store", "2025-02-15 13:01:20", {}, "Q0TEST", 1, ""},
        {"a long callsign stays inside the buffer", "2025-02-15 13:01:20",
         {stored(longCall, "40M", "CW", at(2025, 2, 15, 12, 59, 30))}, longCall, 0,
         expectedWarning(longCall.substr(0, 55), "8")},
    };
    for (const Row& row : rows) {
        if (!clockStoppedAt(row.now)) {
            GTEST_SKIP() << "needs libfaketime preloaded with FAKETIME_NO_CACHE=1 (faketime)";
        }
        std::string buffer;
        EXPECT_EQ(check(row.contacts, row.call, &buffer), row.result) << row.what;
        EXPECT_EQ(buffer, row.warning.empty() ? untouched() : written(row.warning)) << row.what;
        EXPECT_EQ(secondOutput, untouched()) << row.what;
    }
    ASSERT_TRUE(clockStoppedAt("2025-02-15 13:01:20"));
    EXPECT_EQ(check({stored("Q0TEST", "40M", "CW", at(2025, 2, 15, 12, 58))}, "Q0TEST", nullptr),
              0)
        << "refused with a null warning buffer";
}

TEST_F(CheckCall, ReadsTheRealClock)
{
    const std::time_t before = std::time(nullptr);
    std::string buffer;
    const int result = check({{"Q0TEST", "40M", "CW", hostUtcDate(before - 120)}}, "Q0TEST",
                             &buffer);
    const std::time_t after = std::time(nullptr);
    EXPECT_EQ(result, 0);
    // Two or three minutes by the clock, as a minute may begin between the readings.
    const auto waited = [before](std::time_t now) {
        const long minutes = static_cast<long>(now / 60 - (before - 120) / 60);
        return written(expectedWarning("Q0TEST", std::to_string(10 - minutes)));
    };
    EXPECT_TRUE(buffer == waited(before) || buffer == waited(after)) << buffer;
}

}  // namespace
