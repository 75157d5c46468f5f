// Band tallies: a contact's points are read from its received exchange on the way in and
// again on the way out; the text is the same, so the value is too.
#include "scoring/band_tallies.h"

#include "scoring/exchange_points.h"

void BandTallies::count(const CInfo& contact)
{
    if (contact.Call.empty()) {
        return;
    }
    BandTally& tally = tallies_[contact.Band];
    tally.qsos += 1;
    tally.points += exchangePoints(contact.ExchRcvd);
}

void BandTallies::uncount(const CInfo& contact)
{
    if (contact.Call.empty()) {
        return;
    }
    BandTally& tally = tallies_[contact.Band];
    tally.qsos -= 1;
    tally.points -= exchangePoints(contact.ExchRcvd);
}

void BandTallies::clear()
{
    std::unordered_map<std::string, BandTally>().swap(tallies_);
}

BandTally BandTallies::of(const std::string& band) const
{
    const auto found = tallies_.find(band);
    return found != tallies_.end() ? found->second : BandTally{};
}
