// The too-early warning's bytes, its bounds and what it leaves alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/repeat_warning.h"
#include "support/bytes.h"
#include "support/warning_text.h"

namespace {

const char Marker = '\x5A';
const std::size_t Slack = 16;

using support::expectedWarning;

struct Row {
    const char* name;
    std::string call;
    unsigned minutes;
    std::size_t capacity;
    std::string expected;  // the bytes written, terminator included
};

const std::string LongCall(200, 'W');

std::vector<Row> rows()
{
    return {
        {"Q0TEST, 7 minutes to wait", "Q0TEST", 7, 100, expectedWarning("Q0TEST", "7")},
        {"no minutes left", "Q0TEST", 0, 100, expectedWarning("Q0TEST", "0")},
        {"two-digit minutes", "Q0TEST", 10, 100, expectedWarning("Q0TEST", "10")},
        {"largest minutes", "Q0TEST", 4294967295u, 100, expectedWarning("Q0TEST", "4294967295")},
        {"empty callsign", "", 5, 100, expectedWarning("", "5")},
        {"55-byte callsign fills the buffer", LongCall.substr(0, 55), 5, 100,
         expectedWarning(LongCall.substr(0, 55), "5")},
        {"55-byte callsign, two digits", LongCall.substr(0, 55), 10, 100,
         expectedWarning(LongCall.substr(0, 54), "10")},
        {"200-byte callsign", LongCall, 3, 100, expectedWarning(LongCall.substr(0, 55), "3")},
        {"200-byte callsign, two digits", LongCall, 10, 100,
         expectedWarning(LongCall.substr(0, 54), "10")},
        {"buffer too small for the fixed text", "Q0TEST", 7, 12,
         std::string("QSO c  \xC5\xD9\xC5 \0", 12)},
        {"one-byte buffer", "Q0TEST", 7, 1, std::string(1, '\0')},
        {"empty buffer", "Q0TEST", 7, 0, ""},
    };
}

TEST(RepeatWarning, WritesTheBytesAndNothingElse)
{
    for (const Row& row : rows()) {
        std::string buffer(row.capacity + Slack, Marker);
        composeRepeatWarning(row.call, row.minutes, &buffer[0], row.capacity);
        const std::string expected =
            row.expected + std::string(buffer.size() - row.expected.size(), Marker);
        EXPECT_EQ(buffer, expected) << row.name << " (callsign of " << row.call.size()
                                    << " bytes, " << row.minutes << " minutes, capacity "
                                    << row.capacity << ")\n got      " << support::escaped(buffer)
                                    << "\n expected " << support::escaped(expected);
    }
}

TEST(RepeatWarning, Q0TestTakesFiftyBytesAndItsTerminator)
{
    std::string buffer(100, Marker);
    composeRepeatWarning("Q0TEST", 7, &buffer[0], buffer.size());
    EXPECT_EQ(buffer.find('\0'), 50u);
    EXPECT_EQ(buffer[51], Marker);
}

}  // namespace
