// The module's Cabrillo log object: the header record the operator confirms and the QSO lines
// of the export.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scoring/ole_date.h"

class CCabrilloWriter {
public:
    std::string Callsign;
    std::string FileBase;
    std::string Operators;
    std::string Name;
    std::string Address;
    std::string AddressCity;
    std::string AddressPostalCode;
    std::string AddressCountry;
    std::string Claimed;
    std::string Contest;
    std::string CategoryOperator;
    std::string CategoryBand;
    std::string CategoryPower;
    std::string CategoryMode;
    std::string CategoryOverlay;
    std::string Email;
    std::string Club;
    std::string SoapBox;

    std::vector<std::string> QsoLines;

    // Formats one QSO line, with Callsign in the own-call column, and appends it to QsoLines.
    void AddQso(const std::string& call, int32_t freqKHz, const std::string& mode,
                const DateRecord& time, const std::string& rstSent,
                const std::string& exchSent, const std::string& rstRcvd,
                const std::string& exchRcvd);
    // Writes FileBase + ".cbr" in the current folder: the header with claimedScore and the
    // host's version, QsoLines, the end marker. Returns the report for the operator; on a
    // failure the file of that name, if any, is as it was.
    std::string WriteLog(int32_t claimedScore) const;
};
