// The contest result text: a line per band with its scoring contacts and points, and the score.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "scoring/band_tallies.h"
#include "scoring/contact.h"

struct ScoreSummary {
    std::string text;
    int32_t score;
};

// Reorders the bands (see orderBands) and builds the summary from them and their tallies,
// without visiting the contacts: the total line counts all contactCount stored contacts, the
// band lines only the scoring ones the tallies hold. Point sums are held at the 32-bit limits
// (the host's plain int sum would overflow); the contact count wraps as a 32-bit count.
ScoreSummary buildScoreSummary(const BandTallies& tallies, std::size_t contactCount,
                               BandList& bands, const std::string& dateText,
                               const std::string& callsign);
