// A logger's ADIF export as the driver takes it in: the contacts in file order, the station's
// callsign, and one message for every record repaired or skipped.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "adif_contact.h"

struct LoadedLog {
    std::vector<LogContact> contacts;
    std::string stationCall;  // STATION_CALLSIGN, else OPERATOR, of the first record with one
    std::size_t skipped = 0;
    std::vector<std::string> messages;  // "record N ..." lines
};

LoadedLog loadLogText(const std::string& bytes);

// False with a one-line reason when the file cannot be read.
bool loadLogFile(const std::string& path, LoadedLog& log, std::string& error);
