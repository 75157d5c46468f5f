// The real library, loaded as the host loads it: its names, and the store and summary seen
// through full-length host calls.
#include <filesystem>

#include "library_fixture.h"

namespace {

TEST_F(LoadedLibrary, AnswersWhichContestItServes)
{
    EXPECT_EQ(plugin.GetNumberOfSets(), 1);
    EXPECT_STREQ(plugin.GetSetName(0), "VSC");
    EXPECT_STREQ(plugin.GetSetName(1), "");
    EXPECT_STREQ(plugin.GetSetName(-1), "");
    EXPECT_EQ(plugin.GetExchgCount0(nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(plugin.IsValidExchg0(nullptr, nullptr, nullptr, nullptr, 1, 2, 3), 0);
}

TEST_F(LoadedLibrary, ScoresTheLogItWasGivenAndRecordsTheClaimedScore)
{
    hostAddData(plugin, contact("Q1AA", "40", "4"));
    hostAddData(plugin, contact("Q2BB", "80", "2"));
    hostAddData(plugin, contact("Q3CC", "80", "2"));
    hostAddData(plugin, contact("", "40", "7"));
    hostAddData(plugin, contact("Q4DD", "80", "5"));
    int score = 12345;
    const std::string summary = plugin.GetResult0(&score);
    EXPECT_EQ(summary,
              "VESTAR CUP 06.12.26 \r\n"
              "  Contestant: Q0ABC\r\n"
              "Band\tQSOs\tPoints\r\n"
              "80\t 3\t 9\r\n"
              "40\t 1\t 4\r\n"
              "Total\t 5\t 13\r\n"
              "\r\n"
              "Score:  13\r\n"
              "Created by Gremik 2014.");
    EXPECT_EQ(score, 13);
    EXPECT_EQ(support::fileText(settingsPath), "[Settings]\r\nClaimed=13\r\n");
}

TEST_F(LoadedLibrary, RemovingTheLaterOfTwoContactsKeepsTheEarlierOnesPoints)
{
    HostContact early = contact("Q1AA", "80", "3", 46362.25);
    HostContact late = contact("Q1AA", "80", "7", 46362.75);
    EXPECT_EQ(hostAddData(plugin, early), 1);
    EXPECT_EQ(hostAddData(plugin, late), 1);
    HostContact noExchange = late;
    noExchange.exchRcvd = "";
    EXPECT_EQ(hostRemoveData(plugin, noExchange), 0);
    EXPECT_EQ(hostRemoveData(plugin, late), 1);
    int score = 0;
    plugin.GetResult0(&score);
    EXPECT_EQ(score, 3);
}

TEST_F(LoadedLibrary, ANewLogStartsEmpty)
{
    hostAddData(plugin, contact("Q1AA", "40", "4"));
    EXPECT_EQ(hostResetStats(plugin, 0, "Q0XYZ", DateRecord::make(0.0, DateStatus::Null)), 1);
    int score = -5;
    EXPECT_EQ(std::string(plugin.GetResult0(&score)),
              "VESTAR CUP  \r\n  Contestant: Q0XYZ\r\nBand\tQSOs\tPoints\r\n"
              "Total\t 0\t 0\r\n\r\nScore:  0\r\nCreated by Gremik 2014.");
    EXPECT_EQ(score, 0);
}

TEST_F(LoadedLibrary, ASecondResultReplacesTheFirstAndSortsInANewBand)
{
    hostAddData(plugin, contact("Q1AA", "40", "4"));
    hostAddData(plugin, contact("Q2BB", "80", "2"));
    int score = 0;
    const std::string first = plugin.GetResult0(&score);
    hostAddData(plugin, contact("Q3CC", "160", "5"));
    hostAddData(plugin, contact("Q4DD", "10", "1"));
    const std::string second = plugin.GetResult0(&score);
    EXPECT_EQ(second,
              "VESTAR CUP 06.12.26 \r\n  Contestant: Q0ABC\r\nBand\tQSOs\tPoints\r\n"
              "160\t 1\t 5\r\n80\t 1\t 2\r\n40\t 1\t 4\r\n10\t 1\t 1\r\n"
              "Total\t 4\t 12\r\n\r\nScore:  12\r\nCreated by Gremik 2014.");
    EXPECT_EQ(score, 12);
    EXPECT_NE(first, second);
}

TEST_F(LoadedLibrary, AFreshLoadScoresWithoutAReset)
{
    unloadStatsPlugin(plugin);
    std::string error;
    ASSERT_TRUE(loadStatsPlugin(std::getenv("STATS_LIBRARY"), plugin, error)) << error;
    hostAddData(plugin, contact("Q1AA", "40", "4"));
    int score = 0;
    EXPECT_EQ(std::string(plugin.GetResult0(&score)),
              "VESTAR CUP  \r\n  Contestant: \r\nBand\tQSOs\tPoints\r\n40\t 1\t 4\r\n"
              "Total\t 1\t 4\r\n\r\nScore:  4\r\nCreated by Gremik 2014.");
    EXPECT_EQ(score, 4);
}

TEST_F(LoadedLibrary, AnUnwritableSettingsFileLeavesTheResultAlone)
{
    std::filesystem::remove_all("Plugins");
    hostAddData(plugin, contact("Q1AA", "40", "4"));
    int score = 0;
    const std::string summary = plugin.GetResult0(&score);
    std::filesystem::create_directory("Plugins");
    EXPECT_EQ(score, 4);
    EXPECT_NE(summary.find("40\t 1\t 4\r\nTotal\t 1\t 4\r\n\r\nScore:  4\r\n"), std::string::npos)
        << summary;
    EXPECT_FALSE(std::filesystem::exists(settingsPath));
}

}  // namespace
