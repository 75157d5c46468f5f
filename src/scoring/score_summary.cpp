// Builds the summary text in one pass over the contacts, however many bands there are.
#include "scoring/score_summary.h"

#include <unordered_map>

#include "scoring/band_order.h"
#include "scoring/exchange_points.h"

namespace {

// Sums are kept unsigned so that overflow wraps as the host's 32-bit arithmetic does.
struct BandTally {
    uint32_t qsos = 0;
    uint32_t points = 0;
};

int32_t asInt32(uint32_t bits)
{
    if (bits <= 0x7FFFFFFFu) {
        return static_cast<int32_t>(bits);
    }
    return static_cast<int32_t>(bits - 0x80000000u) + INT32_MIN;
}

std::string decimal(uint32_t bits)
{
    return std::to_string(asInt32(bits));
}

// The band list holds every stored band exactly once, so one pass over the contacts fills
// every band's tally; a band with no scoring contact reads as zero.
std::unordered_map<std::string, BandTally> tallyBands(const ContactArray& contacts)
{
    std::unordered_map<std::string, BandTally> tallies;
    for (const CInfo& contact : contacts) {
        if (contact.Call.empty()) {
            continue;
        }
        BandTally& tally = tallies[contact.Band];
        tally.qsos += 1;
        tally.points += static_cast<uint32_t>(exchangePoints(contact.ExchRcvd));
    }
    return tallies;
}

}  // namespace

ScoreSummary buildScoreSummary(const ContactArray& contacts, BandList& bands,
                               const std::string& dateText, const std::string& callsign)
{
    std::string text = "VESTAR CUP " + dateText + " \r\n  Contestant: " + callsign +
                       "\r\nBand\tQSOs\tPoints\r\n";
    orderBands(bands);
    std::unordered_map<std::string, BandTally> tallies = tallyBands(contacts);
    uint32_t total = 0;
    for (const std::string& band : bands) {
        const BandTally& tally = tallies[band];
        text += band + "\t " + decimal(tally.qsos) + "\t " + decimal(tally.points) + "\r\n";
        total += tally.points;
    }
    const int32_t score = asInt32(total);
    const auto contactCount = static_cast<uint32_t>(contacts.size());
    text += "Total\t " + decimal(contactCount) + "\t " + decimal(total) + "\r\n";
    text += "\r\nScore:  " + std::to_string(score) + "\r\nCreated by Gremik 2014.";
    return {text, score};
}
