// One hand-made contest for each rule: the verdict and partner of the line that shows it.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cabrillo/qso_line.h"
#include "contest_simulator.h"
#include "crosscheck/crosscheck.h"
#include "crosscheck_input/log_input.h"
#include "cabrillo_input/utf16_text.h"

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

// "busted-call R1BB:3": the verdict, and as qsos.csv shows it the station and its line where
// there is one.
std::string judged(const LogSet& set, const LineResult& got)
{
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
    return std::string(verdictName(got.verdict)) + " " + partner;
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
        EXPECT_EQ(judged(set, got),
                  std::string(row.verdict) + " " + row.partner)
            << row.name;
    }
}

// A file as a logger wrote it: its call, the lines after START-OF-LOG: and CALLSIGN:, and
// whether it was saved as UTF-16.
struct Written {
    const char* call;
    std::vector<std::string> lines;
    bool utf16 = false;
};

std::string fileOf(const Written& file)
{
    std::string text = "START-OF-LOG: 3.0\r\nCALLSIGN: " + std::string(file.call) + "\r\n";
    for (const std::string& line : file.lines) {
        text += line + "\r\n";
    }
    text += "END-OF-LOG:\r\n";
    if (!file.utf16) {
        return text;
    }
    std::string wide = "\xFF\xFE";
    for (char c : text) {
        wide += c;
        wide += '\0';
    }
    return wide;
}

// "A" and "B" below are R1AA's and R1BB's lines of a contact, sent and received as written.
std::string qso(const char* head, const char* own, const char* sent, const char* call,
                const char* received)
{
    return std::string(head) + " " + own + " " + sent + " " + call + " " + received;
}

