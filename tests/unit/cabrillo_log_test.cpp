// The Cabrillo file, compared whole: the QSO line columns, every header line, the multi-line
// fields in each form the record can hold, repeated exports, and a file that cannot be written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cabrillo/cabrillo_writer.h"
#include "cabrillo/export_run.h"
#include "cabrillo/qso_line.h"
#include "platform/platform.h"
#include "support/dates.h"
#include "support/files.h"
#include "support/pe_image.h"

namespace {

namespace fs = std::filesystem;

DateRecord at(int year, int month, int day, int hour, int minute)
{
    return support::hostDate(support::at(year, month, day, hour, minute));
}

CInfo contact(const std::string& call, int32_t freqKHz, const std::string& mode,
              const std::string& exchRcvd, const DateRecord& time = at(2026, 12, 6, 12, 0))
{
    CInfo c;
    c.Call = call;
    c.FreqKHz = freqKHz;
    c.Mode = mode;
    c.Time = time;
    c.RstSent = "599";
    c.ExchSent = "001";
    c.RstRcvd = "579";
    c.ExchRcvd = exchRcvd;
    return c;
}

// The header of a confirmed dialog, line by line as the file holds it.
const std::vector<std::string> ConfirmedHeader = {
    "START-OF-LOG: 3.0\r\n",
    "CONTEST: RADIO-VSC\r\n",
    "CALLSIGN: Q0ABC\r\n",
    "CATEGORY-OPERATOR: SINGLE-OP\r\n",
    "CATEGORY-BAND: ALL\r\n",
    "CATEGORY-POWER: HIGH\r\n",
    "CATEGORY-MODE: CW\r\n",
    "CATEGORY-OVERLAY: OVER-50\r\n",
    "CLAIMED-SCORE: 42\r\n",
    "CLUB: Radio Club\r\n",
    "CREATED-BY: Ravo \r\n",
    "NAME: Ivan\r\n",
    "ADDRESS: Line A\r\n",
    "ADDRESS-CITY: Town\r\n",
    "ADDRESS-POSTALCODE: 123456\r\n",
    "ADDRESS-COUNTRY: Land\r\n",
    "OPERATORS: Q0ABC Q0XYZ\r\n",
    "EMAIL: q0abc@example.org\r\n",
    "SOAPBOX: Hello there\r\n",
};

std::string join(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
    }
    return text;
}

class CabrilloLog : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::remove_all("Q0ABC.cbr");
        writer.Callsign = "Q0ABC";
        writer.FileBase = "Q0ABC";
        writer.CategoryOperator = "SINGLE-OP";
        writer.CategoryBand = "ALL";
        writer.CategoryPower = "HIGH";
        writer.CategoryMode = "CW";
        writer.CategoryOverlay = "OVER-50";
        writer.Club = "Radio Club";
        writer.Name = "Ivan";
        writer.Address = "Line A";
        writer.AddressCity = "Town";
        writer.AddressPostalCode = "123456";
        writer.AddressCountry = "Land";
        writer.Operators = "Q0ABC Q0XYZ";
        writer.Email = "q0abc@example.org";
        writer.SoapBox = "Hello there";
        writer.Contest = "not written";
        writer.Claimed = "not written either";
    }
    void TearDown() override
    {
        platform::failNthFileStep(0);
        fs::remove_all("Q0ABC.cbr");
        fs::remove_all("Ravo2.exe");
    }

    // The header with some lines replaced: index in ConfirmedHeader, then the new lines.
    static std::string header(const std::vector<std::pair<std::size_t, std::string>>& changes)
    {
        std::vector<std::string> lines = ConfirmedHeader;
        for (auto it = changes.rbegin(); it != changes.rend(); ++it) {
            lines[it->first] = it->second;
        }
        return join(lines);
    }

    CCabrilloWriter writer;
};

