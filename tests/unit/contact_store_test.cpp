// The contact store: band list order and equality, removal of the right contact, clearing.
#include <gtest/gtest.h>

#include "scoring/contact_store.h"

namespace {

CInfo contact(const std::string& call, const std::string& band, const std::string& mode,
              const DateRecord& time = DateRecord::make(46000.5), const std::string& exchRcvd = "5")
{
    CInfo c;
    c.Call = call;
    c.Band = band;
    c.Mode = mode;
    c.Time = time;
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

TEST(ContactStore, RemovalTakesTheContactAtTheKeysTimeElseTheOldest)
{
    // Two contacts of one station, band and mode, logged "first" and "second".
    const DateRecord early = DateRecord::make(46000.25);
    const DateRecord late = DateRecord::make(46000.75);
    const DateRecord invalid = DateRecord::make(46000.25, DateStatus::Invalid);
    const struct {
        const char* name;
        DateRecord first, second, key;
        const char* left;
    } rows[] = {
        {"identical contacts: the oldest", early, early, early, "Q1AA/second"},
        {"the one logged at the deleted time", early, late, late, "Q1AA/first"},
        {"all twelve bytes of the time compared", early, invalid, invalid, "Q1AA/first"},
        {"none at the deleted time: the oldest", early, late, DateRecord::make(1.0), "Q1AA/second"},
    };
    for (const auto& row : rows) {
        ContactArray contacts;
        BandList bands;
        BandTallies tallies;
        addContact(contacts, bands, tallies, contact("Q1AA", "80", "CW", row.first, "first"));
        addContact(contacts, bands, tallies, contact("Q1AA", "80", "CW", row.second, "second"));
        ASSERT_TRUE(removeContact(contacts, tallies, contact("Q1AA", "80", "CW", row.key)));
        EXPECT_EQ(calls(contacts), std::vector<std::string>{row.left}) << row.name;
    }
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
