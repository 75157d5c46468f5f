// The contest result text: a line per band with its scoring contacts and points, and the score.
#pragma once

#include <cstdint>
#include <string>

#include "scoring/contact.h"

struct ScoreSummary {
    std::string text;
    int32_t score;
};

// Reorders the bands (see orderBands) and builds the summary from them. bands holds the band of
// every stored contact exactly once, as the store keeps it. A contact scores on its band's line
// when its Call is not empty; the total line counts all contacts. Sums wrap as 32-bit two's
// complement.
ScoreSummary buildScoreSummary(const ContactArray& contacts, BandList& bands,
                               const std::string& dateText, const std::string& callsign);
