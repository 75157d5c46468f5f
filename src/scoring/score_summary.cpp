// Builds the summary text from the band list and the band tallies, so its cost does not grow
// with the log.
#include "scoring/score_summary.h"

#include "scoring/band_order.h"
#include "scoring/exchange_points.h"

namespace {

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

}  // namespace

ScoreSummary buildScoreSummary(const BandTallies& tallies, std::size_t contactCount,
                               BandList& bands, const std::string& dateText,
                               const std::string& callsign)
{
    std::string text = "VESTAR CUP " + dateText + " \r\n  Contestant: " + callsign +
                       "\r\nBand\tQSOs\tPoints\r\n";
    orderBands(bands);
    int64_t total = 0;
    for (const std::string& band : bands) {
        const BandTally tally = tallies.of(band);
        text += band + "\t " + decimal(tally.qsos) + "\t " +
                std::to_string(saturatedPoints(tally.points)) + "\r\n";
        total += tally.points;
    }
    const int32_t score = saturatedPoints(total);
    text += "Total\t " + decimal(static_cast<uint32_t>(contactCount)) + "\t " +
            std::to_string(score) + "\r\n";
    text += "\r\nScore:  " + std::to_string(score) + "\r\nCreated by Gremik 2014.";
    return {text, score};
}
