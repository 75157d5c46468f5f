// The summary from the running band tallies against a full recount of the stored contacts,
// after every step of seeded random sequences of additions, removals and resets.
#include "scoring/band_tallies.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "scoring/contact_store.h"
#include "scoring/exchange_points.h"
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

std::string decimal(uint32_t bits)
{
    return std::to_string(static_cast<int32_t>(bits));
}

// The summary as it was built before the tallies: every contact visited for every band.
ScoreSummary recountedSummary(const ContactArray& contacts, const BandList& bands)
{
    std::string text = "VESTAR CUP d \r\n  Contestant: c\r\nBand\tQSOs\tPoints\r\n";
    int64_t total = 0;
    for (const std::string& band : bands) {
        uint32_t qsos = 0;
        int64_t points = 0;
        for (const CInfo& contact : contacts) {
            if (contact.Band == band && !contact.Call.empty()) {
                qsos += 1;
                points += exchangePoints(contact.ExchRcvd);
            }
        }
        text += band + "\t " + decimal(qsos) + "\t " + std::to_string(saturatedPoints(points)) +
                "\r\n";
        total += points;
    }
    const int32_t score = saturatedPoints(total);
    text += "Total\t " + std::to_string(contacts.size()) + "\t " + std::to_string(score) +
            "\r\n";
    text += "\r\nScore:  " + std::to_string(score) + "\r\nCreated by Gremik 2014.";
    return {text, score};
}

TEST(BandTallies, SummaryEqualsAFullRecountAfterEveryStep)
{
    for (const uint32_t seed : {1u, 2u, 3u}) {
        Draw draw(seed);
        ContactArray contacts;
        BandList bands;
        BandTallies tallies;
        std::size_t duplicates = 0;
        std::size_t unmatched = 0;
        std::size_t emptied = 0;
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
                    ++duplicates;
                }
                op = "add " + contact.Call + "|" + contact.Band + "|" + contact.ExchRcvd;
                addContact(contacts, bands, tallies, contact);
            } else {
                CInfo key = randomContact(draw);
                if (!contacts.empty() && draw.below(4) != 0) {
                    key = contacts[draw.below(contacts.size())];
                }
                const std::size_t before = tallies.of(key.Band).qsos;
                op = "remove " + key.Call + "|" + key.Band + "|" + key.Mode;
                if (!removeContact(contacts, tallies, key)) {
                    ++unmatched;
                } else if (before == 1 && !key.Call.empty()) {
                    ++emptied;
                }
            }
            const ScoreSummary summary =
                buildScoreSummary(tallies, contacts.size(), bands, "d", "c");
            const ScoreSummary expected = recountedSummary(contacts, bands);
            ASSERT_EQ(summary.text, expected.text)
                << "seed " << seed << ", step " << step << ": " << op;
            ASSERT_EQ(summary.score, expected.score) << "seed " << seed << ", step " << step;
        }
        EXPECT_GT(duplicates, 0u) << "seed " << seed;
        EXPECT_GT(unmatched, 0u) << "seed " << seed;
        EXPECT_GT(emptied, 0u) << "seed " << seed;
    }
}

}  // namespace
