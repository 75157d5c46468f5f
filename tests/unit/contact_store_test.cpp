// The contact store: band list order and equality, removal of the right contact, clearing.
#include <gtest/gtest.h>

#include "scoring/contact_store.h"

namespace {

CInfo contact(const std::string& call, const std::string& band, const std::string& mode,
              double time = 46000.5, const std::string& exchRcvd = "5")
{
    CInfo c;
    c.Call = call;
    c.Band = band;
    c.Mode = mode;
    c.Time = DateRecord::make(time);
    c.ExchRcvd = exchRcvd;
    return c;
}

std::vector<std::string> calls(const ContactArray& contacts)
{
    std::vector<std::string> result;
    for (const CInfo& c : contacts) {
        result.push_back(c.Call + "/" + c.ExchRcvd);
    }
    return result;
}

TEST(ContactStore, BandsEnterOnceInOrderOfFirstAppearanceAndCompareExactly)
{
    ContactArray contacts;
    BandList bands;
    BandTallies tallies;
    for (const char* band : {"40M", "20M", "40M", "20m", "20M ", "", ""}) {
        addContact(contacts, bands, tallies, contact("Q1AA", band, "CW"));
    }
    EXPECT_EQ(bands, (BandList{"40M", "20M", "20m", "20M ", ""}));
    EXPECT_EQ(contacts.size(), 7u);
}

TEST(ContactStore, IdenticalContactsAreKeptTwiceAndRemovedOldestFirst)
{
    ContactArray contacts;
    BandList bands;
    BandTallies tallies;
    addContact(contacts, bands, tallies, contact("Q1AA", "80", "CW", 46000.5, "1"));
    addContact(contacts, bands, tallies, contact("Q1AA", "80", "CW", 46000.5, "2"));
    ASSERT_TRUE(removeContact(contacts, tallies, contact("Q1AA", "80", "CW", 46000.5)));
    EXPECT_EQ(calls(contacts), (std::vector<std::string>{"Q1AA/2"}));
}

TEST(ContactStore, RemovalPrefersTheContactLoggedAtTheDeletedTime)
{
    // The station worked twice on one band and mode: deleting the later contact must leave
    // the earlier one, with its own time and exchange.
    ContactArray contacts;
    BandList bands;
    BandTallies tallies;
    addContact(contacts, bands, tallies, contact("Q1AA", "80", "CW", 46000.25, "early"));
    addContact(contacts, bands, tallies, contact("Q1AA", "80", "CW", 46000.75, "late"));
    ASSERT_TRUE(removeContact(contacts, tallies, contact("Q1AA", "80", "CW", 46000.75)));
    EXPECT_EQ(calls(contacts), (std::vector<std::string>{"Q1AA/early"}));
}

TEST(ContactStore, RemovalComparesAllTwelveBytesOfTheTime)
{
    ContactArray contacts;
    BandList bands;
    BandTallies tallies;
    addContact(contacts, bands, tallies, contact("Q1AA", "80", "CW", 46000.25, "a"));
    CInfo invalidAtSameValue = contact("Q1AA", "80", "CW", 46000.25, "b");
    invalidAtSameValue.Time = DateRecord::make(46000.25, DateStatus::Invalid);
    addContact(contacts, bands, tallies, invalidAtSameValue);
    CInfo key = contact("Q1AA", "80", "CW");
    key.Time = DateRecord::make(46000.25, DateStatus::Invalid);
    ASSERT_TRUE(removeContact(contacts, tallies, key));
    EXPECT_EQ(calls(contacts), (std::vector<std::string>{"Q1AA/a"}));
}

TEST(ContactStore, RemovalWithoutTimeMatchFallsBackToOldestOfStationBandMode)
{
    ContactArray contacts;
    BandList bands;
    BandTallies tallies;
    addContact(contacts, bands, tallies, contact("Q1AA", "80", "CW", 46000.25, "early"));
    addContact(contacts, bands, tallies, contact("Q1AA", "80", "CW", 46000.75, "late"));
    ASSERT_TRUE(removeContact(contacts, tallies, contact("Q1AA", "80", "CW", 1.0)));
    EXPECT_EQ(calls(contacts), (std::vector<std::string>{"Q1AA/late"}));
}

TEST(ContactStore, RemovalNeedsEqualCallModeAndBand)
{
    struct Row {
        const char* call;
        const char* band;
        const char* mode;
        bool removed;
    };
    const Row rows[] = {
        {"Q1AA", "80", "CW", true},   {"Q1AA", "80", "SSB", false}, {"Q1AA", "40", "CW", false},
        {"q1aa", "80", "CW", false},  {"Q1AA ", "80", "CW", false}, {"Q1AA", "80 ", "CW", false},
    };
    for (const Row& row : rows) {
        ContactArray contacts;
        BandList bands;
        BandTallies tallies;
        addContact(contacts, bands, tallies, contact("Q1AA", "80", "CW"));
        EXPECT_EQ(removeContact(contacts, tallies, contact(row.call, row.band, row.mode)),
                  row.removed)
            << "key " << row.call << "|" << row.band << "|" << row.mode;
        EXPECT_EQ(contacts.size(), row.removed ? 0u : 1u) << "key " << row.call;
    }
}

TEST(ContactStore, ClearingEmptiesBothAndTheBandListStartsAfresh)
{
    ContactArray contacts;
    BandList bands;
    BandTallies tallies;
    addContact(contacts, bands, tallies, contact("Q1AA", "80", "CW"));
    addContact(contacts, bands, tallies, contact("Q2BB", "40", "CW"));
    clearStore(contacts, bands, tallies);
    EXPECT_TRUE(contacts.empty());
    EXPECT_TRUE(bands.empty());
    addContact(contacts, bands, tallies, contact("Q3CC", "40", "CW"));
    EXPECT_EQ(bands, BandList{"40"});
}

}  // namespace
