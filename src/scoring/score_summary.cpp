// Builds the summary text in one pass over the contacts, however many bands there are.
#include "scoring/score_summary.h"

#include <map>

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

// Keyed by band text, so a band listed twice reads the same tally on both of its lines.
std::map<std::string, BandTally> tallyBands(const ContactArray& contacts, const BandList& bands)
{
    std::map<std::string, BandTally> tallies;
    for (const std::string& band : bands) {
        tallies.emplace(band, BandTally());
    }
    for (const CInfo& contact : contacts) {
        if (contact.Call.empty()) {
            continue;
        }
        const auto found = tallies.find(contact.Band);
        if (found == tallies.end()) {
            continue;
        }
        found->second.qsos += 1;
        found->second.points += static_cast<uint32_t>(exchangePoints(contact.ExchRcvd));
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
    const std::map<std::string, BandTally> tallies = tallyBands(contacts, bands);
    uint32_t total = 0;
    for (const std::string& band : bands) {
        const BandTally& tally = tallies.at(band);
        text += band + "\t " + decimal(tally.qsos) + "\t " + decimal(tally.points) + "\r\n";
        total += tally.points;
    }
    const int32_t score = asInt32(total);
    const auto contactCount = static_cast<uint32_t>(contacts.size());
    text += "Total\t " + decimal(contactCount) + "\t " + decimal(total) + "\r\n";
    text += "\r\nScore:  " + std::to_string(score) + "\r\nCreated by Gremik 2014.";
    return {text, score};
}
