// The order in which the score summary lists the bands.
#pragma once

#include "scoring/contact.h"

// Descending order of the band texts left-padded with '0' to 20 bytes (longer texts as they
// are), compared as unsigned bytes: digit-only names come out in descending numeric order.
// Entries with equal padded texts end up exactly where the summary has always put them,
// which is not necessarily their original relative order.
void orderBands(BandList& bands);
