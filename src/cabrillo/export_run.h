// The Cabrillo export of a result request: every stored contact as a QSO line, the file, the
// report to the operator.
#pragma once

#include <cstdint>
#include <string>

#include "cabrillo/cabrillo_writer.h"
#include "scoring/contact.h"

// Replaces the writer's QSO lines by one line per contact, in store order, and writes the
// file with claimedScore. Returns the report text.
std::string exportContacts(const ContactArray& contacts, CCabrilloWriter& writer,
                           int32_t claimedScore);

// The whole run: exports, shows the report in a box the operator closes, then hands -1 back
// through scorePointer (when not null) to say the file was the result.
void runCabrilloExport(const ContactArray& contacts, CCabrilloWriter& writer,
                       int32_t claimedScore, int* scorePointer);
