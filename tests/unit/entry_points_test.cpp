// The entry points on the linked core: what each keeps, what it refuses, and that no argument
// the host may pass, null pointers included, takes it down.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <iterator>

#include "plugin/exports.h"
#include "plugin/module_state.h"
#include "support/files.h"

namespace {

const COleDateTime* hostDate(const DateRecord& date)
{
    return reinterpret_cast<const COleDateTime*>(date.bytes());
}

struct ContactArgs {
    const char* call = "Q1AA";
    const COleDateTime* time = nullptr;
    unsigned frequencyHz = 14074999;
    const char* mode = "CW";
    const char* rstSent = "599";
    const char* rstRcvd = "579";
    const char* exchSent = "001";
    const char* exchRcvd = "12";
    const char* aux1 = "aux one";
    const char* aux2 = "aux two";
    const char* band = "20";
};

int addData(const ContactArgs& a, const COleDateTime* otherDate = nullptr)
{
    return AddData0(nullptr, a.call, a.time, otherDate, otherDate, otherDate, 0, a.frequencyHz,
                    a.mode, a.rstSent, a.rstRcvd, a.exchSent, a.exchRcvd, nullptr, nullptr,
                    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, a.aux1, 0, 0,
                    0, 0.0, 0.0, nullptr, a.aux2, nullptr, a.band, nullptr);
}

int removeData(const ContactArgs& a)
{
    return RemoveData0(nullptr, a.call, a.time, nullptr, nullptr, nullptr, 0, a.frequencyHz,
                       a.mode, a.rstSent, a.rstRcvd, a.exchSent, a.exchRcvd, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, a.aux1, 0,
                       0, 0, 0.0, 0.0, nullptr, a.aux2, nullptr, a.band, nullptr);
}

int resetStats(int exportCabrillo, const char* callsign, const COleDateTime* titleDate)
{
    return ResetStats0(nullptr, exportCabrillo, callsign, nullptr, titleDate, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0,
                       0, 0, 0.0, 0.0, nullptr, nullptr, nullptr);
}

class EntryPoints : public ::testing::Test {
protected:
    void SetUp() override { resetStats(0, "", nullptr); }
};

TEST_F(EntryPoints, ResetFormatsTheTitleDateAndKeepsTheCallsign)
{
    struct Row {
        DateRecord date;
        const char* expected;
    };
    const Row rows[] = {
        {DateRecord::make(46362.75), "06.12.26"},
        {DateRecord::make(0.0), "30.12.99"},
        {DateRecord::make(46362.0, DateStatus::Invalid), "Invalid DateTime"},
        {DateRecord::make(1e9), "Invalid DateTime"},
        {DateRecord::make(46362.0, DateStatus::Null), ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(resetStats(0, "Q0ABC", hostDate(row.date)), 1);
        EXPECT_EQ(g_DateText, row.expected) << "date value " << row.date.value();
    }
    EXPECT_EQ(g_Callsign, "Q0ABC");
}

TEST_F(EntryPoints, ResetEmptiesTheStore)
{
    addData(ContactArgs());
    ASSERT_EQ(g_Contacts.size(), 1u);
    resetStats(0, "Q0ABC", nullptr);
    EXPECT_TRUE(g_Contacts.empty());
    EXPECT_TRUE(g_Bands.empty());
}

TEST_F(EntryPoints, AddDataPutsEachArgumentInItsOwnField)
{
    const DateRecord time = DateRecord::make(46362.5);
    const DateRecord other = DateRecord::make(40000.25);
    ContactArgs args;
    args.time = hostDate(time);
    ASSERT_EQ(addData(args, hostDate(other)), 1);
    ASSERT_EQ(g_Contacts.size(), 1u);
    const CInfo& c = g_Contacts[0];
    EXPECT_EQ(c.Call, "Q1AA");
    EXPECT_EQ(c.Mode, "CW");
    EXPECT_EQ(c.RstSent, "599");
    EXPECT_EQ(c.RstRcvd, "579");
    EXPECT_EQ(c.ExchSent, "001");
    EXPECT_EQ(c.ExchRcvd, "12");
    EXPECT_EQ(c.Aux1, "aux one");
    EXPECT_EQ(c.Aux2, "aux two");
    EXPECT_EQ(c.Band, "20");
    EXPECT_EQ(c.FreqKHz, 14074);
    EXPECT_EQ(c.Time, time) << "the contact's own date, not another date argument";
    EXPECT_EQ(c.AuxInt7, 0);
    EXPECT_EQ(g_Bands, BandList{"20"});
}

TEST_F(EntryPoints, FrequencyIsTruncatedToKilohertzInUnsignedArithmetic)
{
    const unsigned rows[][2] = {{999, 0}, {1000, 1}, {3500000, 3500}, {4294967295u, 4294967}};
    for (const auto& row : rows) {
        ContactArgs args;
        args.frequencyHz = row[0];
        addData(args);
        EXPECT_EQ(g_Contacts.back().FreqKHz, static_cast<int32_t>(row[1])) << row[0] << " Hz";
    }
}

TEST_F(EntryPoints, NullPointersReadAsEmptyTextsAndANullDate)
{
    ContactArgs args;
    args.call = args.mode = args.rstSent = args.rstRcvd = args.exchSent = nullptr;
    args.exchRcvd = args.aux1 = args.aux2 = args.band = nullptr;
    EXPECT_EQ(addData(args), 1);
    ASSERT_EQ(g_Contacts.size(), 1u);
    EXPECT_EQ(g_Contacts[0].Call, "");
    EXPECT_EQ(g_Contacts[0].Band, "");
    EXPECT_EQ(g_Contacts[0].Time.status(), static_cast<int32_t>(DateStatus::Null));
    EXPECT_EQ(g_Bands, BandList{""});

    EXPECT_EQ(removeData(args), 0) << "null exchanges read as empty and refuse";
    EXPECT_EQ(resetStats(0, nullptr, nullptr), 1);
    EXPECT_EQ(g_Callsign, "");
    EXPECT_EQ(g_DateText, "");
    EXPECT_STREQ(GetSetName(7), "");
    EXPECT_NE(std::string(GetResult0(nullptr)).find("\r\nScore:  0\r\n"), std::string::npos);
    EXPECT_EQ(g_Score, 0);
    EXPECT_EQ(StatsGetExchgCount0(nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(StatsIsValidExchg0(nullptr, nullptr, nullptr, nullptr, 0, 0, 0), 0);
}

TEST_F(EntryPoints, RemoveDataRefusesEmptyExchangesAndOtherwiseReportsSuccess)
{
    addData(ContactArgs());
    ContactArgs noRcvd;
    noRcvd.exchRcvd = "";
    ContactArgs noSent;
    noSent.exchSent = "";
    ContactArgs otherMode;
    otherMode.mode = "SSB";
    EXPECT_EQ(removeData(noRcvd), 0);
    EXPECT_EQ(removeData(noSent), 0);
    EXPECT_EQ(removeData(otherMode), 1) << "no match still succeeds";
    EXPECT_EQ(g_Contacts.size(), 1u);
    EXPECT_EQ(removeData(ContactArgs()), 1);
    EXPECT_TRUE(g_Contacts.empty());
    EXPECT_EQ(g_Bands, BandList{"20"});
}

TEST_F(EntryPoints, RemoveDataTakesOutTheContactAtTheDeletedTime)
{
    const DateRecord early = DateRecord::make(46362.25);
    const DateRecord late = DateRecord::make(46362.5);
    ContactArgs first;
    first.time = hostDate(early);
    first.exchRcvd = "1";
    ContactArgs second = first;
    second.time = hostDate(late);
    second.exchRcvd = "2";
    addData(first);
    addData(second);
    EXPECT_EQ(removeData(second), 1);
    ASSERT_EQ(g_Contacts.size(), 1u);
    EXPECT_EQ(g_Contacts[0].ExchRcvd, "1");
}

TEST_F(EntryPoints, ResultWritesTheClaimedScoreOnlyWhereTheFileHoldsAnotherValue)
{
    struct Row {
        const char* before;
        const char* after;
    };
    const Row rows[] = {
        {"[Settings]\r\nClaimed=\"12\"\r\n", "[Settings]\r\nClaimed=\"12\"\r\n"},
        {"[Settings]\r\nClaimed = 12 \r\n", "[Settings]\r\nClaimed = 12 \r\n"},
        {"[Settings]\r\nClaimed=13\r\n", "[Settings]\r\nClaimed=12\r\n"},
        {"[Settings]\r\nClaimed=\r\n", "[Settings]\r\nClaimed=12\r\n"},
        {"[Settings]\r\nName=x\r\n", "[Settings]\r\nName=x\r\nClaimed=12\r\n"},
        {nullptr, "[Settings]\r\nClaimed=12\r\n"},
    };
    addData(ContactArgs());
    const std::filesystem::path home = std::filesystem::current_path();
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        // A folder per row: Wine keeps a settings file parsed while its time stamp stays the
        // same, and the file system's clock may not tick between two rows.
        const std::filesystem::path folder = home / ("claimed-" + std::to_string(i));
        std::filesystem::create_directories(folder / "Plugins");
        std::filesystem::current_path(folder);
        if (rows[i].before != nullptr) {
            support::putFile("Plugins/VESTAR.ini", rows[i].before);
        }
        int score = 0;
        GetResult0(&score);
        const std::string after = support::fileText("Plugins/VESTAR.ini");
        std::filesystem::current_path(home);
        EXPECT_EQ(score, 12);
        EXPECT_EQ(after, rows[i].after)
            << "file before: " << (rows[i].before != nullptr ? rows[i].before : "none");
    }
}

}  // namespace
