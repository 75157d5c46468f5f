// The base name of the Cabrillo file, derived from the station callsign.
#pragma once

#include <string>

// Always a plain file name in the current folder on either system: no folder separators, no
// characters Windows refuses or reads as a stream, never a device name; "QQLOG" when the
// callsign gives nothing.
std::string cabrilloFileBase(const std::string& callsign);
