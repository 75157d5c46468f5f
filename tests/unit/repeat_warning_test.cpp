// The too-early warning's bytes, its bounds and what it leaves alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/repeat_warning.h"

namespace {

const char Marker = '\x5A';
const std::size_t Slack = 16;

// The expected text, zero byte included, spelt out independently of the code under test.
std::string warning(const std::string& call, const std::string& minutes)
{
    return "QSO \x63 " + call +
           " \xC5\xD9\xC5 \xD0\xC0\xCD\xCE \xCF\xD0\xCE\xC2\xCE\xC4\xC8\xD2\xDC ! "
           "\xC6\xC4\xC5\xCC \xC5\xD9\xC5 " +
           minutes + " \xCC\xC8\xCD\xD3\xD2" + std::string(1, '\0');
}

std::string hex(const std::string& bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
        out += ' ';
    }
    return out;
}

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
        {"Q0TEST at 3 minutes", "Q0TEST", 7, 100, warning("Q0TEST", "7")},
        {"no minutes left", "Q0TEST", 0, 100, warning("Q0TEST", "0")},
        {"two-digit minutes", "Q0TEST", 10, 100, warning("Q0TEST", "10")},
        {"largest minutes", "Q0TEST", 4294967295u, 100, warning("Q0TEST", "4294967295")},
        {"empty callsign", "", 5, 100, warning("", "5")},
        {"55-byte callsign fills the buffer", LongCall.substr(0, 55), 5, 100,
         warning(LongCall.substr(0, 55), "5")},
        {"55-byte callsign, two digits", LongCall.substr(0, 55), 10, 100,
         warning(LongCall.substr(0, 54), "10")},
        {"200-byte callsign", LongCall, 3, 100, warning(LongCall.substr(0, 55), "3")},
        {"200-byte callsign, two digits", LongCall, 10, 100,
         warning(LongCall.substr(0, 54), "10")},
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
                                    << row.capacity << ")\n got      " << hex(buffer)
                                    << "\n expected " << hex(expected);
    }
}

TEST(RepeatWarning, LeavesANullBufferAlone)
{
    composeRepeatWarning("Q0TEST", 7, nullptr, 100);
}

TEST(RepeatWarning, Q0TestIsFiftyBytes)
{
    EXPECT_EQ(warning("Q0TEST", "7").size(), 51u);
}

}  // namespace
