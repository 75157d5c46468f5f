// What an ADIF record means to the host: the contact it reports to the plug-in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "input/adif_reader.h"
#include "host_calls.h"

// ADIF dates start in 1930; an earlier one is a logger's fault, never a contact.
constexpr int EarliestAdifYear = 1930;

struct LogContact {
    std::size_t record = 0;  // the ADIF record number
    HostContact host;
    DateTimeParts when;  // UTC, as logged
};

// The contact's place in time, in seconds: the order to replay a log in. The host's date value
// will not do, as it runs backwards inside a day before 30 December 1899.
int64_t timeOrderKey(const LogContact& contact);

// The host's texts: the callsign upper case and trimmed, the mode by hostMode, a frequency
// for every contact. False with the reason when the record has no callsign, no valid date and
// time, or no band to be found; what was repaired or disagrees is added to repairs.
bool contactFromAdif(const AdifRecord& record, LogContact& contact, std::string& error,
                     std::vector<std::string>& repairs);

// A callsign as the host hands it: upper case, no blanks around it.
std::string hostCallsign(const std::string& call);

// The host's mode names: SSB for SSB, USB and LSB (whatever the submode), others upper case.
std::string hostMode(const std::string& mode, const std::string& submode);

// Exact conversion of a frequency in MHz written as decimal text; false for anything but
// digits with at most one point, or a value the host's 32-bit Hz cannot hold. Digits below
// 1 Hz are dropped.
bool frequencyHzFromMHz(const std::string& text, unsigned& hz);
