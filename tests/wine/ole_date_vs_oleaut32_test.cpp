// breakDownOleDate and makeOleDate side by side with oleaut32's VariantTimeToSystemTime and
// SystemTimeToVariantTime, over edge values and a fixed-seed spread across the whole range.
#include "scoring/ole_date.h"

#include <windows.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int64_t FirstDay = -657434;
constexpr int64_t LastDay = 2958465;

std::string ourBreakDown(double value)
{
    DateTimeParts parts;
    return breakDownOleDate(value, parts) ? formatDateParts(parts, "%Y-%m-%d %H:%M:%S")
                                          : "no date";
}

std::string windowsBreakDown(double value)
{
    SYSTEMTIME st{};
    if (!VariantTimeToSystemTime(value, &st)) {
        return "no date";
    }
    char text[64];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", st.wYear, st.wMonth,
                  st.wDay, st.wHour, st.wMinute, st.wSecond);
    std::string result = text;
    if (st.wMilliseconds != 0) {
        result += " +" + std::to_string(st.wMilliseconds) + "ms";
    }
    return result;
}

// oleaut32 adds 1e-11 day (0.86 us) to the time of day before truncating it to seconds, so a
// time just under a half second rounds up there although the lower second is the nearer one.
// Which side of the half a value lies on is past what this double arithmetic can tell, so a
// window either side is left out.
bool nearHalfSecond(double value)
{
    const double seconds = std::fabs(value - std::trunc(value)) * 86400.0;
    return std::fabs(seconds - std::floor(seconds) - 0.5) < 2e-6;
}

// The value for a whole second, the time of day counting forward even before the epoch.
double atSecond(int64_t day, int64_t second)
{
    return static_cast<double>(day * 86400 + (day < 0 ? -second : second)) / 86400.0;
}

struct Comparison {
    int compared = 0;
    int excluded = 0;
    std::vector<std::string> failures;

    void check(double value)
    {
        const std::string ours = ourBreakDown(value);
        const std::string windows = windowsBreakDown(value);
        // oleaut32 checks the range before rounding: it rolls a value that rounds past
        // 9999-12-31 23:59:59 into the year 10000, and refuses one from the last second of
        // 31 December 99 that rounds to 0100-01-01 00:00:00. The range holds once rounded.
        const bool pastLastDay = windows.compare(0, 6, "10000-") == 0 && ours == "no date";
        const bool ontoFirstDay = windows == "no date" && ours == "0100-01-01 00:00:00";
        // NaN passes oleaut32's range check and comes out as the epoch.
        if (pastLastDay || ontoFirstDay || std::isnan(value) || nearHalfSecond(value)) {
            ++excluded;
            return;
        }
        ++compared;
        if (ours != windows) {
            char text[200];
            std::snprintf(text, sizeof text, "%.17g: got %s, Windows gave %s", value, ours.c_str(),
                          windows.c_str());
            failures.push_back(text);
        }
    }

    void checkAround(double centre)
    {
        check(centre);
        for (double direction : {-1.0, 1.0}) {
            double step = centre;
            for (int ulps = 1; ulps <= 8; ++ulps) {
                step = std::nextafter(step, direction * 1e9);
                if (ulps == 1 || ulps == 2 || ulps == 8) {
                    check(step);
                }
            }
            for (double hair : {1e-10, 1e-9, 1e-8, 4e-6}) {
                check(centre + direction * hair);
            }
        }
    }

    std::string report() const
    {
        std::string text;
        for (std::size_t i = 0; i < failures.size() && i < 25; ++i) {
            text += failures[i] + "\n";
        }
        return text;
    }
};

