// OLE date breakdown, building and formatting, checked against calendar facts worked out by hand.
#include "scoring/ole_date.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <limits>

namespace {

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();

std::string describe(const DateTimeParts& p)
{
    return formatDateParts(p, "%Y-%m-%d %H:%M:%S");
}

struct BreakDownRow {
    double value;
    const char* expected;  // nullptr: no calendar date
};

const BreakDownRow breakDownRows[] = {
    {0.0, "1899-12-30 00:00:00"},
    {1.0, "1899-12-31 00:00:00"},
    {-1.0, "1899-12-29 00:00:00"},
    {-1.25, "1899-12-29 06:00:00"},
    {-0.5, "1899-12-30 12:00:00"},
    {0.5, "1899-12-30 12:00:00"},
    {2.75, "1900-01-01 18:00:00"},
    {60.0, "1900-02-28 00:00:00"},
    {61.0, "1900-03-01 00:00:00"},
    {36526.0, "2000-01-01 00:00:00"},
    {45000.5, "2023-03-15 12:00:00"},
    {-115863.75, "1582-10-10 18:00:00"},
    {-109512.5, "1600-02-29 12:00:00"},
    {-72988.0, "1700-02-28 00:00:00"},
    {-72987.0, "1700-03-01 00:00:00"},
    // A hair below midnight rounds into the next day, whatever the sign.
    {0.99999999, "1899-12-31 00:00:00"},
    {0.99999, "1899-12-30 23:59:59"},
    {-0.99999999, "1899-12-31 00:00:00"},
    {-1.99999999, "1899-12-30 00:00:00"},
    {-2.00000001, "1899-12-28 00:00:00"},
    // Whole and half seconds: 1/256 day is exactly 337.5 s, and a half rounds up.
    {1.0 / 86400 - 1e-12, "1899-12-30 00:00:01"},
    {1.0 / 86400 + 1e-12, "1899-12-30 00:00:01"},
    {0.00390625, "1899-12-30 00:05:38"},
    {0.00390625 - 1e-12, "1899-12-30 00:05:37"},
    {-1.00390625, "1899-12-29 00:05:38"},
    // The range limits and just beyond.
    {-657434.0, "0100-01-01 00:00:00"},
    {-657434.5, "0100-01-01 12:00:00"},
    {-657434.0 - 86399.0 / 86400, "0100-01-01 23:59:59"},
    {-657434.999999999, "0100-01-02 00:00:00"},
    {-657435.0, nullptr},
    {-657435.5, nullptr},
    {2958465.0, "9999-12-31 00:00:00"},
    {2958465.0 + 86399.0 / 86400, "9999-12-31 23:59:59"},
    {2958465.0 + 86399.4 / 86400, "9999-12-31 23:59:59"},
    {2958465.0 + 86399.6 / 86400, nullptr},
    {2958465.99999999, nullptr},
    {2958466.0, nullptr},
    {1e300, nullptr},
    {NaN, nullptr},
    {Inf, nullptr},
    {-Inf, nullptr},
};

TEST(OleDate, BreaksDownValues)
{
    for (const BreakDownRow& row : breakDownRows) {
        DateTimeParts parts;
        const bool ok = breakDownOleDate(row.value, parts);
        const std::string got = ok ? describe(parts) : "(none)";
        EXPECT_EQ(got, row.expected ? row.expected : "(none)") << "value " << row.value;
    }
}

TEST(OleDate, FailureLeavesPartsAlone)
{
    DateTimeParts parts;
    parts.year = 2001;
    EXPECT_FALSE(breakDownOleDate(NaN, parts));
    EXPECT_EQ(parts.year, 2001);
}

TEST(OleDate, MakeAndBreakDownRoundTrip)
{
    // Odd strides so the walk meets every month length, leap years and every hour.
    int checked = 0;
    for (int year = 100; year <= 9999; year += 37) {
        for (int month = 1; month <= 12; ++month) {
            const int day = 1 + (year * 7 + month * 11) % 31;
            const DateTimeParts in{year, month, day, (year + month) % 24, year * 3 % 60,
                                   month * 5 % 60};
            double value = 0.0;
            if (!makeOleDate(in, value)) {
                EXPECT_GT(day, 28) << describe(in);
                continue;
            }
            DateTimeParts out;
            ASSERT_TRUE(breakDownOleDate(value, out)) << describe(in) << " -> " << value;
            EXPECT_EQ(describe(out), describe(in)) << "value " << value;
            ++checked;
        }
    }
    EXPECT_GT(checked, 2500);
}

TEST(OleDate, MakeOleDateValues)
{
    double value = 0.0;
    ASSERT_TRUE(makeOleDate({1899, 12, 29, 6, 0, 0}, value));
    EXPECT_EQ(value, -1.25);
    ASSERT_TRUE(makeOleDate({1899, 12, 30, 12, 0, 0}, value));
    EXPECT_EQ(value, 0.5);
    ASSERT_TRUE(makeOleDate({100, 1, 1, 0, 0, 0}, value));
    EXPECT_EQ(value, -657434.0);
    ASSERT_TRUE(makeOleDate({9999, 12, 31, 0, 0, 0}, value));
    EXPECT_EQ(value, 2958465.0);
}

TEST(OleDate, MakeOleDateRejectsImpossibleParts)
{
    const DateTimeParts rows[] = {
        {99, 12, 31, 0, 0, 0},  {10000, 1, 1, 0, 0, 0}, {2023, 0, 1, 0, 0, 0},
        {2023, 13, 1, 0, 0, 0}, {2023, 4, 31, 0, 0, 0}, {1900, 2, 29, 0, 0, 0},
        {2023, 1, 0, 0, 0, 0},  {2023, 1, 1, 24, 0, 0}, {2023, 1, 1, 0, 60, 0},
        {2023, 1, 1, 0, 0, 60}, {2023, 1, 1, -1, 0, 0},
    };
    for (const DateTimeParts& parts : rows) {
        double value = 0.0;
        EXPECT_FALSE(makeOleDate(parts, value)) << describe(parts);
    }
    double value = 0.0;
    EXPECT_TRUE(makeOleDate({2000, 2, 29, 0, 0, 0}, value));
}

TEST(OleDate, MinutesSinceEpoch)
{
    const struct {
        DateTimeParts parts;
        int64_t expected;
    } rows[] = {
        {{1899, 12, 30, 0, 0, 0}, 0},
        {{1899, 12, 29, 23, 59, 59}, -1},
        {{1899, 12, 29, 6, 0, 0}, -1080},
        {{1899, 12, 31, 0, 1, 0}, 1441},
        {{2000, 1, 1, 0, 0, 0}, int64_t{36526} * 1440},
        {{100, 1, 1, 0, 30, 0}, int64_t{-657434} * 1440 + 30},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(minutesSinceOleEpoch(row.parts), row.expected) << describe(row.parts);
    }
}

TEST(OleDate, FormatsParts)
{
    const DateTimeParts parts{2024, 3, 7, 9, 5, 3};
    EXPECT_EQ(formatDateParts(parts, "%d.%m.%y"), "07.03.24");
    EXPECT_EQ(formatDateParts(parts, "%Y-%m-%d %H%M"), "2024-03-07 0905");
    EXPECT_EQ(formatDateParts(parts, "%S%%%q %"), "03%%q %");
    EXPECT_EQ(formatDateParts({100, 1, 1, 0, 0, 0}, "%Y %y"), "0100 00");
    EXPECT_EQ(formatDateParts(parts, nullptr), "");
    const DateTimeParts extreme{INT_MIN, INT_MAX, -7, 0, 0, 0};
    EXPECT_EQ(formatDateParts(extreme, "%Y %m %d"), "-2147483648 2147483647 -07");
}

TEST(OleDate, RecordBytesAndStatus)
{
    EXPECT_EQ(DateRecord(), DateRecord::make(0.0));
    EXPECT_NE(DateRecord::make(1.0, DateStatus::Valid), DateRecord::make(1.0, DateStatus::Invalid));

    const DateRecord null = DateRecord::fromHost(nullptr);
    EXPECT_EQ(null.value(), 0.0);
    EXPECT_EQ(null.status(), 2);

    // The host object may be longer than 12 bytes; only the first 12 are read.
    unsigned char host[16];
    const double value = 36526.5;
    std::memcpy(host, &value, 8);
    const unsigned char tail[8] = {1, 0, 0, 0, 0xAA, 0xBB, 0xCC, 0xDD};
    std::memcpy(host + 8, tail, 8);
    const DateRecord record = DateRecord::fromHost(reinterpret_cast<const COleDateTime*>(host));
    EXPECT_EQ(record.value(), 36526.5);
    EXPECT_EQ(record.status(), 1);
    EXPECT_EQ(record, DateRecord::make(36526.5, DateStatus::Invalid));
    EXPECT_EQ(std::memcmp(record.bytes(), host, DateRecord::Size), 0);
}

TEST(OleDate, FormatsRecords)
{
    const char* pattern = "%Y-%m-%d %H:%M";
    EXPECT_EQ(formatDateRecord(DateRecord::make(36526.5), pattern), "2000-01-01 12:00");
    EXPECT_EQ(formatDateRecord(DateRecord::fromHost(nullptr), pattern), "");
    EXPECT_EQ(formatDateRecord(DateRecord::make(36526.5, DateStatus::Invalid), pattern),
              "Invalid DateTime");
    EXPECT_EQ(formatDateRecord(DateRecord::make(36526.5, static_cast<DateStatus>(7)), pattern),
              "Invalid DateTime");
    EXPECT_EQ(formatDateRecord(DateRecord::make(NaN), pattern), "Invalid DateTime");
    EXPECT_EQ(formatDateRecord(DateRecord::make(3e6), pattern), "Invalid DateTime");
}

}  // namespace