TEST_F(CabrilloLog, QsoLineColumnsModesAndFieldsThatShiftTheRest)
{
    struct Row {
        CInfo contact;
        const char* expected;
    };
    const Row rows[] = {
        {contact("Q1AA", 7012, "CW", "12"),
         "QSO:  7012 CW 2026-12-06 1200 Q0ABC         599 001    Q1AA          579 12\r\n"},
        {contact("Q1AA", 3512, "SSB", "7", at(2027, 1, 2, 3, 4)),
         "QSO:  3512 PH 2027-01-02 0304 Q0ABC         599 001    Q1AA          579 7\r\n"},
        {contact("Q1AA", 1830, "cw", ""),
         "QSO:  1830 PM 2026-12-06 1200 Q0ABC         599 001    Q1AA          579 \r\n"},
        {contact("Q1AA", 28500, "RTTY", "1"),
         "QSO: 28500 PM 2026-12-06 1200 Q0ABC         599 001    Q1AA          579 1\r\n"},
        {contact("Q1AA", 7, "FM", "1"),
         "QSO:     7 PM 2026-12-06 1200 Q0ABC         599 001    Q1AA          579 1\r\n"},
        {contact("", 7012, "", "1"),
         "QSO:  7012 PM 2026-12-06 1200 Q0ABC         599 001                  579 1\r\n"},
        {contact("Q1AA", 144050, "CW", "12"),
         "QSO: 144050 CW 2026-12-06 1200 Q0ABC         599 001    Q1AA          579 12\r\n"},
        {contact("Q1ABCDEFGHIJKLM", 7012, "CW", "12"),
         "QSO:  7012 CW 2026-12-06 1200 Q0ABC         599 001    Q1ABCDEFGHIJKLM 579 12\r\n"},
        {contact("Q1AA", 7012, "CW", "12", DateRecord::make(1.0, DateStatus::Invalid)),
         "QSO:  7012 CW Invalid DateTime Q0ABC         599 001    Q1AA          579 12\r\n"},
        {contact("Q1AA", 7012, "CW", "12", DateRecord::make(1.0, DateStatus::Null)),
         "QSO:  7012 CW  Q0ABC         599 001    Q1AA          579 12\r\n"},
        {contact("Q1\r\nAA", 7012, "CW", "1\r2\n"),
         "QSO:  7012 CW 2026-12-06 1200 Q0ABC         599 001    Q1  AA        579 1 2 \r\n"},
    };
    for (const Row& row : rows) {
        exportContacts({row.contact}, writer, 42);
        ASSERT_EQ(writer.QsoLines.size(), 1u);
        EXPECT_EQ(writer.QsoLines[0], row.expected)
            << "call " << row.contact.Call << ", mode " << row.contact.Mode;
    }
    writer.Callsign = "Q0ABCDEFGHIJKLM";
    exportContacts({contact("Q1AA", 7012, "CW", "12")}, writer, 42);
    EXPECT_EQ(writer.QsoLines.at(0),
              "QSO:  7012 CW 2026-12-06 1200 Q0ABCDEFGHIJKLM 599 001    Q1AA          579 12\r\n");
}

TEST_F(CabrilloLog, WholeFilesFromTheRecordAsItStands)
{
    struct Row {
        const char* what;
        void (*prepare)(CCabrilloWriter&);
        std::string expected;
    };
    const std::string qso =
        "QSO:  7012 CW 2026-12-06 1200 Q0ABC         599 001    Q1AA          579 12\r\n";
    const std::string end = "END-OF-LOG:\r\n";
    const Row rows[] = {
        {"confirmed", [](CCabrilloWriter&) {}, join(ConfirmedHeader) + qso + end},
        {"empty fields keep their lines",
         [](CCabrilloWriter& w) {
             w.Club = w.CategoryOverlay = w.Name = w.Address = w.SoapBox = w.Email = "";
         },
         header({{7, "CATEGORY-OVERLAY: \r\n"}, {9, "CLUB: \r\n"}, {11, "NAME: \r\n"},
                 {12, "ADDRESS: \r\n"}, {17, "EMAIL: \r\n"}, {18, "SOAPBOX: \r\n"}}) +
             qso + end},
        {"two lines in file form, as a confirmed dialog leaves them",
         [](CCabrilloWriter& w) {
             w.Address = "Line A\r\nADDRESS: Line B";
             w.SoapBox = "Hello there\r\nSOAPBOX: Second line";
         },
         header({{12, "ADDRESS: Line A\r\nADDRESS: Line B\r\n"},
                 {18, "SOAPBOX: Hello there\r\nSOAPBOX: Second line\r\n"}}) +
             qso + end},
        {"as a cancelled dialog leaves them: markers and raw breaks",
         [](CCabrilloWriter& w) {
             w.Address = "Line A<CR>Line B";
             w.SoapBox = "Hello there\r\nSecond line";
         },
         header({{12, "ADDRESS: Line A\r\nADDRESS: Line B\r\n"},
                 {18, "SOAPBOX: Hello there\r\nSOAPBOX: Second line\r\n"}}) +
             qso + end},
        {"every kind of break, <LF> dropped",
         [](CCabrilloWriter& w) {
             w.Address = "A<CR><LF>B\rC\nD<LF>E";
             w.SoapBox = "1\r\nSOAPBOX: 2\r\n\r\n3<CR>";
         },
         header({{12, "ADDRESS: A\r\nADDRESS: B\r\nADDRESS: C\r\nADDRESS: DE\r\n"},
                 {18, "SOAPBOX: 1\r\nSOAPBOX: 2\r\nSOAPBOX: \r\nSOAPBOX: 3\r\nSOAPBOX: \r\n"}}) +
             qso + end},
        {"breaks in other fields become blanks",
         [](CCabrilloWriter& w) {
             w.Club = "Radio\r\nQSO: forged";
             w.Email = "a\rb\nc";
         },
         header({{9, "CLUB: Radio  QSO: forged\r\n"}, {17, "EMAIL: a b c\r\n"}}) + qso + end},
    };
    for (const Row& row : rows) {
        SetUp();
        row.prepare(writer);
        EXPECT_EQ(exportContacts({contact("Q1AA", 7012, "CW", "12")}, writer, 42),
                  "File produced: Q0ABC.cbr")
            << row.what;
        EXPECT_EQ(support::fileText("Q0ABC.cbr"), row.expected) << row.what;
    }
}