TEST(CrosscheckCases, EachWrittenFormAndEachPairingOnItsOwnContest)
{
    const char* const A = "QSO: 7020 CW 2025-02-15 0610";
    const char* const B = "QSO: 7020 CW 2025-02-15 0611";
    const char* const Later = "QSO: 7020 CW 2025-02-15 0900";
    // A serial contest shows itself by each log's serials going up: a second contact each.
    auto next = [](const char* own, const char* sent) {
        return qso("QSO: 14020 CW 2025-02-15 0700", own, sent, "R1CC", "599 1 0");
    };
    const struct {
        const char* name;
        bool serials;  // the exchange RST NR LAST, a repeat counting after 5 minutes
        std::vector<Written> files;
        std::size_t log;
        std::size_t qso;
        const char* verdict;
        const char* partner;  // "CALL" or "CALL:LINE"
        int64_t score;        // the log's final score, or -1 when not looked at
    } rows[] = {
        {"phone written SSB", false,
         {{"R1AA", {"QSO: 7020 SSB 2025-02-15 0610 R1AA 59 15 R1BB 59 12"}},
          {"R1BB", {"QSO: 7020 PH 2025-02-15 0611 R1BB 59 12 R1AA 59 15"}}}, 0, 0, "ok", "R1BB:3",
         12},
        {"phone written USB", false,
         {{"R1AA", {"QSO: 7020 USB 2025-02-15 0610 R1AA 59 15 R1BB 59 12"}},
          {"R1BB", {"QSO: 7020 PH 2025-02-15 0611 R1BB 59 12 R1AA 59 15"}}}, 1, 0, "ok", "R1AA:3",
         15},
        {"phone written LSB", false,
         {{"R1AA", {"QSO: 3550 LSB 2025-02-15 0610 R1AA 59 15 R1BB 59 12"}},
          {"R1BB", {"QSO: 3550 SSB 2025-02-15 0611 R1BB 59 12 R1AA 59 15"}}}, 0, 0, "ok", "R1BB:3",
         -1},
        {"the transmitter ID of a MULTI-OP log", false,
         {{"R1AA", {"CATEGORY-OPERATOR: MULTI-OP", qso(A, "R1AA", "599 15", "R1BB", "599 12 1")}},
          {"R1BB", {qso(B, "R1BB", "599 12", "R1AA", "599 15")}}}, 0, 0, "ok", "R1BB:3", 12},
        {"the transmitter ID of a TWO-transmitter log", false,
         {{"R1AA", {"CATEGORY-TRANSMITTER: TWO", qso(A, "R1AA", "599 15", "R1BB", "599 12 0")}},
          {"R1BB", {qso(B, "R1BB", "599 12", "R1AA", "599 15")}}}, 0, 0, "ok", "R1BB:3", -1},
        {"an 11th field in a single-op log stays in the exchange", false,
         {{"R1AA", {qso(A, "R1AA", "599 15", "R1BB", "599 12 0")}},
          {"R1BB", {qso(B, "R1BB", "599 12", "R1AA", "599 15")}}}, 0, 0, "busted-exchange",
         "R1BB:3", -1},
        {"an exchange with leading zeros", false,
         {{"R1AA", {qso(A, "R1AA", "599 015", "R1BB", "599 012")}},
          {"R1BB", {qso(B, "R1BB", "599 12", "R1AA", "599 15")}}}, 0, 0, "ok", "R1BB:3", 12},
        {"decimal kHz", false,
         {{"R1AA", {qso("QSO: 7020.5 CW 2025-02-15 0610", "R1AA", "599 15", "R1BB", "599 12")}},
          {"R1BB", {qso(B, "R1BB", "599 12", "R1AA", "599 15")}}}, 0, 0, "ok", "R1BB:3", -1},
        {"MHz", false,
         {{"R1AA", {qso("QSO: 7.020 CW 2025-02-15 0610", "R1AA", "599 15", "R1BB", "599 12")}},
          {"R1BB", {qso(B, "R1BB", "599 12", "R1AA", "599 15")}}}, 0, 0, "ok", "R1BB:3", -1},
        {"an X-QSO line confirms the partner's", false,
         {{"R1AA", {"X-" + qso(A, "R1AA", "599 15", "R1BB", "599 12")}},
          {"R1BB", {qso(B, "R1BB", "599 12", "R1AA", "599 15")}}}, 1, 0, "ok", "R1AA:3", 15},
        {"an X-QSO line scores nothing", false,
         {{"R1AA", {"X-" + qso(A, "R1AA", "599 15", "R1BB", "599 12")}},
          {"R1BB", {qso(B, "R1BB", "599 12", "R1AA", "599 15")}}}, 0, 0, "ok", "R1BB:3", 0},
        {"a mode lint rejects", false,
         {{"R1AA", {"QSO: 7020 XX 2025-02-15 0610 R1AA 599 15 R1BB 599 12"}},
          {"R1BB", {qso(B, "R1BB", "599 12", "R1AA", "599 15")}}}, 0, 0, "invalid", "", 0},
        {"a log saved as UTF-16", false,
         {{"R1AA", {qso(A, "R1AA", "599 15", "R1BB", "599 12")}, true},
          {"R1BB", {qso(B, "R1BB", "599 12", "R1AA", "599 15")}}}, 1, 0, "ok", "R1AA:3", 15},
        {"serials with leading zeros agree", true,
         {{"R1AA", {qso(A, "R1AA", "599 5 3", "R1BB", "599 7 2"), next("R1AA", "599 6 7")}},
          {"R1BB", {qso(B, "R1BB", "599 007 002", "R1AA", "599 005 003"),
                    next("R1BB", "599 8 5")}}}, 0, 0, "ok", "R1BB:3", 2},
        {"my call copied two characters wrong, serials agree: mine is ok", true,
         {{"R1AA", {qso(A, "R1AA", "599 5 3", "R1BB", "599 7 2"), next("R1AA", "599 6 7")}},
          {"R1BB", {qso(B, "R1BB", "599 7 2", "R1XY", "599 5 3"), next("R1BB", "599 8 5")}}},
         0, 0, "ok", "R1BB:3", 2},
        {"my call copied two characters wrong, serials agree: theirs is busted", true,
         {{"R1AA", {qso(A, "R1AA", "599 5 3", "R1BB", "599 7 2"), next("R1AA", "599 6 7")}},
          {"R1BB", {qso(B, "R1BB", "599 7 2", "R1XY", "599 5 3"), next("R1BB", "599 8 5")}}},
         1, 0, "busted-call", "R1AA:3", 0},
        {"my /P dropped, serials agree", true,
         {{"R1AA/P", {qso(A, "R1AA/P", "599 5 3", "R1BB", "599 7 2"), next("R1AA/P", "599 6 7")}},
          {"R1BB", {qso(B, "R1BB", "599 7 2", "R1AA", "599 5 3"), next("R1BB", "599 8 5")}}},
         1, 0, "busted-call", "R1AA/P:3", 0},
        {"two characters wrong, serials agree, but each log sends one serial", true,
         {{"R1AA", {qso(A, "R1AA", "599 5 3", "R1BB", "599 7 2"), next("R1AA", "599 5 3")}},
          {"R1BB", {qso(B, "R1BB", "599 7 2", "R1XY", "599 5 3"), next("R1BB", "599 7 2")}}},
         0, 0, "not-in-log", "", -1},
        {"my /P dropped, a number exchange: mine is ok", false,
         {{"R1AA/P", {qso(A, "R1AA/P", "599 15", "R1BB", "599 12")}},
          {"R1BB", {qso(B, "R1BB", "599 12", "R1AA", "599 15")}}}, 0, 0, "ok", "R1BB:3", 12},
        {"my /P dropped, a number exchange: theirs is busted", false,
         {{"R1AA/P", {qso(A, "R1AA/P", "599 15", "R1BB", "599 12")}},
          {"R1BB", {qso(B, "R1BB", "599 12", "R1AA", "599 15")}}}, 1, 0, "busted-call",
         "R1AA/P:3", -1},
        {"my call copied two characters wrong, a number exchange: not-in-log", false,
         {{"R1AA", {qso(A, "R1AA", "599 15", "R1BB", "599 12")}},
          {"R1BB", {qso(B, "R1BB", "599 12", "R1XY", "599 15")}}}, 0, 0, "not-in-log", "", -1},
        {"the partner's two lines: the one that agrees is the match", false,
         {{"R1AA", {qso(A, "R1AA", "599 15", "R1BB", "599 12")}},
          {"R1BB", {qso(A, "R1BB", "599 12", "R1AA", "599 16"),
                    qso(B, "R1BB", "599 12", "R1AA", "599 15")}}}, 0, 0, "ok", "R1BB:4", 12},
        {"the partner's two lines: the later wrong one is a dupe", false,
         {{"R1AA", {qso(A, "R1AA", "599 15", "R1BB", "599 12")}},
          {"R1BB", {qso(A, "R1BB", "599 12", "R1AA", "599 15"),
                    qso(B, "R1BB", "599 12", "R1AA", "599 16")}}}, 1, 1, "dupe", "", 15},
        {"the partner's two lines: the earlier wrong one is not in my log", false,
         {{"R1AA", {qso(B, "R1AA", "599 15", "R1BB", "599 12")}},
          {"R1BB", {qso(A, "R1BB", "599 12", "R1AA", "599 16"),
                    qso(B, "R1BB", "599 12", "R1AA", "599 15")}}}, 1, 0, "not-in-log", "", -1},
        {"a miscopy into a log's call, the exchange agreeing", false,
         {{"R1AA", {qso(A, "R1AA", "599 15", "R1BD", "599 12")}},
          {"R1BB", {qso(B, "R1BB", "599 12", "R1AA", "599 15")}},
          {"R1BD", {qso(Later, "R1BD", "599 13", "R1CC", "599 14")}}}, 0, 0, "busted-call",
         "R1BB:3", -1},
        {"a miscopy into a log's call, the exchange not agreeing: not-in-log", false,
         {{"R1AA", {qso(A, "R1AA", "599 15", "R1BD", "599 13")}},
          {"R1BB", {qso(B, "R1BB", "599 12", "R1AA", "599 15")}},
          {"R1BD", {qso(Later, "R1BD", "599 13", "R1CC", "599 14")}}}, 0, 0, "not-in-log", "",
         -1},
        {"both calls miscopied, the exchange agreeing", false,
         {{"R1AA", {qso(A, "R1AA", "599 15", "R1BD", "599 12")}},
          {"R1BB", {qso(B, "R1BB", "599 12", "R1AI", "599 15")}}}, 0, 0, "busted-call",
         "R1BB:3", -1},
        {"both calls miscopied, the exchange not agreeing: not paired", false,
         {{"R1AA", {qso(A, "R1AA", "599 15", "R1BD", "599 13")}},
          {"R1BB", {qso(B, "R1BB", "599 12", "R1AI", "599 15")}}}, 0, 0, "unique", "", -1},
        {"a repeat 5 minutes later counts", true,
         {{"R1AA", {qso(A, "R1AA", "599 5 3", "R1BB", "599 7 2"),
                    qso("QSO: 7020 CW 2025-02-15 0615", "R1AA", "599 6 7", "R1BB", "599 8 5")}},
          {"R1BB", {qso(A, "R1BB", "599 7 2", "R1AA", "599 5 3"),
                    qso("QSO: 7020 CW 2025-02-15 0615", "R1BB", "599 8 5", "R1AA", "599 6 7")}}},
         0, 1, "ok", "R1BB:4", 2},
        {"a repeat 4 minutes later is a dupe", true,
         {{"R1AA", {qso(A, "R1AA", "599 5 3", "R1BB", "599 7 2"),
                    qso("QSO: 7020 CW 2025-02-15 0614", "R1AA", "599 6 7", "R1BB", "599 8 5")}},
          {"R1BB", {qso(A, "R1BB", "599 7 2", "R1AA", "599 5 3"),
                    qso("QSO: 7020 CW 2025-02-15 0614", "R1BB", "599 8 5", "R1AA", "599 6 7")}}},
         0, 1, "dupe", "", 1},
        {"no dupe of a line not in the partner's log", false,
         {{"R1AA", {qso(A, "R1AA", "599 15", "R1BB", "599 12"),
                    qso(Later, "R1AA", "599 15", "R1BB", "599 12")}},
          {"R1BB", {qso(Later, "R1BB", "599 12", "R1AA", "599 15")}}}, 0, 1, "ok", "R1BB:3",
         0},
    };
    for (const auto& row : rows) {
        SimulationSize size;
        size.startMinute = simulatedStart();
        size.serials = row.serials;
        size.hours = row.serials ? 4 : 24;
        const CrosscheckRules rules = simulatedRules(size);
        LogSet set;
        CabrilloLogReader reader(rules, set.names);
        for (const Written& file : row.files) {
            std::string bytes = fileOf(file);
            std::string why;
            LogInput log;
            EXPECT_TRUE(decodeUtf16(bytes, why) && reader.read(bytes, log, why)) << row.name;
            set.logs.push_back(std::move(log));
        }
        const CrosscheckResult result = crosscheck(set, rules);
        const LineResult& got = result.lines[row.log][row.qso];
        EXPECT_EQ(judged(set, got),
                  std::string(row.verdict) + " " + row.partner)
            << row.name;
        if (row.score >= 0) {
            EXPECT_EQ(result.totals[row.log].final(), row.score) << row.name;
        }
    }
}

