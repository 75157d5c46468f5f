// The summary from the running band tallies against one from tallies counted afresh, after every
// step of seeded random sequences of additions, removals and resets.
#include "scoring/band_tallies.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "scoring/contact_store.h"
#include "scoring/score_summary.h"

namespace {

const std::vector<std::string> Calls = {"Q1AA", "Q2BB", "Q3CC", "q1aa", ""};
const std::vector<std::string> Bands = {"160", "80",  "40", "20", "15", "10",   "20m", "20M",
                                        "",    "3.5", "080", "6", "2m", "70cm", "17",  "12"};
const std::vector<std::string> Modes = {"CW", "SSB"};
const std::vector<double> Times = {46000.25, 46000.5};
const std::vector<std::string> Exchanges = {"5",  "12",         " 7",          "5B",
                                            "abc", "-3",         "2147483647", "-2147483648",
                                            "",   "99999999999"};

// std::mt19937 is the same everywhere; the standard distributions are not.
class Draw {
public:
    explicit Draw(uint32_t seed) : engine_(seed) {}
    std::size_t below(std::size_t n) { return engine_() % n; }
    template <typename T>
    const T& from(const std::vector<T>& pool)
    {
        return pool[below(pool.size())];
    }

private:
    std::mt19937 engine_;
};

CInfo randomContact(Draw& draw)
{
    CInfo c;
    c.Call = draw.from(Calls);
    c.Band = draw.from(Bands);
    c.Mode = draw.from(Modes);
    c.Time = DateRecord::make(draw.from(Times));
    c.ExchRcvd = draw.from(Exchanges);
    return c;
}

// The tallies counted afresh from the stored contacts, as the running ones must stand after any
// sequence of additions, removals and resets.
BandTallies recounted(const ContactArray& contacts)
{
    BandTallies tallies;
    for (const CInfo& contact : contacts) {
        tallies.count(contact);
    }
    return tallies;
}

TEST(BandTallies, SummaryEqualsAFullRecountAfterEveryStep)
{
    for (const uint32_t seed : {1u, 2u, 3u}) {
        Draw draw(seed);
        ContactArray contacts;
        BandList bands;
        BandTallies tallies;
        for (std::size_t step = 0; step < 3000; ++step) {
            // Phases of mostly adding and mostly removing, so bands fill and empty again.
            const bool filling = (step / 300) % 2 == 0;
            const std::size_t roll = draw.below(100);
            std::string op;
            if (roll < 1) {
                clearStore(contacts, bands, tallies);
                op = "reset";
            } else if (roll < (filling ? 70u : 25u)) {
                CInfo contact = randomContact(draw);
                if (!contacts.empty() && draw.below(4) == 0) {
                    contact = contacts[draw.below(contacts.size())];
                }
                op = "add " + contact.Call + "|" + contact.Band + "|" + contact.ExchRcvd;
                addContact(contacts, bands, tallies, contact);
            } else {
                CInfo key = randomContact(draw);
                if (!contacts.empty() && draw.below(4) != 0) {
                    key = contacts[draw.below(contacts.size())];
                }
                op = "remove " + key.Call + "|" + key.Band + "|" + key.Mode;
                removeContact(contacts, tallies, key);
            }
            BandList recountedBands = bands;
            const ScoreSummary summary =
                buildScoreSummary(tallies, contacts.size(), bands, "d", "c");
            const ScoreSummary expected =
                buildScoreSummary(recounted(contacts), contacts.size(), recountedBands, "d", "c");
            ASSERT_EQ(summary.text, expected.text)
                << "seed " << seed << ", step " << step << ": " << op;
        }
    }
}

}  // namespace
