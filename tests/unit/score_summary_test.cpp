// The score summary text, byte for byte, and its score, built from the contact store.
#include "scoring/score_summary.h"

#include <gtest/gtest.h>

#include "scoring/contact_store.h"

namespace {

struct Logged {
    std::string call;
    std::string band;
    std::string exchRcvd;
};

CInfo contact(const Logged& logged)
{
    CInfo c;
    c.Call = logged.call;
    c.Band = logged.band;
    c.Mode = "CW";
    c.ExchSent = "001";
    c.ExchRcvd = logged.exchRcvd;
    return c;
}

void logAll(ContactArray& contacts, BandList& bands, BandTallies& tallies,
            const std::vector<Logged>& log)
{
    for (const Logged& logged : log) {
        addContact(contacts, bands, tallies, contact(logged));
    }
}

std::string wholeText(const std::string& date, const std::string& callsign,
                      const std::string& body, const std::string& score)
{
    return "VESTAR CUP " + date + " \r\n  Contestant: " + callsign + "\r\nBand\tQSOs\tPoints\r\n" +
           body + "\r\nScore:  " + score + "\r\nCreated by Gremik 2014.";
}

TEST(ScoreSummary, WorkedExample)
{
    ContactArray contacts;
    BandList bands;
    BandTallies tallies;
    logAll(contacts, bands, tallies,
           {{"OK1AA", "40", "4"}, {"OK1BB", "80", "2"}, {"OK1CC", "80", "2"}, {"", "40", "100"},
            {"OK1DD", "80", "5"}});

    const ScoreSummary summary =
        buildScoreSummary(tallies, contacts.size(), bands, "01.06.14", "OK2XYZ");

    EXPECT_EQ(summary.text,
              "VESTAR CUP 01.06.14 \r\n"
              "  Contestant: OK2XYZ\r\n"
              "Band\tQSOs\tPoints\r\n"
              "80\t 3\t 9\r\n"
              "40\t 1\t 4\r\n"
              "Total\t 5\t 13\r\n"
              "\r\n"
              "Score:  13\r\n"
              "Created by Gremik 2014.");
    EXPECT_EQ(summary.score, 13);
    EXPECT_EQ(bands, (BandList{"80", "40"}));
}

TEST(ScoreSummary, EmptyDateAndCallsign)
{
    ContactArray contacts;
    BandList bands;
    BandTallies tallies;
    const ScoreSummary summary = buildScoreSummary(tallies, contacts.size(), bands, "", "");
    EXPECT_EQ(summary.text,
              "VESTAR CUP  \r\n  Contestant: \r\nBand\tQSOs\tPoints\r\nTotal\t 0\t 0\r\n"
              "\r\nScore:  0\r\nCreated by Gremik 2014.");
    EXPECT_EQ(summary.score, 0);
}

TEST(ScoreSummary, BandWithAllContactsRemovedKeepsItsLine)
{
    ContactArray contacts;
    BandList bands;
    BandTallies tallies;
    logAll(contacts, bands, tallies, {{"OK1AA", "20", "3"}, {"OK1BB", "15", "4"}});
    ASSERT_TRUE(removeContact(contacts, tallies, contact({"OK1BB", "15", "4"})));

    const ScoreSummary summary = buildScoreSummary(tallies, contacts.size(), bands, "d", "c");
    EXPECT_EQ(summary.text, wholeText("d", "c", "20\t 1\t 3\r\n15\t 0\t 0\r\nTotal\t 1\t 3\r\n",
                                      "3"));
}

struct SummaryRow {
    const char* what;
    std::vector<Logged> log;
    BandList bands;  // as the store holds them before the call
    std::string body;
    int32_t score;
};

const SummaryRow summaryRows[] = {
    {"no contacts", {}, {}, "Total\t 0\t 0\r\n", 0},
    {"empty Call counts in the total only",
     {{"", "20", "5"}, {"A", "20", "3"}, {"", "40", "9"}},
     {"20", "40"},
     "40\t 0\t 0\r\n20\t 1\t 3\r\nTotal\t 3\t 3\r\n",
     3},
    {"numeric bands descend",
     {{"A", "10", "1"}, {"B", "160", "2"}, {"C", "80", "3"}, {"D", "40", "4"}},
     {"10", "160", "80", "40"},
     "160\t 1\t 2\r\n80\t 1\t 3\r\n40\t 1\t 4\r\n10\t 1\t 1\r\nTotal\t 4\t 10\r\n",
     10},
    {"metre names keep their order",
     {{"A", "160m", "1"}, {"B", "80m", "1"}, {"C", "40m", "1"}, {"D", "10m", "1"}},
     {"160m", "80m", "40m", "10m"},
     "160m\t 1\t 1\r\n80m\t 1\t 1\r\n40m\t 1\t 1\r\n10m\t 1\t 1\r\nTotal\t 4\t 4\r\n",
     4},
    {"VHF names",
     {{"A", "2m", "1"}, {"B", "70cm", "2"}, {"C", "10m", "3"}},
     {"2m", "70cm", "10m"},
     "70cm\t 1\t 2\r\n10m\t 1\t 3\r\n2m\t 1\t 1\r\nTotal\t 3\t 6\r\n",
     6},
    {"empty band text pads to zeros",
     {{"A", "", "2"}, {"B", "7", "1"}},
     {"", "7"},
     "7\t 1\t 1\r\n\t 1\t 2\r\nTotal\t 2\t 3\r\n",
     3},
    {"MHz names do not sort numerically",
     {{"A", "3.5", "1"}, {"B", "1.8", "1"}, {"C", "28", "1"}, {"D", "21", "1"}, {"E", "14", "1"},
      {"F", "7", "1"}},
     {"3.5", "1.8", "28", "21", "14", "7"},
     "3.5\t 1\t 1\r\n1.8\t 1\t 1\r\n28\t 1\t 1\r\n21\t 1\t 1\r\n14\t 1\t 1\r\n7\t 1\t 1\r\n"
     "Total\t 6\t 6\r\n",
     6},
    {"exchange texts",
     {{"A", "20", "12"}, {"B", "20", " 7"}, {"C", "20", "5B"}, {"D", "20", "abc"},
      {"E", "20", "-3"}},
     {"20"},
     "20\t 5\t 21\r\nTotal\t 5\t 21\r\n",
     21},
    {"negative score", {{"A", "20", "-3"}}, {"20"}, "20\t 1\t -3\r\nTotal\t 1\t -3\r\n", -3},
    {"points saturate",
     {{"A", "20", "99999999999"}},
     {"20"},
     "20\t 1\t 2147483647\r\nTotal\t 1\t 2147483647\r\n",
     INT32_MAX},
    {"band sum saturates",
     {{"A", "20", "2147483647"}, {"B", "20", "1"}},
     {"20"},
     "20\t 2\t 2147483647\r\nTotal\t 2\t 2147483647\r\n",
     INT32_MAX},
    {"band sum saturates downwards",
     {{"A", "20", "-2147483648"}, {"B", "20", "-1"}},
     {"20"},
     "20\t 2\t -2147483648\r\nTotal\t 2\t -2147483648\r\n",
     INT32_MIN},
    {"total saturates across bands",
     {{"A", "20", "2147483647"}, {"B", "40", "2"}},
     {"20", "40"},
     "40\t 1\t 2\r\n20\t 1\t 2147483647\r\nTotal\t 2\t 2147483647\r\n",
     INT32_MAX},
    {"a sum held at the limit comes back exactly",
     {{"A", "20", "2147483647"}, {"B", "20", "5"}, {"C", "20", "-10"}},
     {"20"},
     "20\t 3\t 2147483642\r\nTotal\t 3\t 2147483642\r\n",
     2147483642},
    {"band texts match exactly",
     {{"A", "20m", "1"}, {"B", "20M", "2"}, {"C", "20m ", "4"}},
     {"20m", "20M", "20m "},
     "20m \t 1\t 4\r\n20m\t 1\t 1\r\n20M\t 1\t 2\r\nTotal\t 3\t 7\r\n",
     7},
};

TEST(ScoreSummary, Cases)
{
    for (const SummaryRow& row : summaryRows) {
        BandTallies tallies;
        for (const Logged& logged : row.log) {
            tallies.count(contact(logged));
        }
        BandList bands = row.bands;
        const ScoreSummary summary =
            buildScoreSummary(tallies, row.log.size(), bands, "01.06.14", "OK2XYZ");
        const std::string score = std::to_string(row.score);
        EXPECT_EQ(summary.text, wholeText("01.06.14", "OK2XYZ", row.body, score))
            << "row: " << row.what;
        EXPECT_EQ(summary.score, row.score) << "row: " << row.what;
    }
}

}  // namespace
