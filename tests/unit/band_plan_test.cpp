// The band plan: both edges of the contest bands and their neighbours, names both ways.
#include <gtest/gtest.h>

#include "scoring/band_plan.h"

namespace {

struct EdgeRow {
    unsigned hz;
    const char* band;  // "" for none
};

TEST(BandPlan, FrequenciesAtTheEdges)
{
    const EdgeRow rows[] = {
        {1799999, ""},     {1800000, "160"},  {2000000, "160"},  {2000001, ""},
        {3500000, "80"},   {4000000, "80"},   {6999999, ""},     {7000000, "40"},
        {7300000, "40"},   {7300001, ""},     {14000000, "20"},  {14350000, "20"},
        {21000000, "15"},  {21450000, "15"},  {28000000, "10"},  {29700000, "10"},
        {29700001, ""},    {10100000, "30"},  {144000000, "2m"},  {432000000, "70cm"},
        {0, ""},           {4294967295u, ""},
    };
    for (const EdgeRow& row : rows) {
        EXPECT_EQ(bandOfFrequency(row.hz), row.band) << row.hz << " Hz";
    }
}

TEST(BandPlan, NamesAndLowerEdges)
{
    EXPECT_EQ(hostBand(" 40M "), "40");
    EXPECT_EQ(hostBand("70CM"), "70cm");
    EXPECT_EQ(hostBand("3cm"), "3cm");
    EXPECT_EQ(hostBand("41m"), "");
    EXPECT_EQ(adifBandName("160"), "160m");
    EXPECT_EQ(adifBandName("70cm"), "70cm");
    EXPECT_EQ(bandLowerEdgeHz("40"), 7000000u);
    EXPECT_EQ(bandLowerEdgeHz("3cm"), 0u);
}

TEST(BandPlan, ContestBands)
{
    EXPECT_EQ(contestBandsText(), "160, 80, 40, 20, 15, 10");
    for (const char* band : {"160", "80", "40", "20", "15", "10"}) {
        EXPECT_TRUE(isContestBand(band)) << band;
    }
    for (const char* band : {"60", "30", "17", "12", "6", "2m", "160m", ""}) {
        EXPECT_FALSE(isContestBand(band)) << band;
    }
}

}  // namespace
