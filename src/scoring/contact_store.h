// The plug-in's copy of the host's log: appending, removing and clearing contacts and bands,
// with the band tallies following every change. Texts compare exactly, byte for byte; nothing
// is trimmed or folded.
#pragma once

#include "scoring/band_tallies.h"
#include "scoring/contact.h"

// Appends the contact, and its band to the band list when no entry equals it yet.
void addContact(ContactArray& contacts, BandList& bands, BandTallies& tallies, CInfo contact);

// Removes the oldest contact equal to the key in Call, Mode, Band and all of Time; when there
// is none, the oldest equal in Call, Mode and Band. Bands are never removed. Returns whether
// a contact was removed.
bool removeContact(ContactArray& contacts, BandTallies& tallies, const CInfo& key);

void clearStore(ContactArray& contacts, BandList& bands, BandTallies& tallies);