TEST(OleDateVsOleaut32, BreakDownMatchesVariantTimeToSystemTime)
{
    Comparison comparison;
    for (double value : {0.0, -0.0, 0.5, -0.5, 1.0, -1.0, -1.25, 2.75, 60.0, 61.0, 36526.5,
                         -657435.5, -657436.0, 2958466.5, 1e300, -1e300}) {
        comparison.check(value);
    }
    comparison.check(std::nan(""));

    const int64_t days[] = {0, 1, -1, 2, -2, 59, 60, 36526, -36526, -109512, -115863,
                            1000000, FirstDay - 1, FirstDay, FirstDay + 1, LastDay - 1, LastDay,
                            LastDay + 1};
    const int64_t seconds[] = {0, 1, 59, 60, 3599, 43199, 43200, 86399, 86400};
    for (int64_t day : days) {
        for (int64_t second : seconds) {
            comparison.checkAround(atSecond(day, second));
            // Half seconds, where the rounding turns; the closest neighbours are left out.
            const double half = (day < 0 ? -0.5 : 0.5) / 86400.0;
            comparison.checkAround(atSecond(day, second) + half);
        }
    }

    std::mt19937_64 random(20240307);
    auto unit = [&random] { return static_cast<double>(random() >> 11) * 0x1.0p-53; };
    const double low = static_cast<double>(FirstDay - 2);
    const double high = static_cast<double>(LastDay + 2);
    for (int i = 0; i < 4000; ++i) {
        comparison.check(low + (high - low) * unit());
        comparison.check(4.0 * unit() - 2.0);
    }
    for (int i = 0; i < 500; ++i) {
        const int64_t day = FirstDay + static_cast<int64_t>(random() % (LastDay - FirstDay + 1));
        comparison.checkAround(atSecond(day, static_cast<int64_t>(random() % 86401)));
    }

    std::printf("compared %d values, excluded %d\n", comparison.compared, comparison.excluded);
    EXPECT_GT(comparison.compared, 15000);
    EXPECT_TRUE(comparison.failures.empty())
        << comparison.failures.size() << " differences, first ones:\n"
        << comparison.report();
}

// The exclusions above, pinned: ours keeps the nearest second and the range.
TEST(OleDateVsOleaut32, ExcludedValuesKeepOurSemantics)
{
    EXPECT_EQ(ourBreakDown(0.00390625 - 1e-11), "1899-12-30 00:05:37");
    if (sizeof(void*) == 4) {
        // The 32-bit oleaut32 rounds this one up; the 64-bit one agrees with us.
        EXPECT_EQ(windowsBreakDown(0.00390625 - 1e-11), "1899-12-30 00:05:38");
    }
    EXPECT_EQ(ourBreakDown(2958465.99999999), "no date");
    EXPECT_EQ(windowsBreakDown(2958465.99999999), "10000-01-01 00:00:00");
    EXPECT_EQ(ourBreakDown(-657435.99999999), "0100-01-01 00:00:00");
    EXPECT_EQ(windowsBreakDown(-657435.99999999), "no date");
    EXPECT_EQ(ourBreakDown(std::nan("")), "no date");
    EXPECT_EQ(windowsBreakDown(std::nan("")), "1899-12-30 00:00:00");
}

// oleaut32 sums hours, minutes and seconds with a rounding each, so its value may sit an ulp
// or two from the nearest double that makeOleDate gives; both must name the same second.
TEST(OleDateVsOleaut32, MakeOleDateMatchesSystemTimeToVariantTime)
{
    std::mt19937_64 random(19991231);
    int compared = 0;
    std::vector<std::string> failures;
    for (int i = 0; i < 3000; ++i) {
        DateTimeParts parts;
        parts.year = 100 + static_cast<int>(random() % 9900);
        parts.month = 1 + static_cast<int>(random() % 12);
        parts.day = 1 + static_cast<int>(random() % 31);
        parts.hour = static_cast<int>(random() % 24);
        parts.minute = static_cast<int>(random() % 60);
        parts.second = static_cast<int>(random() % 60);
        double ours = 0.0;
        if (!makeOleDate(parts, ours)) {
            continue;
        }
        SYSTEMTIME st{};
        st.wYear = static_cast<WORD>(parts.year);
        st.wMonth = static_cast<WORD>(parts.month);
        st.wDay = static_cast<WORD>(parts.day);
        st.wHour = static_cast<WORD>(parts.hour);
        st.wMinute = static_cast<WORD>(parts.minute);
        st.wSecond = static_cast<WORD>(parts.second);
        double windows = 0.0;
        const bool windowsOk = SystemTimeToVariantTime(&st, &windows) != 0;
        const double tolerance = 4.0 * (std::nextafter(std::fabs(ours), 1e9) - std::fabs(ours));
        ++compared;
        if (!windowsOk || std::fabs(ours - windows) > tolerance ||
            ourBreakDown(windows) != ourBreakDown(ours)) {
            char text[200];
            std::snprintf(text, sizeof text, "%s: got %.17g, Windows gave %.17g (ok %d)",
                          formatDateParts(parts, "%Y-%m-%d %H:%M:%S").c_str(), ours, windows,
                          windowsOk ? 1 : 0);
            failures.push_back(text);
        }
    }
    EXPECT_GT(compared, 2500);
    std::string report;
    for (std::size_t i = 0; i < failures.size() && i < 25; ++i) {
        report += failures[i] + "\n";
    }
    EXPECT_TRUE(failures.empty()) << failures.size() << " differences:\n" << report;
}

}  // namespace
