// The export of the real library: GetResult0 writes the Cabrillo file, reports it once per
// call and hands -1 back, while the summary and the "Claimed" key keep the real score. The
// header lines depend on the header dialog, so here only their tags are checked; the unit
// tests compare whole files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "library_fixture.h"
#include "report_boxes.h"
#include "support/files.h"
#include "support/pe_image.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> crlfLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    if (start != text.size()) {
        lines.push_back("unterminated: " + text.substr(start));
    }
    return lines;
}

bool tagged(const std::string& line)
{
    static const char* const tags[] = {
        "START-OF-LOG: ", "CONTEST: ", "CALLSIGN: ", "CATEGORY-OPERATOR: ",
        "CATEGORY-BAND: ", "CATEGORY-POWER: ", "CATEGORY-MODE: ", "CATEGORY-OVERLAY: ",
        "CLAIMED-SCORE: ", "CLUB: ", "CREATED-BY: ", "NAME: ", "ADDRESS: ", "ADDRESS-CITY: ",
        "ADDRESS-POSTALCODE: ", "ADDRESS-COUNTRY: ", "OPERATORS: ", "EMAIL: ", "SOAPBOX: ",
        "QSO: ", "END-OF-LOG:"};
    for (const char* tag : tags) {
        if (line.compare(0, std::string(tag).size(), tag) == 0) {
            return true;
        }
    }
    return false;
}

class CabrilloExport : public LoadedLibrary {
protected:
    void SetUp() override
    {
        LoadedLibrary::SetUp();
        support::putFile("Ravo2.exe", support::peImageWithVersion(0x00020014, 0));
        // What a cancelled header dialog leaves in the record: the stored markers.
        support::putFile(settingsPath, "[Settings]\r\nAddress=Line A<CR>Line B\r\n"
                                       "SoapBox=Hello there<CR><LF>Second line\r\n");
        reportsShownBy([this] { hostResetStats(plugin, 1, "Q0ABC", DateRecord::make(46362.0)); });
        HostContact first = contact("Q1AA", "40", "9");
        HostContact second = contact("", "80", "4");  // no call: no points, still exported
        second.mode = "SSB";
        hostAddData(plugin, first);
        hostAddData(plugin, second);
    }
    void TearDown() override
    {
        for (const std::string& name : written) {
            fs::remove_all(name);
        }
        fs::remove("Ravo2.exe");
        LoadedLibrary::TearDown();
    }

    // Runs GetResult0 and returns the file name its report names, or "" when none.
    std::string result(int& score, std::string& summary, std::vector<std::string>& reports)
    {
        reports = reportsShownBy([&] { summary = plugin.GetResult0(&score); });
        const std::string produced = "File produced: ";
        if (reports.size() == 1 && reports[0].compare(0, produced.size(), produced) == 0) {
            written.push_back(reports[0].substr(produced.size()));
            return written.back();
        }
        return std::string();
    }

    std::vector<std::string> written;
};

TEST_F(CabrilloExport, MinusOneBackTheRealScoreKeptEachContactOnceEveryLineTagged)
{
    int score = 0;
    std::string summary;
    std::vector<std::string> reports;
    result(score, summary, reports);
    const std::string name = result(score, summary, reports);
    ASSERT_EQ(reports.size(), 1u) << "one report per GetResult0";
    ASSERT_FALSE(name.empty()) << reports[0];
    EXPECT_EQ(name.substr(name.size() - 4), ".cbr");
    EXPECT_EQ(score, -1);
    EXPECT_NE(summary.find("Score:  9"), std::string::npos) << summary;
    EXPECT_NE(support::fileText(settingsPath).find("Claimed=9"), std::string::npos);

    const std::vector<std::string> lines = crlfLines(support::fileText(name));
    ASSERT_GE(lines.size(), 22u);
    EXPECT_EQ(lines.front(), "START-OF-LOG: 3.0");
    EXPECT_EQ(lines[1], "CONTEST: RADIO-VSC");
    EXPECT_EQ(lines[8], "CLAIMED-SCORE: 9");
    EXPECT_EQ(lines[10], "CREATED-BY: Ravo 2.20");
    EXPECT_EQ(lines.back(), "END-OF-LOG:");
    std::vector<std::string> qsos;
    for (const std::string& line : lines) {
        EXPECT_TRUE(tagged(line)) << line;
        if (line.compare(0, 5, "QSO: ") == 0) {
            // The own-call column follows the CALLSIGN line, whatever the dialog left there.
            qsos.push_back(line.substr(0, 30) + line.substr(44));
        }
    }
    const std::vector<std::string> expected = {
        "QSO:  7012 CW 2026-12-06 1200 599 001    Q1AA          599 9",
        "QSO:  7012 PH 2026-12-06 1200 599 001                  599 4"};
    EXPECT_EQ(qsos, expected);
}

TEST_F(CabrilloExport, AFolderNamedLikeTheFileIsReportedAndLeftAlone)
{
    int score = 0;
    std::string summary;
    std::vector<std::string> reports;
    const std::string name = result(score, summary, reports);
    ASSERT_FALSE(name.empty());
    fs::remove(name);
    fs::create_directory(name);
    score = 0;
    result(score, summary, reports);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "File not produced: " + name);
    EXPECT_TRUE(fs::is_directory(name));
    EXPECT_TRUE(fs::is_empty(name));
    EXPECT_EQ(score, -1);
}

TEST_F(CabrilloExport, NoExportWithoutTheRequest)
{
    hostResetStats(plugin, 0, "Q0ABC", DateRecord::make(46362.0));
    hostAddData(plugin, contact("Q1AA", "40", "9"));
    int score = 0;
    std::string summary;
    std::vector<std::string> reports;
    result(score, summary, reports);
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(score, 9);
}

// A callsign that names a device or holds a character no file name may: the file still lands
// in a plain file of this folder, under the name the report gives.
TEST_F(CabrilloExport, ACallsignNamingNoPlainFileGetsAFileThatIs)
{
    const struct {
        const char* call;
        const char* file;
    } rows[] = {
        {"CON", "CON_.cbr"}, {"nul", "nul_.cbr"},         {"COM1", "COM1_.cbr"},
        {"A<B", "A_B.cbr"},  {"AUX.txt", "AUX_.txt.cbr"}, {"A\"B", "A_B.cbr"},
        {"A*B", "A_B.cbr"},  {"Q9VSC ", "Q9VSC.cbr"}};
    for (const auto& row : rows) {
        reportsShownBy([&] { hostResetStats(plugin, 1, row.call, DateRecord::make(46362.0)); });
        hostAddData(plugin, contact("Q1AA", "40", "9"));
        int score = 0;
        std::string summary;
        std::vector<std::string> reports;
        EXPECT_EQ(result(score, summary, reports), row.file) << row.call;
        EXPECT_TRUE(fs::is_regular_file(row.file)) << row.call;
        EXPECT_NE(support::fileText(row.file).find("Q1AA"), std::string::npos) << row.call;
        fs::remove(row.file);
    }
}

}  // namespace
