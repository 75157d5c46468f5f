// The module's Cabrillo log object: the header record the operator confirms and the QSO lines
// of the export.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "cabrillo/settings.h"
#include "scoring/ole_date.h"

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

    // Formats one QSO line, with Callsign in the own-call column, and appends it to QsoLines.
    void AddQso(const std::string& call, int32_t freqKHz, const std::string& mode,
                const DateRecord& time, const std::string& rstSent,
                const std::string& exchSent, const std::string& rstRcvd,
                const std::string& exchRcvd);
    // Writes FileBase + ".cbr" in the current folder: the header with claimedScore and the
    // host's version, QsoLines, the end marker. Returns the report for the operator; on a
    // failure the file of that name, if any, is as it was.
    std::string WriteLog(int32_t claimedScore) const;

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

private:
    // Whether Address and SoapBox are in file form: true once a dialog was confirmed, false
    // from the loading of a header until then. Only file form marks its breaks with the tag,
    // so a loaded line that itself begins with the tag is text, not a break.
    bool multiLineFileForm_ = true;
};