TEST_F(CabrilloLog, NoContactsAndANegativeScoreAndTheHostVersion)
{
    support::putFile("Ravo2.exe", support::peImageWithVersion(0x00020014, 0));
    exportContacts({}, writer, -7);
    EXPECT_EQ(support::fileText("Q0ABC.cbr"),
              header({{8, "CLAIMED-SCORE: -7\r\n"}, {10, "CREATED-BY: Ravo 2.20\r\n"}}) +
                  "END-OF-LOG:\r\n");
}

TEST_F(CabrilloLog, EachExportWritesEachContactOnceAndReplacesTheFile)
{
    const ContactArray contacts = {contact("Q1AA", 7012, "CW", "12"),
                                   contact("Q2BB", 3512, "SSB", "5")};
    writer.QsoLines = {"QSO: left from an earlier export\r\n"};
    support::putFile("Q0ABC.cbr", "an older log");
    exportContacts(contacts, writer, 42);
    EXPECT_EQ(exportContacts(contacts, writer, 42), "File produced: Q0ABC.cbr");
    EXPECT_EQ(support::fileText("Q0ABC.cbr"),
              join(ConfirmedHeader) +
                  "QSO:  7012 CW 2026-12-06 1200 Q0ABC         599 001    Q1AA          579 12\r\n"
                  "QSO:  3512 PH 2026-12-06 1200 Q0ABC         599 001    Q2BB          579 5\r\n"
                  "END-OF-LOG:\r\n");
}

TEST_F(CabrilloLog, TheLongestNameAFolderTakesIsWritten)
{
    // 251 letters and ".cbr": the most a file name may have; the temporary file must fit too.
    const std::string name = std::string(251, 'Q') + ".cbr";
    const std::string probe(name.size(), 'p');
    if (!std::ofstream(probe)) {
        GTEST_SKIP() << "this folder takes no name of " << name.size() << " bytes";
    }
    fs::remove(probe);
    writer.FileBase = name.substr(0, 251);
    EXPECT_EQ(exportContacts({}, writer, 42), "File produced: " + name);
    EXPECT_EQ(support::fileText(name), join(ConfirmedHeader) + "END-OF-LOG:\r\n");
    fs::remove(name);
}

TEST_F(CabrilloLog, AFileThatCannotBeWrittenIsReportedAndTheOldOneKept)
{
    fs::create_directory("Q0ABC.cbr");
    EXPECT_EQ(exportContacts({}, writer, 42), "File not produced: Q0ABC.cbr");
    EXPECT_TRUE(fs::is_directory("Q0ABC.cbr"));
    EXPECT_TRUE(fs::is_empty("Q0ABC.cbr"));
    fs::remove("Q0ABC.cbr");

    support::putFile("Q0ABC.cbr", "an older log");
    platform::failNthFileStep(2);
    EXPECT_EQ(exportContacts({}, writer, 42), "File not produced: Q0ABC.cbr");
    EXPECT_EQ(support::fileText("Q0ABC.cbr"), "an older log");
}

}  // namespace
