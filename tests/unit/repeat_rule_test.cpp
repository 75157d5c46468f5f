// The repeat rule against a store and a clock chosen per case.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "rules/repeat_index.h"
#include "rules/repeat_rule.h"
#include "support/dates.h"

namespace {

using support::at;

DateRecord logged(const DateTimeParts& parts, double extraSeconds = 0.0)
{
    return support::hostDate(parts, extraSeconds);
}

CInfo contact(const std::string& call, const std::string& band, const std::string& mode,
              const DateRecord& time)
{
    CInfo stored;
    stored.Call = call;
    stored.Band = band;
    stored.Mode = mode;
    stored.Time = time;
    return stored;
}

const RepeatVerdict Accepted{true, false, 0};
const RepeatVerdict Repeat{false, false, 0};
RepeatVerdict wait(unsigned minutes)
{
    return {false, true, minutes};
}

std::string describe(const RepeatVerdict& v)
{
    if (v.accepted) {
        return "accepted";
    }
    return v.tooEarly ? "too early, wait " + std::to_string(v.minutesToWait) : "exact repeat";
}

struct Row {
    const char* name;
    ContactArray stored;
    std::string call, band, mode;
    DateTimeParts now;
    RepeatVerdict expected;
};

const DateTimeParts CheckTime = at(2024, 5, 14, 10, 8, 30);
const DateRecord ThreeBefore = logged(at(2024, 5, 14, 10, 5, 10));
const DateRecord FarFuture = DateRecord::make(1e12);
const DateRecord NotANumber = DateRecord::make(std::numeric_limits<double>::quiet_NaN());

std::vector<Row> rows()
{
    return {
        {"empty store", {}, "Q0TEST", "20M", "CW", CheckTime, Accepted},
        {"exact repeat hours earlier",
         {contact("Q0TEST", "20M", "CW", logged(at(2024, 5, 14, 4, 0)))},
         "Q0TEST", "20M", "CW", CheckTime, Repeat},
        {"exact repeat days earlier",
         {contact("Q0TEST", "20M", "CW", logged(at(2024, 5, 2, 10, 7)))},
         "Q0TEST", "20M", "CW", CheckTime, Repeat},
        {"exact repeat minutes earlier is still silent",
         {contact("Q0TEST", "20M", "CW", ThreeBefore)}, "Q0TEST", "20M", "CW", CheckTime, Repeat},
        {"exact repeat with a null time",
         {contact("Q0TEST", "20M", "CW", DateRecord::make(0.0, DateStatus::Null))},
         "Q0TEST", "20M", "CW", CheckTime, Repeat},
        {"all texts empty are equal", {contact("", "", "", ThreeBefore)}, "", "", "", CheckTime,
         Repeat},
        {"other band 3 minutes earlier", {contact("Q0TEST", "40M", "CW", ThreeBefore)},
         "Q0TEST", "20M", "CW", CheckTime, wait(7)},
        {"other mode 10 minutes earlier",
         {contact("Q0TEST", "20M", "SSB", logged(at(2024, 5, 14, 9, 58, 59)))},
         "Q0TEST", "20M", "CW", CheckTime, wait(0)},
        {"other mode 11 minutes earlier",
         {contact("Q0TEST", "20M", "SSB", logged(at(2024, 5, 14, 9, 57, 59)))},
         "Q0TEST", "20M", "CW", CheckTime, Accepted},
        {"same minute", {contact("Q0TEST", "40M", "CW", logged(at(2024, 5, 14, 10, 8, 59)))},
         "Q0TEST", "20M", "CW", CheckTime, wait(10)},
        {"stored time rounds up into the window",
         {contact("Q0TEST", "40M", "CW", logged(at(2024, 5, 14, 9, 57, 59), 0.6))},
         "Q0TEST", "20M", "CW", CheckTime, wait(0)},
        {"stored time just short of rounding up",
         {contact("Q0TEST", "40M", "CW", logged(at(2024, 5, 14, 9, 57, 59), 0.4))},
         "Q0TEST", "20M", "CW", CheckTime, Accepted},
        {"12:58 then 13:03",
         {contact("Q0TEST", "40M", "CW", logged(at(2024, 5, 14, 12, 58)))},
         "Q0TEST", "20M", "CW", at(2024, 5, 14, 13, 3), wait(5)},
        {"same clock time a day earlier",
         {contact("Q0TEST", "40M", "CW", logged(at(2024, 5, 13, 10, 5)))},
         "Q0TEST", "20M", "CW", CheckTime, Accepted},
        {"stored a minute in the future",
         {contact("Q0TEST", "40M", "CW", logged(at(2024, 5, 14, 10, 9)))},
         "Q0TEST", "20M", "CW", CheckTime, Accepted},
        {"stored a day in the future at the same minute",
         {contact("Q0TEST", "40M", "CW", logged(at(2024, 5, 15, 10, 8)))},
         "Q0TEST", "20M", "CW", CheckTime, Accepted},
        {"across midnight", {contact("Q0TEST", "40M", "CW", logged(at(2024, 3, 10, 23, 57)))},
         "Q0TEST", "20M", "CW", at(2024, 3, 11, 0, 2), wait(5)},
        {"across a leap month end",
         {contact("Q0TEST", "40M", "CW", logged(at(2024, 2, 29, 23, 55)))},
         "Q0TEST", "20M", "CW", at(2024, 3, 1, 0, 4), wait(1)},
        {"across a year end, 10 minutes",
         {contact("Q0TEST", "40M", "CW", logged(at(2023, 12, 31, 23, 59, 30)))},
         "Q0TEST", "20M", "CW", at(2024, 1, 1, 0, 9, 10), wait(0)},
        {"across a year end, 11 minutes",
         {contact("Q0TEST", "40M", "CW", logged(at(2023, 12, 31, 23, 58, 30)))},
         "Q0TEST", "20M", "CW", at(2024, 1, 1, 0, 9, 10), Accepted},
        {"invalid stored time",
         {contact("Q0TEST", "40M", "CW",
                  DateRecord::make(ThreeBefore.value(), DateStatus::Invalid))},
         "Q0TEST", "20M", "CW", CheckTime, Accepted},
        {"null stored time",
         {contact("Q0TEST", "40M", "CW", DateRecord::make(0.0, DateStatus::Null))},
         "Q0TEST", "20M", "CW", CheckTime, Accepted},
        {"valid status, no calendar date", {contact("Q0TEST", "40M", "CW", FarFuture)},
         "Q0TEST", "20M", "CW", CheckTime, Accepted},
        {"valid status, NaN", {contact("Q0TEST", "40M", "CW", NotANumber)}, "Q0TEST", "20M",
         "CW", CheckTime, Accepted},
        {"exact repeat before a too-early contact",
         {contact("Q0TEST", "20M", "CW", logged(at(2024, 5, 1, 0, 0))),
          contact("Q0TEST", "40M", "CW", ThreeBefore)},
         "Q0TEST", "20M", "CW", CheckTime, Repeat},
        {"too-early contact before an exact repeat",
         {contact("Q0TEST", "40M", "CW", ThreeBefore),
          contact("Q0TEST", "20M", "CW", logged(at(2024, 5, 1, 0, 0)))},
         "Q0TEST", "20M", "CW", CheckTime, wait(7)},
        {"a passing contact does not end the scan",
         {contact("Q0TEST", "40M", "CW", logged(at(2024, 5, 14, 9, 48))),
          contact("Q0TEST", "20M", "SSB", logged(at(2024, 5, 14, 10, 4)))},
         "Q0TEST", "20M", "CW", CheckTime, wait(6)},
        {"other stations are ignored",
         {contact("Q0XYZ", "20M", "CW", ThreeBefore), contact("Q0XYZ", "40M", "CW", ThreeBefore)},
         "Q0TEST", "20M", "CW", CheckTime, Accepted},
        {"callsign differing in case",
         {contact("Q0TEST", "20M", "CW", ThreeBefore), contact("Q0TEST", "40M", "CW", ThreeBefore)},
         "q0test", "20M", "CW", CheckTime, Accepted},
        {"callsign with a trailing space", {contact("Q0TEST ", "40M", "CW", ThreeBefore)},
         "Q0TEST", "20M", "CW", CheckTime, Accepted},
        {"band differing in case is another band", {contact("Q0TEST", "20m", "CW", ThreeBefore)},
         "Q0TEST", "20M", "CW", CheckTime, wait(7)},
    };
}

TEST(RepeatRule, DecidesEachCase)
{
    for (const Row& row : rows()) {
        const RepeatVerdict got = judgeRepeat(row.stored, row.call, row.mode, row.band, row.now);
        const bool same = got.accepted == row.expected.accepted &&
                          got.tooEarly == row.expected.tooEarly &&
                          (!got.tooEarly || got.minutesToWait == row.expected.minutesToWait);
        EXPECT_TRUE(same) << row.name << ": " << row.call << " " << row.band << " " << row.mode
                          << " against " << row.stored.size() << " stored: got " << describe(got)
                          << ", expected " << describe(row.expected);
    }
}

// The index against the scan it replaces: every earlier contact judged in turn, the first that
// refuses deciding. Seeded random stations, mostly in time order, now and then not.
TEST(RepeatRule, IndexFindsWhatAScanOfEveryContactFinds)
{
    std::mt19937 random(26);
    for (int round = 0; round < 400; ++round) {
        const RepeatWindows windows = {random() % 2 == 0, unsigned(random() % 4),
                                       unsigned(random() % 12)};
        const bool inOrder = round % 4 != 0;
        StationRepeats index(windows);
        struct Added { uint64_t bandMode; bool timed; int64_t minute; };
        std::vector<Added> added;
        int64_t minute = 0;
        for (std::size_t k = 0; k < 60; ++k) {
            minute = inOrder ? minute + random() % 4 : int64_t(random() % 40);
            const uint64_t bandMode = random() % 3;
            std::size_t expected = SIZE_MAX;
            for (std::size_t e = 0; e < added.size() && expected == SIZE_MAX; ++e) {
                const bool same = added[e].bandMode == bandMode;
                if ((same || added[e].timed) &&
                    !judgeRepeatPair(windows, same, minute - added[e].minute).accepted) {
                    expected = e;
                }
            }
            const RepeatConflict got = index.judge(bandMode, minute);
            ASSERT_EQ(got.found ? got.earlier : SIZE_MAX, expected)
                << "round " << round << ", contact " << k;
            const bool timed = random() % 8 != 0;
            index.add(bandMode, timed, minute, k);
            added.push_back({bandMode, timed, timed ? minute : 0});
        }
    }
}

}  // namespace
