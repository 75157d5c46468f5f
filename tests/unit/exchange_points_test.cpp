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

TEST(ExchangePoints, PlainIntegerAndSaturatedSum)
{
    const PointsText Plain = PointsText::Plain;
    const PointsText Beyond = PointsText::BeyondRange;
    const PointsText Other = PointsText::NotInteger;
    const struct {
        const char* text;
        PointsText form;
    } rows[] = {{"12", Plain},           {" -3 ", Plain},         {"+4", Plain},
                {"2147483647", Plain},   {"-2147483648", Plain},  {"2147483648", Beyond},
                {"-2147483649", Beyond}, {"999999999999", Beyond}, {"599 10", Other},
                {"5A", Other},           {"1.5", Other},          {"", Other},
                {"-", Other}};
    for (const auto& row : rows) {
        EXPECT_EQ(pointsText(row.text), row.form) << "input " << row.text;
    }
    EXPECT_EQ(saturatedPoints(int64_t{INT32_MAX} + 1), INT32_MAX);
    EXPECT_EQ(saturatedPoints(int64_t{INT32_MIN} - 1), INT32_MIN);
    EXPECT_EQ(saturatedPoints(-7), -7);
}

}  // namespace
