// The report's time figures: off periods, operating time and best rates at their edges.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/log_report.h"
#include "page/report_html.h"
#include "report/report_text.h"

namespace {

LogContact contactAt(const std::string& band, const DateTimeParts& when, std::size_t record)
{
    LogContact c;
    c.when = when;
    c.record = record;
    c.host.call = "Q1A" + std::to_string(record);
    c.host.band = band;
    c.host.mode = "CW";
    c.host.exchRcvd = "5";
    double value = 0.0;
    makeOleDate(c.when, value);
    c.host.time = DateRecord::make(value);
    return c;
}

// "BAND D HH:MM:SS" in file order; D is the day of February 2025.
std::vector<LogContact> logOf(const std::vector<std::string>& entries)
{
    std::vector<LogContact> log;
    for (const std::string& entry : entries) {
        char band[8] = {};
        DateTimeParts when;
        std::sscanf(entry.c_str(), "%7s %d %d:%d:%d", band, &when.day, &when.hour, &when.minute,
                    &when.second);
        when.year = 2025;
        when.month = 2;
        log.push_back(contactAt(band, when, log.size() + 1));
    }
    return log;
}

// count contacts on one band from 2025-02-15 00:00 on, every minutes minutes; stations
// cycle through calls of them, and the band changes every bandEvery contacts.
std::vector<LogContact> steadyLog(std::size_t count, int64_t minutes, std::size_t calls,
                                  std::size_t bandEvery)
{
    const char* const bands[] = {"40", "20"};
    DateTimeParts start;
    start.year = 2025;
    start.month = 2;
    start.day = 15;
    double first = 0.0;
    makeOleDate(start, first);
    std::vector<LogContact> log;
    for (std::size_t k = 0; k < count; ++k) {
        DateTimeParts when;
        breakDownOleDate(first + static_cast<double>(static_cast<int64_t>(k) * minutes) / 1440.0,
                         when);
        log.push_back(contactAt(bands[k / bandEvery % 2], when, k + 1));
        log.back().host.call = "Q2B" + std::to_string(k % calls);
    }
    return log;
}

std::string rateText(const BestRate& best)
{
    return std::to_string(best.qsos) + "@" + minuteText(best.firstMinute, "%d %H%M");
}

// "off D HHMM-D HHMM, ...; operating N; best10 Q@D HHMM; best60 Q@D HHMM; changes N".
std::string figuresOf(const std::vector<std::string>& entries, unsigned offTime)
{
    const LogReport report = buildLogReport(logOf(entries), offTime);
    std::string text = "off";
    for (const OffPeriod& period : report.offPeriods) {
        text += " " + minuteText(period.firstMinute, "%d %H%M") + "-" +
                minuteText(period.lastMinute, "%d %H%M");
    }
    return text + "; operating " + std::to_string(report.operatingMinutes) + "; best10 " +
           rateText(report.best10) + "; best60 " + rateText(report.best60) + "; changes " +
           std::to_string(report.bandChanges);
}

TEST(LogReport, OffTimeAndBestRatesInCalendarMinutes)
{
    const struct {
        const char* name;
        std::vector<std::string> log;
        unsigned offTime;
        const char* figures;
    } rows[] = {
        {"one contact", {"40 15 10:00:30"}, 30,
         "off; operating 1; best10 1@15 1000; best60 1@15 1000; changes 0"},
        {"30 silent minutes are off time",
         {"40 15 10:00:00", "40 15 10:31:00"}, 30,
         "off 15 1001-15 1030; operating 2; best10 1@15 1000; best60 2@15 1000; changes 0"},
        {"29 are not",
         {"40 15 10:00:00", "40 15 10:30:00"}, 30,
         "off; operating 31; best10 1@15 1000; best60 2@15 1000; changes 0"},
        {"seconds do not count: 10:00:59 to 10:31:00 leaves 30 minutes",
         {"40 15 10:00:59", "40 15 10:31:00"}, 30,
         "off 15 1001-15 1030; operating 2; best10 1@15 1000; best60 2@15 1000; changes 0"},
        {"nor here: 10:00:00 to 10:30:59 leaves 29",
         {"40 15 10:00:00", "40 15 10:30:59"}, 30,
         "off; operating 31; best10 1@15 1000; best60 2@15 1000; changes 0"},
        {"across midnight, file order reversed",
         {"20 16 00:30:00", "40 15 23:50:00"}, 30,
         "off 15 2351-16 0029; operating 2; best10 1@15 2350; best60 2@15 2350; changes 1"},
        {"off time of one minute", {"40 15 10:00:00", "40 15 10:01:00", "40 15 10:03:00"}, 1,
         "off 15 1002-15 1002; operating 3; best10 3@15 1000; best60 3@15 1000; changes 0"},
        {"the ten-minute window ends before its tenth minute is over",
         {"40 15 10:00:00", "40 15 10:09:59", "40 15 10:10:00"}, 30,
         "off; operating 11; best10 2@15 1000; best60 3@15 1000; changes 0"},
        {"the later of two windows wins only with more",
         {"40 15 10:00:00", "20 15 10:05:00", "40 15 10:12:00", "20 15 10:13:00",
          "40 15 10:14:00"},
         30, "off; operating 15; best10 4@15 1005; best60 5@15 1000; changes 4"},
        {"a window across the hour, contacts in one minute",
         {"40 15 09:10:00", "40 15 10:40:00", "40 15 10:40:10", "40 15 10:40:20",
          "40 15 11:39:00", "40 15 11:40:00"},
         60, "off 15 0911-15 1039; operating 62; best10 3@15 1040; best60 4@15 1040; changes 0"},
        {"no contacts", {}, 30, "off; operating 0; best10 0@30 0000; best60 0@30 0000; changes 0"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(figuresOf(row.log, row.offTime), row.figures) << row.name;
    }
}

// Rows of the rate sheet as "DD HH n" (n QSOs) or "DD HH -n" (n empty hours as one row).
std::string sheetOf(const std::vector<LogContact>& log, unsigned offTime)
{
    std::string text;
    for (const HourRow& row : buildLogReport(log, offTime).hours) {
        text += (text.empty() ? "" : ", ") + minuteText(row.hour * 60, "%y-%m-%d %H") + " " +
                (row.emptyHours > 0 ? "-" + std::to_string(row.emptyHours)
                                    : std::to_string(row.total.qsos));
    }
    return text;
}

TEST(LogReport, EmptyHoursInAnOffPeriodTakeOneRow)
{
    std::vector<LogContact> stray = logOf({"40 15 10:00:00", "20 15 10:20:00"});
    DateTimeParts later = stray.back().when;
    later.year = 2026;
    stray.push_back(contactAt("20", later, 3));
    const struct {
        const char* name;
        std::vector<LogContact> log;
        unsigned offTime;
        const char* rows;
    } rows[] = {
        {"25 hours apart: 24 empty hours", logOf({"40 15 10:00:00", "40 16 11:00:00"}), 30,
         "25-02-15 10 1, 25-02-15 11 -24, 25-02-16 11 1"},
        {"one empty hour", logOf({"40 15 10:59:00", "40 15 12:00:00"}), 30,
         "25-02-15 10 1, 25-02-15 11 -1, 25-02-15 12 1"},
        {"empty hours that are no off time stay rows",
         logOf({"40 15 10:59:00", "40 15 13:00:00"}), 180,
         "25-02-15 10 1, 25-02-15 11 0, 25-02-15 12 0, 25-02-15 13 1"},
        {"a stray contact a year later", stray, 30,
         "25-02-15 10 2, 25-02-15 11 -8759, 26-02-15 10 1"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(sheetOf(row.log, row.offTime), row.rows) << row.name;
    }
}

TEST(LogReport, TextColumnsKeepApart)
{
    std::vector<LogContact> log = logOf({"40 15 10:00:00"});
    log[0].host.exchRcvd = "2147483647";
    const std::string text = reportText(buildLogReport(log, 30), ReportHeading{});
    EXPECT_NE(text.find("Points per band\n"
                        "Band        QSOs      Points\n"
                        "40m            1  2147483647\n"
                        "Total          1  2147483647\n"),
              std::string::npos)
        << text;
}

TEST(LogReport, DurationsPadTheirMinutes)
{
    const std::pair<int64_t, const char*> rows[] = {
        {59, "59 min"}, {60, "1 h 00 min"}, {65, "1 h 05 min"}, {610, "10 h 10 min"}};
    for (const auto& row : rows) {
        EXPECT_EQ(durationText(row.first), row.second) << row.first;
    }
}

// The page draws from tallies: a shape that once gave an element per contact or per gap keeps
// it small, a stray date shows its year on the time axis, and findings their cost.
TEST(LogReport, PageStaysSmallWhateverTheLog)
{
    std::vector<LogContact> stray = steadyLog(2000, 1, 2000, 50);
    DateTimeParts later = stray.back().when;
    later.year = 2026;
    stray.push_back(contactAt("20", later, stray.size() + 1));
    const struct {
        const char* name;
        std::vector<LogContact> log;
        const char* shows;
    } rows[] = {
        {"a contact every 25 hours", steadyLog(20000, 25 * 60, 20000, 1), "Year (UTC)"},
        {"a band change at every contact", steadyLog(20000, 1, 20000, 1), ">changes<"},
        {"an exact repeat at every other contact", steadyLog(20000, 1, 10000, 20000),
         "class=\"crowd\""},
        {"a stray contact a year later", stray, ">2026-02-16<"},
        {"repeats and early contacts deducted", steadyLog(6, 1, 2, 4),
         "Score 30; 10 if the sponsor removed them."},
    };
    for (const auto& row : rows) {
        const std::string page =
            reportPage(buildLogReport(row.log, 30), ReportHeading{}, row.log);
        EXPECT_LT(page.size(), 300000u) << row.name;
        EXPECT_NE(page.find(row.shows), std::string::npos) << row.name;
    }
}

}  // namespace
