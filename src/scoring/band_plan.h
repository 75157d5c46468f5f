// The amateur band plan: which band holds a frequency, where a band begins, and the band names
// the host and ADIF logs use (the host writes the metre bands as a bare number: "160", "2").
#pragma once

#include <string>

// The host's band text for an ADIF band in either case: metres as a bare number ("160m" ->
// "160"), other bands as ADIF writes them ("70CM" -> "70cm"). Empty when it is none.
std::string hostBand(const std::string& adifBand);

// The ADIF name of a host band: a bare number is metres ("160" -> "160m"), others as they are.
std::string adifBandName(const std::string& hostBand);

// The band holding the frequency, in the host's text; empty when no band does. Both edges
// belong to the band.
std::string bandOfFrequency(unsigned hz);

// The lower edge of a host band in Hz; 0 for a band beyond the host's 32-bit frequencies.
unsigned bandLowerEdgeHz(const std::string& band);

// Whether a host band is one of this contest's: 160, 80, 40, 20, 15 and 10 m, no WARC band.
bool isContestBand(const std::string& hostBand);

// This contest's bands as a reader is told them: "160, 80, 40, 20, 15, 10".
std::string contestBandsText();
