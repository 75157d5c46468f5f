// The Cabrillo file: every header line, tagged, then the QSO lines and the end marker.
#include "cabrillo/cabrillo_writer.h"

#include "cabrillo/host_version.h"
#include "cabrillo/qso_line.h"
#include "platform/platform.h"

namespace {

void addLine(std::string& file, const char* tag, const std::string& value)
{
    file += tag;
    file += ": ";
    file += oneLine(value);
    file += "\r\n";
}

// A soapbox or address may span lines in any of the forms the record can hold: the file form
// of a confirmed dialog ("\r\n" + tag + ": "), the stored markers "<CR>" and "<LF>", or raw
// line breaks. Each line becomes a tagged line of its own; "<LF>" only ever follows a break.
void addLines(std::string& file, const char* tag, const std::string& value)
{
    const std::string fileFormBreak = std::string("\r\n") + tag + ": ";
    std::string line;
    for (std::size_t i = 0; i < value.size();) {
        if (value.compare(i, fileFormBreak.size(), fileFormBreak) == 0) {
            i += fileFormBreak.size();
        } else if (value.compare(i, 4, "<CR>") == 0) {
            i += 4;
        } else if (value.compare(i, 4, "<LF>") == 0) {
            i += 4;
            continue;
        } else if (value.compare(i, 2, "\r\n") == 0) {
            i += 2;
        } else if (value[i] == '\r' || value[i] == '\n') {
            i += 1;
        } else {
            line += value[i++];
            continue;
        }
        addLine(file, tag, line);
        line.clear();
    }
    addLine(file, tag, line);
}

}  // namespace

void CCabrilloWriter::AddQso(const std::string& call, int32_t freqKHz, const std::string& mode,
                             const DateRecord& time, const std::string& rstSent,
                             const std::string& exchSent, const std::string& rstRcvd,
                             const std::string& exchRcvd)
{
    QsoFields fields;
    fields.call = call;
    fields.freqKHz = freqKHz;
    fields.mode = mode;
    fields.time = time;
    fields.ownCall = Callsign;
    fields.rstSent = rstSent;
    fields.exchSent = exchSent;
    fields.rstRcvd = rstRcvd;
    fields.exchRcvd = exchRcvd;
    QsoLines.push_back(formatQsoLine(fields));
}

std::string CCabrilloWriter::WriteLog(int32_t claimedScore) const
{
    std::string file = "START-OF-LOG: 3.0\r\n";
    addLine(file, "CONTEST", "RADIO-VSC");
    addLine(file, "CALLSIGN", Callsign);
    addLine(file, "CATEGORY-OPERATOR", CategoryOperator);
    addLine(file, "CATEGORY-BAND", CategoryBand);
    addLine(file, "CATEGORY-POWER", CategoryPower);
    addLine(file, "CATEGORY-MODE", CategoryMode);
    addLine(file, "CATEGORY-OVERLAY", CategoryOverlay);
    addLine(file, "CLAIMED-SCORE", std::to_string(claimedScore));
    addLine(file, "CLUB", Club);
    addLine(file, "CREATED-BY", "Ravo " + hostVersionText());
    addLine(file, "NAME", Name);
    addLines(file, "ADDRESS", Address);
    addLine(file, "ADDRESS-CITY", AddressCity);
    addLine(file, "ADDRESS-POSTALCODE", AddressPostalCode);
    addLine(file, "ADDRESS-COUNTRY", AddressCountry);
    addLine(file, "OPERATORS", Operators);
    addLine(file, "EMAIL", Email);
    addLines(file, "SOAPBOX", SoapBox);
    for (const std::string& line : QsoLines) {
        file += line;
    }
    file += "END-OF-LOG:\r\n";

    const std::string name = FileBase + ".cbr";
    if (!platform::writeWholeFile(name, file)) {
        return "File not produced: " + name;
    }
    return "File produced: " + name;
}
