// The Cabrillo file: every header line, tagged, then the QSO lines and the end marker.
#include "cabrillo/cabrillo_writer.h"

#include <map>

#include "cabrillo/contest_name.h"
#include "cabrillo/header_fields.h"
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

// A soapbox or address may span lines in any of the forms the record can hold: the stored
// markers "<CR>" and "<LF>", raw line breaks, and, in file form, the break of a confirmed
// dialog ("\r\n" + tag + ": "). Each line becomes a tagged line of its own; "<LF>" only ever
// follows a break.
void addLines(std::string& file, const char* tag, const std::string& value, bool fileForm)
{
    const std::string fileFormBreak = std::string("\r\n") + tag + ": ";
    std::string line;
    for (std::size_t i = 0; i < value.size();) {
        if (fileForm && value.compare(i, fileFormBreak.size(), fileFormBreak) == 0) {
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
    // The lines that belong to the log rather than to a header field, by line number.
    std::map<int, std::string> header = {{1, "START-OF-LOG: 3.0\r\n"}};
    addLine(header[2], "CONTEST", ContestName);
    addLine(header[9], "CLAIMED-SCORE", std::to_string(claimedScore));
    addLine(header[11], "CREATED-BY", "Ravo " + hostVersionText());
    for (const HeaderField& field : headerFields()) {
        const std::string& value = this->*field.field;
        if (field.tag == nullptr) {
            continue;
        }
        if (field.spansLines) {
            addLines(header[field.line], field.tag, value, multiLineFileForm_);
        } else {
            addLine(header[field.line], field.tag, value);
        }
    }
    std::string file;
    for (const auto& line : header) {
        file += line.second;
    }
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
