// One contact as a Cabrillo QSO line, and the texts that go into its columns.
#pragma once

#include <cstdint>
#include <string>

#include "cabrillo/qso_columns.h"
#include "scoring/ole_date.h"

// "CW" for exactly "CW", "PH" for exactly "SSB", "PM" for anything else.
std::string cabrilloMode(const std::string& mode);

// The text with every CR and LF made a blank: a value from the host or the settings file must
// stay on its own line of the file.
std::string oneLine(std::string text);

struct QsoFields {
    std::string call;  // the worked station
    int32_t freqKHz = 0;
    std::string mode;  // already the Cabrillo mode
    DateRecord time;
    std::string ownCall;
    std::string rstSent;
    std::string exchSent;
    std::string rstRcvd;
    std::string exchRcvd;
};

// The QSO line by qsoColumns(), CR LF ended: "QSO: %5i %2s %s %s %-13s %-3s %-6s %-13s %-3s %s".
// A field wider than its column moves the rest of the line, it is never cut.
std::string formatQsoLine(const QsoFields& fields);
