// The per-band figures of the score summary, kept up to date as contacts come and go, so that
// a result request never has to visit the contacts.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "scoring/cinfo.h"

// The count is kept unsigned, as the host's 32-bit count wraps; the points are summed exactly
// in 64 bits (no log holds the 2^32 contacts that could fill them), so taking a contact back
// out undoes its addition exactly, and the summary holds the sums at the 32-bit limits.
struct BandTally {
    uint32_t qsos = 0;
    int64_t points = 0;
};

// The scoring contacts (those with a Call) of each band text, compared exactly.
class BandTallies {
public:
    void count(const CInfo& contact);
    // Takes back what count added for a contact with the same Call, Band and ExchRcvd.
    void uncount(const CInfo& contact);
    // Gives the storage back too.
    void clear();
    // Zero for a band with no scoring contact.
    BandTally of(const std::string& band) const;

private:
    std::unordered_map<std::string, BandTally> tallies_;
};
