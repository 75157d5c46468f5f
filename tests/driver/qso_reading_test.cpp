// The one QSO-line reader: each row is a line as some logger writes it, read by lint and by the
// cross-check; what lint rejects the cross-check does not credit, and what it accepts the
// cross-check reads as lint does.
#include <gtest/gtest.h>

#include <string>

#include "contest/crosscheck_rules.h"
#include "crosscheck_input/log_input.h"
#include "lint/lint_rules.h"

namespace {

struct Row {
    const char* name;
    const char* value;   // after "QSO:"
    bool linted;         // lint finds no error on the line
    const char* band;    // as the cross-check reads it; "" when not credited
    const char* mode;
    const char* exchange;  // the last received field
};

const Row Rows[] = {
    {"whole kHz", " 14025 CW 2025-02-15 0605 Q9VSC 599 5 Q1ABC 599 3", true, "20", "CW", "3"},
    {"kHz and a fraction", " 14025.5 CW 2025-02-15 0605 Q9VSC 599 5 Q1ABC 599 3", true, "20",
     "CW", "3"},
    {"MHz", " 14.025 CW 2025-02-15 0605 Q9VSC 599 5 Q1ABC 599 3", true, "20", "CW", "3"},
    {"a band token", " 50 CW 2025-02-15 0605 Q9VSC 599 5 Q1ABC 599 3", true, "6m", "CW", "3"},
    {"bare MHz, no token", " 14 CW 2025-02-15 0605 Q9VSC 599 5 Q1ABC 599 3", false, "", "", ""},
    {"off the bands", " 7500 CW 2025-02-15 0605 Q9VSC 599 5 Q1ABC 599 3", false, "", "", ""},
    {"frequency 0", " 0 CW 2025-02-15 0605 Q9VSC 599 5 Q1ABC 599 3", false, "", "", ""},
    {"SSB", " 14250 SSB 2025-02-15 0605 Q9VSC 59 5 Q1ABC 59 3", true, "20", "PH", "3"},
    {"usb", " 14250 usb 2025-02-15 0605 Q9VSC 59 5 Q1ABC 59 3", true, "20", "PH", "3"},
    {"LSB", " 7150 LSB 2025-02-15 0605 Q9VSC 59 5 Q1ABC 59 3", true, "40", "PH", "3"},
    {"a mode lint rejects", " 14025 XX 2025-02-15 0605 Q9VSC 599 5 Q1ABC 599 3", false, "", "",
     ""},
    {"no such day", " 14025 CW 2025-02-29 0605 Q9VSC 599 5 Q1ABC 599 3", false, "", "", ""},
    {"no such minute", " 14025 CW 2025-02-15 0660 Q9VSC 599 5 Q1ABC 599 3", false, "", "", ""},
    {"a transmitter ID", " 14025 CW 2025-02-15 0605 Q9VSC 599 5 Q1ABC 599 3 1", true, "20",
     "CW", "3"},
    {"a field too many", " 14025 CW 2025-02-15 0605 Q9VSC 599 5 Q1ABC 599 3 1 X", false, "",
     "", ""},
    {"a field missing", " 14025 CW 2025-02-15 0605 Q9VSC 599 5 Q1ABC 599", false, "", "", ""},
};

std::string fileWith(const std::string& line)
{
    return "START-OF-LOG: 3.0\r\nCONTEST: RADIO-VSC\r\nCALLSIGN: Q9VSC\r\n"
           "CATEGORY-OPERATOR: MULTI-OP\r\nCATEGORY-TRANSMITTER: TWO\r\n" +
           line + "\r\nEND-OF-LOG:\r\n";
}

bool lineLinted(const LintReport& report)
{
    for (const LintFinding& finding : report.findings) {
        if (finding.error && finding.line == 6) {
            return false;
        }
    }
    return true;
}

TEST(QsoReading, LintAndTheCrosscheckReadEachLineAlike)
{
    const CrosscheckRules rules;
    for (const Row& row : Rows) {
        const std::string bytes = fileWith(std::string("QSO:") + row.value);
        EXPECT_EQ(lineLinted(lintCabrillo(bytes, ContestPeriod())), row.linted) << row.name;
        Names names;
        LogInput log;
        std::string why;
        ASSERT_TRUE(CabrilloLogReader(rules, names).read(bytes, log, why)) << row.name;
        ASSERT_EQ(log.qsos.size(), 1u) << row.name;
        const QsoInput& q = log.qsos[0];
        EXPECT_EQ(q.valid, row.linted) << row.name;
        if (!q.valid) {
            continue;
        }
        EXPECT_EQ(names.text(q.band), row.band) << row.name;
        EXPECT_EQ(names.text(q.mode), row.mode) << row.name;
        const NameId last = log.fields[q.fieldsAt + rules.sent.size() + rules.received.size() - 1];
        EXPECT_EQ(names.text(last), row.exchange) << row.name;
        EXPECT_FALSE(q.notForCredit) << row.name;
    }
}

TEST(QsoReading, NotForCreditLinesAreReadOnlyWhenAskedAndMarked)
{
    const std::string bytes =
        fileWith("X-QSO: 14025 CW 2025-02-15 0605 Q9VSC 599 5 Q1ABC 599 3\r\n"
                 "QSO: 14030 CW 2025-02-15 0610 Q9VSC 599 5 Q1ABD 599 4");
    EXPECT_EQ(lintCabrillo(bytes, ContestPeriod()).errors, 0u);
    const CrosscheckRules rules;
    for (const bool asked : {false, true}) {
        Names names;
        LogInput log;
        std::string why;
        ASSERT_TRUE(CabrilloLogReader(rules, names, asked).read(bytes, log, why));
        ASSERT_EQ(log.qsos.size(), asked ? 2u : 1u) << "asked " << asked;
        EXPECT_EQ(log.qsos.front().notForCredit, asked) << "asked " << asked;
        EXPECT_FALSE(log.qsos.back().notForCredit) << "asked " << asked;
        EXPECT_TRUE(log.qsos.front().valid) << "asked " << asked;
    }
}

}  // namespace