// The categories of a Cabrillo 2.0 log's one CATEGORY: line, as of 3.0's CATEGORY- lines.
TEST(CrosscheckCases, CategoriesOfEitherVersion)
{
    const struct {
        const char* header;
        const char* categories;
    } rows[] = {
        {"CATEGORY: SINGLE-OP ALL LOW", "SINGLE-OP ALL LOW"},
        {"CATEGORY-OPERATOR: SINGLE-OP\r\nCATEGORY-POWER: low", "SINGLE-OP LOW"},
        {"CATEGORY-MODE:", ""},
    };
    for (const auto& row : rows) {
        CrosscheckRules rules;
        Names names;
        CabrilloLogReader reader(rules, names);
        LogInput log;
        std::string why;
        ASSERT_TRUE(reader.read(std::string("START-OF-LOG: 2.0\r\nCALLSIGN: R1AA\r\n") +
                                    row.header + "\r\nEND-OF-LOG:\r\n",
                                log, why))
            << row.header;
        EXPECT_EQ(log.categories, row.categories) << row.header;
    }
}

// UTF-16 either way round becomes the same UTF-8; text that is not whole UTF-16 is refused
// and left as it was.
TEST(CrosscheckCases, Utf16Decoding)
{
    const struct {
        std::string bytes;
        bool decoded;
        std::string text;  // the bytes after
    } rows[] = {
        {std::string("\xFF\xFEQ\0S\0O\0:\0", 10), true, "QSO:"},
        {std::string("\xFE\xFF\0Q\0S\0O\0:", 10), true, "QSO:"},
        {std::string("\xFF\xFE\xE9\0\x3D\xD8\x00\xDE", 8), true, "\xC3\xA9\xF0\x9F\x98\x80"},
        {std::string("\xFF\xFEQ\0S", 5), false, std::string("\xFF\xFEQ\0S", 5)},
        {std::string("\xFF\xFE\x3D\xD8Q\0", 6), false, std::string("\xFF\xFE\x3D\xD8Q\0", 6)},
        {"QSO: 7020", true, "QSO: 7020"},
        {"\xEF\xBB\xBFQSO:", true, "\xEF\xBB\xBFQSO:"},
    };
    for (const auto& row : rows) {
        std::string bytes = row.bytes;
        std::string why;
        EXPECT_EQ(decodeUtf16(bytes, why), row.decoded) << row.text;
        EXPECT_EQ(bytes, row.text) << row.text;
        EXPECT_EQ(why.empty(), row.decoded) << row.text;
    }
}

}  // namespace
