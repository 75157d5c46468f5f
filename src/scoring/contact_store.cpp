// The contact store: linear walks in store order, as the log is small and order matters.
#include "scoring/contact_store.h"

#include <algorithm>

namespace {

bool sameStationBandMode(const CInfo& stored, const CInfo& key)
{
    return stored.Call == key.Call && stored.Mode == key.Mode && stored.Band == key.Band;
}

}  // namespace

void addContact(ContactArray& contacts, BandList& bands, const CInfo& contact)
{
    if (std::find(bands.begin(), bands.end(), contact.Band) == bands.end()) {
        bands.push_back(contact.Band);
    }
    contacts.push_back(contact);
}

bool removeContact(ContactArray& contacts, const CInfo& key)
{
    // Prefer the contact logged at the very time the host deletes: removing an earlier
    // contact of the same station would leave the deleted one's time and exchange behind.
    auto match = std::find_if(contacts.begin(), contacts.end(), [&key](const CInfo& stored) {
        return sameStationBandMode(stored, key) && stored.Time == key.Time;
    });
    if (match == contacts.end()) {
        match = std::find_if(contacts.begin(), contacts.end(), [&key](const CInfo& stored) {
            return sameStationBandMode(stored, key);
        });
    }
    if (match == contacts.end()) {
        return false;
    }
    contacts.erase(match);
    return true;
}

void clearStore(ContactArray& contacts, BandList& bands)
{
    // Release the storage too, not just the elements: a new log starts from nothing.
    ContactArray().swap(contacts);
    BandList().swap(bands);
}
