// Reading written Cabrillo files back: columns, whole-log comparison, the file's form.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "export/export_read_back.h"

namespace {

const std::string Head =
    "START-OF-LOG: 3.0\r\nCONTEST: RADIO-VSC\r\nCALLSIGN: Q9VSC\r\nCLUB: \r\n";
// A QSO line as the writer lays it out.
std::string qsoLine(int freq, const char* mode, const char* time, const char* rstSent,
                    const char* exchSent, const char* call, const char* rstRcvd,
                    const char* exchRcvd)
{
    char line[200];
    std::snprintf(line, sizeof line, "QSO: %5i %2s %s %-13s %-3s %-6s %-13s %-3s %s\r\n", freq,
                  mode, (std::string("2025-02-15 ") + time).c_str(), "Q9VSC", rstSent, exchSent,
                  call, rstRcvd, exchRcvd);
    return line;
}

const std::string Line1 = qsoLine(7012, "CW", "0605", "599", "5", "Q1ABC", "599", "3");
const std::string Line2 = qsoLine(14250, "PH", "0611", "59", "5", "Q2XYZ/P", "57", "10 extra");
// A six-digit frequency, a long callsign and empty fields push the columns right.
const std::string Line3 = qsoLine(144050, "PM", "0620", "", "", "Q3LONGCALLSIGN1", "", "");
const std::string End = "END-OF-LOG:\r\n";

std::string fieldsOf(const CabrilloQso& q)
{
    return q.frequencyKHz + "|" + q.mode + "|" + q.date + "|" + q.time + "|" + q.ownCall + "|" +
           q.rstSent + "|" + q.exchSent + "|" + q.call + "|" + q.rstRcvd + "|" + q.exchRcvd;
}

CabrilloQso qso(std::size_t record, const char* freq, const char* mode, const char* time,
                const char* rstSent, const char* exchSent, const char* call, const char* rstRcvd,
                const char* exchRcvd)
{
    return {record, freq, mode, "2025-02-15", time, "Q9VSC", rstSent, exchSent, call, rstRcvd,
            exchRcvd, 0, "", ""};
}

const std::vector<CabrilloQso> Expected = {
    qso(1, "7012", "CW", "0605", "599", "5", "Q1ABC", "599", "3"),
    qso(2, "14250", "PH", "0611", "59", "5", "Q2XYZ/P", "57", "10 extra"),
    qso(3, "144050", "PM", "0620", "", "", "Q3LONGCALLSIGN1", "", ""),
};

TEST(CabrilloCheck, ReadsEveryFieldOfTheQsoLines)
{
    const CabrilloFile file = readCabrillo(Head + Line1 + Line2 + Line3 + End);
    EXPECT_TRUE(file.problems.empty()) << file.problems.front();
    ASSERT_EQ(file.qsos.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(fieldsOf(qsoAt(file, i)), fieldsOf(Expected[i])) << "QSO " << i;
        EXPECT_EQ(file.qsos[i].line, 5 + i);
    }
    ASSERT_NE(cabrilloHeader(file, "CLUB"), nullptr);
    EXPECT_EQ(*cabrilloHeader(file, "CLUB"), "");
    EXPECT_EQ(*cabrilloHeader(file, "CALLSIGN"), "Q9VSC");
}

TEST(CabrilloCheck, NamesWhatKeepsTheFileFromHoldingEveryContactOnce)
{
    const std::string Line1Changed =
        qsoLine(7012, "CW", "0605", "599", "5", "Q1ABC", "599", "4");
    std::vector<CabrilloQso> twice = Expected;
    twice.push_back(qso(4, "7012", "CW", "0605", "599", "5", "Q1ABC", "599", "3"));
    const struct {
        const char* name;
        std::string qsos;
        std::vector<std::string> problems;
        const std::vector<CabrilloQso>& expected = Expected;
    } rows[] = {
        {"every contact once", Line1 + Line2 + Line3, {}},
        {"a contact logged twice, written twice", Line1 + Line2 + Line3 + Line1, {}, twice},
        {"a contact logged twice, written once", Line1 + Line2 + Line3,
         {"record 4 (Q1ABC 2025-02-15 0605) is not in the file"}, twice},
        {"in another order", Line3 + Line1 + Line2, {}},
        {"a contact missing", Line1 + Line3,
         {"record 2 (Q2XYZ/P 2025-02-15 0611) is not in the file"}},
        {"a contact twice", Line1 + Line2 + Line3 + Line1,
         {"QSO line 8 (Q1ABC 2025-02-15 0605) is no contact of the log, or one twice"}},
        {"a field changed", Line1Changed + Line2 + Line3,
         {"record 1 (Q1ABC 2025-02-15 0605) is not in the file; QSO line 5 in its place has "
          "exchange received \"4\" instead of \"3\""}},
    };
    for (const auto& row : rows) {
        CabrilloFile file = readCabrillo(Head + row.qsos + End);
        EXPECT_EQ(compareQsos(file, row.expected), row.problems) << row.name;
    }
}

TEST(CabrilloCheck, WarnsAboutWhatOnlyTheLogKnows)
{
    const std::string lines = qsoLine(7012, "CW", "0605", "599", "5", "Q1ABC", "599", "3") +
                              qsoLine(7012, "CW", "0606", "599", "5", "Q2ABC", "599", "3") +
                              qsoLine(0, "CW", "0608", "599", "5", "Q6AB", "599", "3") +
                              qsoLine(7012, "PM", "0609", "599", "5", "Q7AB", "599", "3") +
                              qsoLine(144050, "CW", "0610", "599", "5", "Q8AB", "599", "3");
    CabrilloFile file = readCabrillo(Head + lines + End);
    // As compareQsos leaves them: the contacts' own bands and logged modes.
    const char* const Bands[] = {"40", "20", "40", "40", "6m"};
    for (std::size_t i = 0; i < file.qsos.size(); ++i) {
        CabrilloQso contact;
        contact.band = Bands[i];
        if (i == 3) {
            contact.line = 12;
            contact.loggedMode = "FT8";
        }
        matchQso(file, i, contact);
    }
    const std::vector<std::string> expected = {
        "QSO line 6 (Q2ABC 2025-02-15 0606): frequency 7012 kHz is outside the contact's band "
        "(20)",
        "QSO line 9 (Q8AB 2025-02-15 0610): frequency 144050 kHz is outside the contact's band "
        "(6m)",
        "mode \"PM\" is not CW, PH, FM, RY or DG, on 1 QSO line: record 12 (FT8); the host "
        "writes the same",
    };
    EXPECT_EQ(logWarnings(file), expected);
}

TEST(CabrilloCheck, NamesFaultsOfTheFilesForm)
{
    const struct {
        const char* name;
        std::string bytes;
        std::vector<std::string> problems;
    } rows[] = {
        {"a line ending in LF alone", Head + Line1.substr(0, Line1.size() - 2) + "\n" + End,
         {"line 5 does not end with CR LF"}},
        {"no END-OF-LOG", Head + Line1, {"the file does not end with END-OF-LOG:"}},
        {"a line after END-OF-LOG", Head + End + Line1, {"line 6 follows END-OF-LOG:"}},
        {"no START-OF-LOG first", "CALLSIGN: Q9VSC\r\n" + End, {"line 1 is not START-OF-LOG:"}},
        {"a cut QSO line", Head + "QSO:  7012 CW 2025-02-15\r\n" + End,
         {"line 5 is not a complete QSO line"}},
        {"a lone CR ends a line", Head + Line1.substr(0, Line1.size() - 1) + End,
         {"line 5 does not end with CR LF"}},
        {"a byte-order mark", "\xEF\xBB\xBF" + Head + End,
         {"the file begins with a byte-order mark"}},
        {"a tag in lower case", "START-OF-LOG: 3.0\r\nend-of-log:\r\n", {}},
        {"empty", "", {"the file is empty"}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(readCabrillo(row.bytes).problems, row.problems) << row.name;
    }
}

}  // namespace
