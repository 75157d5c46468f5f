// The module's Cabrillo log object: the header record the operator confirms and the QSO lines
// of the export.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cabrillo/settings.h"

namespace platform {
struct HeaderDialogTexts;
}

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

    // Shows the header dialog; true when the operator confirmed it with OK. The plug-in passes
    // the platform's dialog, tests a scripted one.
    using HeaderDialog = std::function<bool(platform::HeaderDialogTexts&)>;

    // Loads the header from the settings and shows it in the dialog; on OK saves it back and
    // puts it into file form. 1 when confirmed with OK, otherwise 0.
    int SetupHeader(const std::string& callsign, const SettingsLocation& settings,
                    const HeaderDialog& dialog);

    // source with every occurrence of search (never empty) replaced; text that was inserted
    // is not searched again.
    static std::string ReplaceAll(const std::string& source, const std::string& search,
                                  const std::string& replacement);
};
