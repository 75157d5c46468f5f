// Exchange points: atoi's reading, saturated, and in agreement with the runtime's atoi in range.
#include "scoring/exchange_points.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/bytes.h"

namespace {

struct PointsRow {
    std::string text;
    int32_t expected;
    bool inRange;  // the runtime's atoi is defined for it
};

const PointsRow pointsRows[] = {
    {"12", 12, true},
    {" 7", 7, true},
    {"5B", 5, true},
    {"abc", 0, true},
    {"-3", -3, true},
    {"", 0, true},
    {"+4", 4, true},
    {" \t\n\v\f\r9", 9, true},
    {"- 3", 0, true},
    {"+-3", 0, true},
    {"--3", 0, true},
    {" -", 0, true},
    {"12 34", 12, true},
    {"3.9", 3, true},
    {"0x1A", 0, true},
    {"-0", 0, true},
    {std::string("1\0" "2", 3), 1, true},
    {"\xa0" "5", 0, true},  // no-break space is not C-locale white space
    {"-0000000000000000000000012", -12, true},
    {"2147483647", 2147483647, true},
    {"-2147483648", INT32_MIN, true},
    {"2147483648", INT32_MAX, false},
    {"-2147483649", INT32_MIN, false},
    {"99999999999999999999999999", INT32_MAX, false},
    {"-99999999999999999999999999", INT32_MIN, false},
};

TEST(ExchangePoints, ReadsLeadingInteger)
{
    for (const PointsRow& row : pointsRows) {
        EXPECT_EQ(exchangePoints(row.text), row.expected) << "input " << support::escaped(row.text);
    }
}

TEST(ExchangePoints, AgreesWithRuntimeAtoiInRange)
{
    for (const PointsRow& row : pointsRows) {
        if (row.inRange) {
            EXPECT_EQ(exchangePoints(row.text), std::atoi(row.text.c_str()))
                << "input " << support::escaped(row.text);
        }
    }
}

}  // namespace
