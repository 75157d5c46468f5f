// The module's Cabrillo log object: the header record the operator confirms and the QSO lines
// of the export.
#pragma once

#include <string>
#include <vector>

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
};
