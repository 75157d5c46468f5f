// What a contact read well may still hide from its score or its Cabrillo line: a received
// exchange that is no plain integer, a missing report or exchange field, a band this contest
// does not use, a blank that would shift the line's columns.
#pragma once

#include <string>
#include <vector>

#include "input/adif_contact.h"

// One text per finding, naming the ADIF field; the contact still counts as the host counts it.
std::vector<std::string> contactWarnings(const AdifRecord& record, const LogContact& contact);
