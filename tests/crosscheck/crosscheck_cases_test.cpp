// One hand-made contest for each rule: the verdict and partner of the line that shows it.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cabrillo/qso_line.h"
#include "contest_simulator.h"
#include "crosscheck/crosscheck.h"
#include "crosscheck_input/log_input.h"

namespace {

// "R1AA 15: 0610 7 CW R1BB 12; ..." is R1AA's log, sending 15: at 06:10 on 40 m CW it
// received 12 from R1BB. "!" as a line is an unreadable one; "R1AA@5" a log modified at 5.
LogSet contestOf(const std::vector<std::string>& logs, CrosscheckRules& rules)
{
    rules.periodGiven = true;
    rules.startMinute = simulatedStart();
    LogSet set;
    CabrilloLogReader reader(rules, set.names);
    for (const std::string& text : logs) {
        std::istringstream in(text);
        std::string call;
        std::string sent;
        in >> call >> sent;
        sent.pop_back();
        const std::size_t at = call.find('@');
        const uint64_t modified = at == std::string::npos ? 0 : std::stoull(call.substr(at + 1));
        call = call.substr(0, at);
        std::string cabrillo = "START-OF-LOG: 3.0\r\nCALLSIGN: " + call + "\r\n";
        std::string entry;
        while (std::getline(in, entry, ';')) {
            std::istringstream line(entry);
            std::string time, band, mode, worked, received;
            if (!(line >> time)) {
                continue;
            }
            if (time == "!") {
                cabrillo += "QSO: 7000 CW 2025-02-15\r\n";
                continue;
            }
            line >> band >> mode >> worked >> received;
            QsoFields f;
            f.freqKHz = band == "7" ? 7020 : band == "14" ? 14020 : 3550;
            f.mode = mode;
            const int hhmm = std::stoi(time);
            const int minute = 24 * 60 + (hhmm / 100) * 60 + hhmm % 100;  // 2025-02-15 or 16
            f.time = DateRecord::make((rules.startMinute - 360 + minute - 1440) / 1440.0);
            f.ownCall = call;
            f.rstSent = f.rstRcvd = "599";
            f.exchSent = sent;
            f.call = worked;
            f.exchRcvd = received;
            cabrillo += formatQsoLine(f);
        }
        LogInput log;
        std::string why;
        EXPECT_TRUE(reader.read(cabrillo + "END-OF-LOG:\r\n", log, why)) << why;
        log.modified = modified;
        set.logs.push_back(std::move(log));
    }
    return set;
}

TEST(CrosscheckCases, EachRuleOnItsOwnContest)
{
    const struct {
        const char* name;
        std::vector<std::string> logs;
        std::size_t log;  // the line looked at: log and QSO line, from 0
        std::size_t qso;
        const char* verdict;
        const char* partner;  // "CALL" or "CALL:LINE"
    } rows[] = {
        {"both logged it", {"R1AA 15: 0610 7 CW R1BB 12", "R1BB 12: 0611 7 CW R1AA 15"}, 0, 0,
         "ok", "R1BB:3"},
        {"3 minutes apart", {"R1AA 15: 0610 7 CW R1BB 12", "R1BB 12: 0613 7 CW R1AA 15"}, 0, 0,
         "ok", "R1BB:3"},
        {"4 minutes apart", {"R1AA 15: 0610 7 CW R1BB 12", "R1BB 12: 0614 7 CW R1AA 15"}, 0, 0,
         "not-in-log", ""},
        {"other band", {"R1AA 15: 0610 7 CW R1BB 12", "R1BB 12: 0610 14 CW R1AA 15"}, 0, 0,
         "not-in-log", ""},
        {"other mode", {"R1AA 15: 0610 7 CW R1BB 12", "R1BB 12: 0610 7 PH R1AA 15"}, 0, 0,
         "not-in-log", ""},
        {"exchange miscopied", {"R1AA 15: 0610 7 CW R1BB 13", "R1BB 12: 0610 7 CW R1AA 15"}, 0,
         0, "busted-exchange", "R1BB:3"},
        {"my miscopy of the call", {"R1AA 15: 0610 7 CW R1BD 12", "R1BB 12: 0610 7 CW R1AA 15"},
         0, 0, "busted-call", "R1BB:3"},
        {"the partner's miscopy of mine",
         {"R1AA 15: 0610 7 CW R1BB 12", "R1BB 12: 0610 7 CW R1AI 15"}, 0, 0, "ok", "R1BB:3"},
        {"an exact repeat",
         {"R1AA 15: 0610 7 CW R1BB 12; 0900 7 CW R1BB 12", "R1BB 12: 0610 7 CW R1AA 15"}, 0, 1,
         "dupe", ""},
        {"another band in 10 minutes",
         {"R1AA 15: 0610 7 CW R1BB 12; 0620 14 CW R1BB 12",
          "R1BB 12: 0610 7 CW R1AA 15; 0620 14 CW R1AA 15"}, 0, 1, "too-early", ""},
        {"another band after 11 minutes",
         {"R1AA 15: 0610 7 CW R1BB 12; 0621 14 CW R1BB 12",
          "R1BB 12: 0610 7 CW R1AA 15; 0621 14 CW R1AA 15"}, 0, 1, "ok", "R1BB:4"},
        {"before the start", {"R1AA 15: 0559 7 CW R1BB 12", "R1BB 12: 0559 7 CW R1AA 15"}, 0, 0,
         "out-of-period", ""},
        {"an unreadable line", {"R1AA 15: !", "R1BB 12: 0610 7 CW R1AA 15"}, 0, 0, "invalid",
         ""},
        {"a logless call in 3 logs",
         {"R1AA 15: 0610 7 CW R9ZZ 1", "R1BB 12: 0710 7 CW R9ZZ 1", "R1CC 10: 0810 7 CW R9ZZ 1"},
         0, 0, "no-log", ""},
        {"a logless call in 1 log", {"R1AA 15: 0610 7 CW R9ZZ 1", "R1BB 12: 0710 7 CW R1CC 1"},
         0, 0, "unique", ""},
        {"a rare call next to a busy logless one",
         {"R1AA 15: 0610 7 CW R9ZE 1", "R1BB 12: 0710 7 CW R9ZZ 1", "R1CC 10: 0810 7 CW R9ZZ 1",
          "R1DD 10: 0810 7 CW R9ZZ 1", "R1EE 10: 0810 7 CW R9ZZ 1"},
         0, 0, "busted-call", "R9ZZ"},
        {"a clock 30 minutes fast",
         {"R1AA 15: 0640 7 CW R1BB 12; 0740 7 CW R1CC 10; 0840 7 CW R1DD 11",
          "R1BB 12: 0610 7 CW R1AA 15", "R1CC 10: 0710 7 CW R1AA 15",
          "R1DD 11: 0810 7 CW R1AA 15"},
         0, 2, "ok", "R1DD:3"},
        {"the later file of a call counts",
         {"R1AA@1 15: 0610 7 CW R1BB 12", "R1AA@2 15: 0700 7 CW R1BB 12",
          "R1BB 12: 0700 7 CW R1AA 15"},
         2, 0, "ok", "R1AA:3"},
        {"the same time: the file with more lines counts",
         {"R1AA@2 15: 0610 7 CW R1BB 12; 0700 14 CW R1BB 12", "R1AA@2 15: 0610 7 CW R1BB 12",
          "R1BB 12: 0610 7 CW R1AA 15; 0700 14 CW R1AA 15"},
         2, 1, "ok", "R1AA:4"},
    };
    for (const auto& row : rows) {
        CrosscheckRules rules;
        const LogSet set = contestOf(row.logs, rules);
        const CrosscheckResult result = crosscheck(set, rules);
        const LineResult& got = result.lines[row.log][row.qso];
        // As qsos.csv shows it: the station, and its line where there is one.
        std::string partner;
        const bool ownLine = got.verdict == Verdict::Dupe || got.verdict == Verdict::TooEarly;
        if (got.partnerCall != NoName) {
            partner = std::string(set.names.text(got.partnerCall));
        } else if (got.partnerLog >= 0 && !ownLine) {
            partner = set.logs[static_cast<std::size_t>(got.partnerLog)].call;
        }
        if (got.partnerQso >= 0 && !ownLine) {
            const LogInput& log = set.logs[static_cast<std::size_t>(got.partnerLog)];
            partner += ":" + std::to_string(log.qsos[static_cast<std::size_t>(got.partnerQso)].line);
        }
        EXPECT_EQ(std::string(verdictName(got.verdict)) + " " + partner,
                  std::string(row.verdict) + " " + row.partner)
            << row.name;
    }
}

}  // namespace
