// The contact store: linear walks in store order, as order decides which contact goes.
#include "scoring/contact_store.h"

#include <algorithm>
#include <utility>

void addContact(ContactArray& contacts, BandList& bands, BandTallies& tallies, CInfo contact)
{
    if (std::find(bands.begin(), bands.end(), contact.Band) == bands.end()) {
        bands.push_back(contact.Band);
    }
    tallies.count(contact);
    contacts.push_back(std::move(contact));
}

bool removeContact(ContactArray& contacts, BandTallies& tallies, const CInfo& key)
{
    // Prefer the contact logged at the very time the host deletes: removing an earlier
    // contact of the same station would leave the deleted one's time and exchange behind.
    // One pass finds both the oldest such contact and the oldest of station, band and mode.
    constexpr std::size_t None = static_cast<std::size_t>(-1);
    std::size_t oldestSameTime = None;
    std::size_t oldest = None;
    contacts.forEachWithCall(key.Call, [&](std::size_t position, const CInfo& stored) {
        if (stored.Mode != key.Mode || stored.Band != key.Band) {
            return true;
        }
        if (oldest == None) {
            oldest = position;
        }
        if (stored.Time == key.Time) {
            oldestSameTime = position;
            return false;
        }
        return true;
    });
    const std::size_t match = oldestSameTime != None ? oldestSameTime : oldest;
    if (match == None) {
        return false;
    }
    tallies.uncount(contacts[match]);
    contacts.erase(match);
    return true;
}

void clearStore(ContactArray& contacts, BandList& bands, BandTallies& tallies)
{
    // Release the storage too, not just the elements: a new log starts from nothing.
    contacts.clear();
    BandList().swap(bands);
    tallies.clear();
}
