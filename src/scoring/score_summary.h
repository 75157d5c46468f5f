// The contest result text: a line per band with its scoring contacts and points, and the score.
#pragma once

#include <cstdint>
#include <string>

#include "scoring/contact.h"

struct ScoreSummary {
    std::string text;
    int32_t score;
};

// Reorders the bands (see orderBands) and builds the summary from them. A contact scores on
// every band line whose text equals its band, when its Call is not empty; the total line
// counts all contacts. Sums wrap as 32-bit two's complement.
ScoreSummary buildScoreSummary(const ContactArray& contacts, BandList& bands,
                               const std::string& dateText, const std::string& callsign);
