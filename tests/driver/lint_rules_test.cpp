// Cabrillo lint: one small file per rule, each with the finding it must give and its line.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "lint/lint_rules.h"
#include "support/bytes.h"

namespace {

// A clean log of this contest; rows change one line of it.
const std::vector<std::string> Clean = {
    "START-OF-LOG: 3.0",                                                             // 1
    "CONTEST: RADIO-VSC",                                                            // 2
    "CALLSIGN: Q9VSC",                                                               // 3
    "CATEGORY-OPERATOR: SINGLE-OP",                                                  // 4
    "CATEGORY-BAND: ALL",                                                            // 5
    "CATEGORY-POWER: HIGH",                                                          // 6
    "CATEGORY-MODE: CW",                                                             // 7
    "CATEGORY-OVERLAY: ",                                                            // 8
    "CLAIMED-SCORE: 6",                                                              // 9
    "SOAPBOX: ",                                                                     // 10
    "QSO:  7012 CW 2025-02-15 0605 Q9VSC         599 5      Q1ABC         599 3",    // 11
    "QSO: 14012 CW 2025-02-15 0620 Q9VSC         599 5      Q1ABC         599 3",    // 12
    "END-OF-LOG:",                                                                   // 13
};

std::string qso(const char* freq, const char* mode, const char* date, const char* time,
                const char* call)
{
    return std::string("QSO: ") + freq + " " + mode + " " + date + " " + time + " Q9VSC 599 5 " +
           call + " 599 3";
}

struct Row {
    const char* name;
    std::size_t line;     // the line replaced; 0 for none
    std::optional<std::string> text;  // what replaces it (may hold more lines), or nothing
    std::vector<std::string> findings;  // "LINE error|warning: message"
    const char* lineEnd = "\r\n";
    ContestPeriod period = ContestPeriod();
};

std::string fileOf(const Row& row)
{
    std::string bytes;
    for (std::size_t i = 0; i < Clean.size(); ++i) {
        if (i + 1 != row.line) {
            bytes += Clean[i] + row.lineEnd;
        } else if (row.text) {
            bytes += *row.text + row.lineEnd;
        }
    }
    return bytes;
}

std::vector<std::string> findingsOf(const LintReport& report)
{
    std::vector<std::string> text;
    for (const LintFinding& f : report.findings) {
        text.push_back(std::to_string(f.line) + (f.error ? " error: " : " warning: ") +
                       f.message);
    }
    return text;
}

ContestPeriod day(int year, int month, int dayOfMonth, unsigned hours)
{
    ContestPeriod period;
    period.given = true;
    period.start.year = year;
    period.start.month = month;
    period.start.day = dayOfMonth;
    period.hours = hours;
    return period;
}

const std::string Soapbox76 = "SOAPBOX: " + std::string(76, 'x');
const std::string Repeat = qso("7012", "CW", "2025-02-15", "0700", "Q1ABC");
const std::string Early = qso("14012", "CW", "2025-02-15", "0610", "Q1ABC");
const std::string Earlier = qso("14012", "CW", "2025-02-15", "0600", "Q2ABC");
const std::string Late = qso("14012", "CW", "2025-02-16", "0000", "Q1ABC");
const std::string LastIn = qso("14012", "CW", "2025-02-15", "2359", "Q1ABC");
const std::string Shifted = "QSO: 14012 CW 2025-02-15 0620 Q9VSC 599 Q1ABC 599 10";
const std::string AfterEnd = "END-OF-LOG:\r\n73 de Q9VSC";
const std::string Transmitter = Clean[11] + " 1";
const std::string TwoTransmitters = "CATEGORY-TRANSMITTER: TWO\r\n" + Transmitter;
// One row per rule: the line it changes and the findings it must give.
const Row RuleRows[] = {
    {"clean", 0, "", {}},
    {"LF line ends", 0, "", {}, "\n"},
    {"not START-OF-LOG first", 1, "CONTEST: RADIO-VSC",
     {"1 error: the first line is not START-OF-LOG: 3.0",
      "2 warning: CONTEST: given again, as on line 1"}},
    {"an older version", 1, "START-OF-LOG: 2.0",
     {"1 warning: START-OF-LOG: 2.0; checked as 3.0"}},
    {"no END-OF-LOG", 13, std::nullopt, {"12 error: the log does not end with END-OF-LOG:"}},
    {"a line after END-OF-LOG", 13, AfterEnd,
     {"14 warning: text after END-OF-LOG: (line 13); robots do not read it"}},
    {"an unknown tag", 10, "SOAPBOXX: hi", {"10 error: unknown tag SOAPBOXX:"}},
    {"an X- tag", 10, "X-LOGGER: anything", {}},
    {"a tag of Cabrillo 2", 10, "ARRL-SECTION: EMA",
     {"10 warning: ARRL-SECTION: is a tag of an earlier Cabrillo version"}},
    {"no tag", 10, "hello", {"10 error: no tag; every line is TAG: value"}},
    {"a tab", 10, "SOAPBOX:\thello", {"10 error: a tab; fields are separated by blanks"}},
    {"a tab between QSO fields", 12, "QSO: 14012 CW\t2025-02-15 0620 Q9VSC 599 5 Q1ABC 599 3",
     {"12 warning: a tab between QSO fields; fields are separated by blanks"}},
    {"CR line ends", 0, "", {"1 error: a lone CR ends the line; lines end with CR LF or LF"},
     "\r"},
    {"a lone CR", 10, "SOAPBOX: a\rSOAPBOX: b",
     {"10 error: a lone CR ends the line; lines end with CR LF or LF"}},
    {"an empty line", 10, "", {"10 warning: an empty line"}},
    {"a value not in the list", 6, "CATEGORY-POWER: lo",
     {"6 error: CATEGORY-POWER: \"lo\" is not one of HIGH, LOW, QRP"}},
    {"a value in other letter case", 6, "CATEGORY-POWER: low", {}},
    {"a required value empty", 5, "CATEGORY-BAND: ",
     {"5 error: CATEGORY-BAND: has no value; one of ALL, 160M, 80M, 40M, 20M, 15M, 10M, "
      "6M, 4M, 2M, 222, 432, 902, 1.2G, 2.3G, 3.4G, 5.7G, 10G, 24G, 47G, 75G, 122G, 134G, "
      "241G, LIGHT, VHF-3-BAND, VHF-FM-ONLY"}},
    {"an older list's value", 8, "CATEGORY-OVERLAY: OVER-50",
     {"8 warning: CATEGORY-OVERLAY: \"OVER-50\" is from an earlier list; now one of "
      "CLASSIC, ROOKIE, TB-WIRES, YOUTH, NOVICE-TECH, YL"}},
    {"a claimed score not an integer", 9, "CLAIMED-SCORE: 1,234",
     {"9 warning: CLAIMED-SCORE: \"1,234\" is not a plain integer"}},
    {"a contest name with blanks", 2, "CONTEST: RADIO VSC",
     {"2 error: CONTEST: \"RADIO VSC\" is not 1 to 32 characters of A-Z, 0-9 and -"}},
    {"a soapbox line robots keep whole", 10, "SOAPBOX: " + std::string(75, 'x'), {}},
    {"a long soapbox line", 10, Soapbox76,
     {"10 warning: SOAPBOX: line of 76 characters; robots keep 75"}},
    {"no CALLSIGN", 3, "CLUB: Q9 CLUB", {"0 error: no CALLSIGN: line"}},
    {"frequency 0", 11, qso("0", "CW", "2025-02-15", "0605", "Q1ABC"),
     {"11 error: frequency 0"}},
    {"a frequency off the bands", 11,
     qso("7500", "CW", "2025-02-15", "0605", "Q1ABC"),
     {"11 error: frequency \"7500\" is neither kHz on an amateur band nor a band token (50, "
      "70, 144, 222, 432, 902, 1.2G, 2.3G, 3.4G, 5.7G, 10G, 24G, 47G, 75G, 122G, 134G, "
      "241G, LIGHT)"}},
    {"a band token off the contest's bands", 11,
     qso("144", "CW", "2025-02-15", "0605", "Q1ABC"),
     {"11 warning: on 2m, not one of this contest's bands: 160, 80, 40, 20, 15, 10 m"}},
    {"60 m", 11, qso("5357", "CW", "2025-02-15", "0605", "Q1ABC"),
     {"11 warning: on 60 m, not one of this contest's bands: 160, 80, 40, 20, 15, 10 m"}},
    {"a frequency in MHz", 11, qso("7.012", "CW", "2025-02-15", "0605", "Q1ABC"),
     {"11 warning: frequency 7.012 is read as MHz, on 40 m; Cabrillo gives kHz"}},
    {"a frequency of kHz and a fraction", 11,
     qso("7012.5", "CW", "2025-02-15", "0605", "Q1ABC"),
     {"11 warning: frequency 7012.5 is read as kHz, on 40 m; Cabrillo gives whole kHz"}},
    {"phone written as SSB", 11, qso("7012", "SSB", "2025-02-15", "0605", "Q1ABC"),
     {"7 warning: CATEGORY-MODE: \"CW\" with QSO lines in PH (line 11 first)",
      "11 warning: mode \"SSB\" read as PH on 1 QSO line: 11; Cabrillo 3.0 names phone "
      "PH"}},
    {"a mode not Cabrillo's", 11, qso("7012", "PM", "2025-02-15", "0605", "Q1ABC"),
     {"11 error: mode \"PM\" is not one of CW, PH, FM, RY, DG"}},
    {"no such day", 11, qso("7012", "CW", "2025-02-30", "0605", "Q1ABC"),
     {"11 error: date and time \"2025-02-30 0605\" are not YYYY-MM-DD and 0000 to 2359"}},
    {"no such time", 11, qso("7012", "CW", "2025-02-15", "2400", "Q1ABC"),
     {"11 error: date and time \"2025-02-15 2400\" are not YYYY-MM-DD and 0000 to 2359"}},
    {"a field missing", 12, Shifted,
     {"9 warning: CLAIMED-SCORE: 6 where the QSO lines score 3",
      "12 error: 9 fields where this contest has 10: frequency, mode, date, time, then "
      "callsign, report and exchange sent and received"}},
    {"a callsign in lower case", 12,
     qso("14012", "CW", "2025-02-15", "0620", "q1abc"),
     {"12 warning: callsign \"q1abc\" is not A-Z, 0-9 and / only"}},
    {"out of time order", 12, Earlier,
     {"12 warning: earlier than line 11 before it (2025-02-15 0605)"}},
    {"an exact repeat", 12, Repeat,
     {"12 warning: exact repeat of line 11 2025-02-15 0605 Q1ABC 40 CW"}},
    {"too early on another band", 12, Early,
     {"12 warning: too early after line 11 2025-02-15 0605 Q1ABC 40 CW, 5 minutes still "
      "to wait"}},
    {"the last minute of the period", 12, LastIn, {}, "\r\n", day(2025, 2, 15, 24)},
    {"the first minute after it", 12, Late,
     {"12 warning: 2025-02-16 0000 is outside the contest period 2025-02-15 0000 to "
      "2025-02-16 0000 UTC"},
     "\r\n", day(2025, 2, 15, 24)},
    {"before the period", 0, "",
     {"11 warning: 2025-02-15 0605 is outside the contest period 2025-02-15 0610 to "
      "2025-02-16 0610 UTC"},
     "\r\n", [] {
         ContestPeriod p = day(2025, 2, 15, 24);
         p.start.minute = 10;
         p.start.hour = 6;
         return p;
     }()},
    {"a transmitter ID, one transmitter", 12, Transmitter,
     {"12 error: 11 fields where this contest has 10: frequency, mode, date, time, then "
      "callsign, report and exchange sent and received; the 11th, a transmitter ID, needs "
      "CATEGORY-OPERATOR: MULTI-OP or CATEGORY-TRANSMITTER: TWO, LIMITED, UNLIMITED"}},
    {"a transmitter ID, two transmitters", 12, TwoTransmitters, {}},
    {"a transmitter ID, multi-operator", 4,
     "CATEGORY-OPERATOR: MULTI-OP\r\nQSO: 7012 CW 2025-02-15 0600 Q9VSC 599 5 Q2ABC 599 0 1",
     {}},
    {"no CONTEST", 2, std::nullopt,
     {"0 warning: no CONTEST: line; this contest is RADIO-VSC"}},
    {"another contest", 2, "CONTEST: CQ-WW-CW",
     {"2 warning: CONTEST: \"CQ-WW-CW\" is not this contest, RADIO-VSC"}},
    {"no CATEGORY-OPERATOR", 4, std::nullopt,
     {"0 error: no CATEGORY-OPERATOR: line; one of SINGLE-OP, MULTI-OP, CHECKLOG"}},
    {"two different CALLSIGNs", 10, "CALLSIGN: Q9XYZ",
     {"10 error: CALLSIGN: \"Q9XYZ\" where line 3 gives \"Q9VSC\"; the tag holds one value"}},
    {"one CLAIMED-SCORE twice", 10, "CLAIMED-SCORE: 6",
     {"10 warning: CLAIMED-SCORE: given again, as on line 9"}},
    {"a sent call not CALLSIGN", 12, "QSO: 14012 CW 2025-02-15 0620 Q9XYZ 599 5 Q1ABC 599 3",
     {"12 warning: sent callsign \"Q9XYZ\" where CALLSIGN: is \"Q9VSC\", on 1 QSO line: 12"}},
    {"a claimed score the lines do not give", 9, "CLAIMED-SCORE: 9999",
     {"9 warning: CLAIMED-SCORE: 9999 where the QSO lines score 6"}},
    {"a band category the lines leave", 5, "CATEGORY-BAND: 40M",
     {"5 warning: CATEGORY-BAND: \"40M\" with QSO lines on 20 m (line 12 first)"}},
    {"a mode category the lines leave", 12, qso("14250", "PH", "2025-02-15", "0620", "Q1ABC"),
     {"7 warning: CATEGORY-MODE: \"CW\" with QSO lines in PH (line 12 first)"}},
    {"a long value, cut", 2, "CONTEST: " + std::string(200, 'A'),
     {"2 error: CONTEST: \"" + std::string(37, 'A') +
      "...\" is not 1 to 32 characters of A-Z, 0-9 and -"}},
    {"a byte-order mark", 1, "\xEF\xBB\xBFSTART-OF-LOG: 3.0",
     {"1 error: a byte-order mark before the first tag"}},
};

TEST(CabrilloLint, GivesEachRuleItsFindingAndLine)
{
    for (const Row& row : RuleRows) {
        const std::string bytes = fileOf(row);
        const LintReport report = lintCabrillo(bytes, row.period);
        EXPECT_EQ(report.unreadable, "") << row.name;
        EXPECT_EQ(findingsOf(report), row.findings)
            << row.name << ": " << support::escaped(bytes);
    }
}

TEST(CabrilloLint, CountsErrorsWarningsAndQsoLines)
{
    Row row = {"", 6, "CATEGORY-POWER: lo", {}};
    std::string bytes = fileOf(row);
    bytes.insert(bytes.find("END-OF-LOG"), "\r\n" + Clean[10] + "\r\n");
    const LintReport report = lintCabrillo(bytes, ContestPeriod());
    EXPECT_EQ(report.qsoLines, 3u);
    EXPECT_EQ(report.errors, 1u);
    EXPECT_EQ(report.warnings, 4u)
        << "an empty line, a line out of time order, a repeat, the claimed score";
}

TEST(CabrilloLint, RefusesWhatIsNoCabrilloFile)
{
    const struct {
        const char* name;
        std::string bytes;
        const char* reason;
    } rows[] = {
        {"empty", "", "the file is empty"},
        {"UTF-16", std::string("S\0T\0A\0", 6), "not a text file (binary, or UTF-16)"},
        {"an ADIF log", "<CALL:5>Q1ABC<QSO_DATE:8>20250215<EOR>\n",
         "no START-OF-LOG: and no QSO: line; not a Cabrillo file"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(lintCabrillo(row.bytes, ContestPeriod()).unreadable, row.reason) << row.name;
    }
}

}  // namespace
