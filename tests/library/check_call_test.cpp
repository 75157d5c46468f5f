// The repeat rule through the real library, as the host calls it, against the real UTC clock.
#include <cstddef>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "library_fixture.h"
#include "support/warning_text.h"

namespace {

const char Marker = '\x5A';
const std::size_t HostBufferSize = 100;
const std::size_t Slack = 16;
const int Tries = 5;

struct Stored {
    std::string call;
    std::string band;
    std::string mode;
    int minutesAgo;
};

using support::expectedWarning;

// Whole minutes before the reading, so a library reading in the same minute sees exactly
// that gap.
DateRecord minutesBefore(std::time_t now, int minutes)
{
    return hostUtcDate(now - static_cast<std::time_t>(minutes) * 60);
}

class CheckCall : public LoadedLibrary {
protected:
    // Stores the contacts relative to the clock and checks the candidate; again from an empty
    // store whenever a minute boundary passed in between. buffer is refilled with the marker
    // before each try; a null one is passed as null.
    int checkAgainstClock(const std::vector<Stored>& stored, const std::string& call,
                          const std::string& band, const std::string& mode, std::string* buffer,
                          std::string* secondOutput = nullptr)
    {
        for (int attempt = 0; attempt < Tries; ++attempt) {
            for (std::string* output : {buffer, secondOutput}) {
                if (output != nullptr) {
                    output->assign(HostBufferSize + Slack, Marker);
                }
            }
            hostResetStats(plugin, 0, "Q0ABC", DateRecord::make(46000.0));
            const std::time_t before = std::time(nullptr);
            for (const Stored& s : stored) {
                HostContact contact;
                contact.call = s.call;
                contact.band = s.band;
                contact.mode = s.mode;
                contact.time = minutesBefore(before, s.minutesAgo);
                contact.exchSent = "001";
                contact.exchRcvd = "002";
                hostAddData(plugin, contact);
            }
            const int result =
                hostCheckCall(plugin, call, mode, band, buffer ? &(*buffer)[0] : nullptr,
                              secondOutput ? &(*secondOutput)[0] : nullptr);
            if (std::time(nullptr) / 60 == before / 60) {
                return result;
            }
        }
        ADD_FAILURE() << "the clock crossed a minute boundary on every try";
        return -1;
    }
};

std::string untouched()
{
    return std::string(HostBufferSize + Slack, Marker);
}

std::string written(const std::string& text)
{
    return text + std::string(HostBufferSize + Slack - text.size(), Marker);
}

TEST_F(CheckCall, WarnsOfATooEarlyContactAndWritesNothingElse)
{
    std::string buffer;
    std::string secondOutput;
    EXPECT_EQ(checkAgainstClock({{"Q0TEST", "40M", "CW", 3}}, "Q0TEST", "20M", "CW", &buffer,
                                &secondOutput),
              0);
    EXPECT_EQ(buffer, written(expectedWarning("Q0TEST", "7")));
    EXPECT_EQ(secondOutput, untouched());
}

TEST_F(CheckCall, WarnsOfAnotherModeAtTheEdgeOfTheWindow)
{
    std::string buffer;
    EXPECT_EQ(checkAgainstClock({{"Q0TEST", "20M", "SSB", 10}}, "Q0TEST", "20M", "CW", &buffer),
              0);
    EXPECT_EQ(buffer, written(expectedWarning("Q0TEST", "0")));
}

TEST_F(CheckCall, RefusesAnExactRepeatSilently)
{
    std::string buffer;
    const std::vector<Stored> stored = {{"Q0TEST", "20M", "CW", 300}, {"Q0TEST", "40M", "CW", 2}};
    EXPECT_EQ(checkAgainstClock(stored, "Q0TEST", "20M", "CW", &buffer), 0);
    EXPECT_EQ(buffer, untouched());
}

TEST_F(CheckCall, AcceptsOutsideTheWindowAndOtherStations)
{
    std::string buffer;
    const std::vector<Stored> stored = {{"Q0TEST", "40M", "CW", 11}, {"Q0XYZ", "20M", "CW", 1},
                                        {"q0test", "20M", "CW", 1}};
    EXPECT_EQ(checkAgainstClock(stored, "Q0TEST", "20M", "CW", &buffer), 1);
    EXPECT_EQ(buffer, untouched());
}

TEST_F(CheckCall, AcceptsWithAnEmptyStore)
{
    std::string buffer;
    EXPECT_EQ(checkAgainstClock({}, "Q0TEST", "20M", "CW", &buffer), 1);
    EXPECT_EQ(buffer, untouched());
}

TEST_F(CheckCall, RefusesWithANullWarningBuffer)
{
    EXPECT_EQ(checkAgainstClock({{"Q0TEST", "40M", "CW", 3}}, "Q0TEST", "20M", "CW", nullptr),
              0);
}

TEST_F(CheckCall, KeepsALongCallsignInsideTheBuffer)
{
    const std::string call(200, 'W');
    std::string buffer;
    EXPECT_EQ(checkAgainstClock({{call, "40M", "CW", 2}}, call, "20M", "CW", &buffer), 0);
    EXPECT_EQ(buffer, written(expectedWarning(call.substr(0, 55), "8")));
}

}  // namespace
