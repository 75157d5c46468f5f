// The report's time figures: off periods, operating time and best rates at their edges.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "log_report.h"

namespace {

// "BAND D HH:MM:SS" in file order; D is the day of February 2025.
std::vector<LogContact> logOf(const std::vector<std::string>& entries)
{
    std::vector<LogContact> log;
    for (const std::string& entry : entries) {
        char band[8] = {};
        LogContact c;
        std::sscanf(entry.c_str(), "%7s %d %d:%d:%d", band, &c.when.day, &c.when.hour,
                    &c.when.minute, &c.when.second);
        c.when.year = 2025;
        c.when.month = 2;
        c.record = log.size() + 1;
        c.host.call = "Q1A" + std::to_string(log.size());
        c.host.band = band;
        c.host.mode = "CW";
        c.host.exchRcvd = "5";
        double value = 0.0;
        makeOleDate(c.when, value);
        c.host.time = DateRecord::make(value);
        log.push_back(c);
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

}  // namespace
