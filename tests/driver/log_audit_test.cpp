// The audit: a log replayed in time order under the repeat rule, each contact's time its clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audit/log_audit.h"

namespace {

// "CALL BAND MODE HH:MM [YEAR]" at record numbers 1, 2, ... in file order; 15 February, of 2025
// unless a year is given.
std::vector<LogContact> logOf(const std::vector<std::string>& entries)
{
    std::vector<LogContact> log;
    for (const std::string& entry : entries) {
        char call[16] = {}, band[8] = {}, mode[8] = {};
        LogContact c;
        c.when.year = 2025;
        std::sscanf(entry.c_str(), "%15s %7s %7s %d:%d %d", call, band, mode, &c.when.hour,
                    &c.when.minute, &c.when.year);
        c.when.month = 2;
        c.when.day = 15;
        c.record = log.size() + 1;
        c.host.call = call;
        c.host.band = band;
        c.host.mode = mode;
        double value = 0.0;
        makeOleDate(c.when, value);
        c.host.time = DateRecord::make(value);
        log.push_back(c);
    }
    return log;
}

// "record<-earlier: repeat" or "record<-earlier: wait N", one per finding.
std::vector<std::string> findingsOf(const std::vector<LogContact>& log)
{
    std::vector<std::string> text;
    for (const AuditFinding& f : auditLog(log)) {
        text.push_back(std::to_string(log[f.contact].record) + "<-" +
                       std::to_string(log[f.earlier].record) + ": " +
                       (f.tooEarly ? "wait " + std::to_string(f.minutesToWait) : "repeat"));
    }
    return text;
}

TEST(LogAudit, FindsEveryRepeatTheRuleRefuses)
{
    const struct {
        const char* name;
        std::vector<std::string> log;
        std::vector<std::string> findings;
    } rows[] = {
        {"exact repeat hours later", {"Q1A 40 CW 06:00", "Q1A 40 CW 09:00"}, {"2<-1: repeat"}},
        {"another station, band or mode after the window",
         {"Q1A 40 CW 06:00", "Q2B 40 CW 06:01", "Q1A 20 CW 06:11", "Q1A 20 SSB 06:22"},
         {}},
        {"another band 3 minutes on", {"Q1A 40 CW 06:00", "Q1A 20 CW 06:03"}, {"2<-1: wait 7"}},
        {"another mode at 10 minutes, then 11",
         {"Q1A 40 CW 06:00", "Q1A 40 SSB 06:10", "Q2B 40 CW 06:00", "Q2B 80 CW 06:11"},
         {"2<-1: wait 0"}},
        {"across the hour", {"Q1A 40 CW 12:58", "Q1A 20 CW 13:03"}, {"2<-1: wait 5"}},
        {"replayed in time order, not file order", {"Q1A 20 CW 06:03", "Q1A 40 CW 06:00"},
         {"1<-2: wait 7"}},
        {"the first refusing logged contact decides",
         {"Q1A 40 CW 06:00", "Q1A 80 CW 06:05", "Q1A 40 CW 06:07"}, {"2<-1: wait 5",
                                                                     "3<-1: repeat"}},
        {"case matters", {"Q1A 40 CW 06:00", "q1a 40 CW 06:01"}, {}},
        // The host's date value runs backwards inside a day before 30 December 1899.
        {"real time order before 1899", {"Q1A 40 CW 10:05 1800", "Q1A 40 CW 10:00 1800"},
         {"1<-2: repeat"}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(findingsOf(logOf(row.log)), row.findings) << row.name;
    }
}

}  // namespace
