// The per-band figures of the score summary, kept up to date as contacts come and go, so that
// a result request never has to visit the contacts.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "scoring/cinfo.h"

// Sums are kept unsigned so that overflow wraps as the host's 32-bit arithmetic does, and
// taking a contact back out undoes its addition exactly.
struct BandTally {
    uint32_t qsos = 0;
    uint32_t points = 0;
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
