// The QSO line in fixed columns, padded but never cut.
#include "cabrillo/qso_line.h"

namespace {

std::string padLeft(const std::string& text, std::size_t width)
{
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

std::string padRight(const std::string& text, std::size_t width)
{
    return text.size() < width ? text + std::string(width - text.size(), ' ') : text;
}

}  // namespace

std::string cabrilloMode(const std::string& mode)
{
    if (mode == "CW") {
        return "CW";
    }
    if (mode == "SSB") {
        return "PH";
    }
    return "PM";
}

std::string oneLine(std::string text)
{
    for (char& c : text) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return text;
}

std::string formatQsoLine(const QsoFields& f)
{
    std::string line = "QSO: ";
    line += padLeft(std::to_string(f.freqKHz), 5) + " ";
    line += padLeft(oneLine(f.mode), 2) + " ";
    line += formatDateRecord(f.time, "%Y-%m-%d %H%M") + " ";
    line += padRight(oneLine(f.ownCall), 13) + " ";
    line += padRight(oneLine(f.rstSent), 3) + " ";
    line += padRight(oneLine(f.exchSent), 6) + " ";
    line += padRight(oneLine(f.call), 13) + " ";
    line += padRight(oneLine(f.rstRcvd), 3) + " ";
    line += oneLine(f.exchRcvd) + "\r\n";
    return line;
}
