// The QSO line laid out by the column table, padded but never cut.
#include "cabrillo/qso_line.h"

namespace {

std::string padded(const std::string& text, const QsoColumn& column)
{
    if (text.size() >= column.width) {
        return text;
    }
    const std::string padding(column.width - text.size(), ' ');
    switch (column.padding) {
    case QsoPadding::Left:
        return padding + text;
    case QsoPadding::Right:
        return text + padding;
    case QsoPadding::None:
        break;
    }
    return text;
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
    QsoColumnValues values;
    values[FrequencyColumn] = std::to_string(f.freqKHz);
    values[ModeColumn] = oneLine(f.mode);
    // Date and time come from one formatting, so a null date is one empty field and an
    // invalid one the host's "Invalid DateTime", as the host's own formatting writes them.
    const std::string when = formatDateRecord(f.time, "%Y-%m-%d %H%M");
    const std::size_t blank = when.find(' ');
    values[DateColumn] = when.substr(0, blank);
    const bool split = blank != std::string::npos;
    values[TimeColumn] = split ? when.substr(blank + 1) : std::string();
    values[OwnCallColumn] = oneLine(f.ownCall);
    values[RstSentColumn] = oneLine(f.rstSent);
    values[ExchSentColumn] = oneLine(f.exchSent);
    values[CallColumn] = oneLine(f.call);
    values[RstRcvdColumn] = oneLine(f.rstRcvd);
    values[ExchRcvdColumn] = oneLine(f.exchRcvd);
    std::string line = std::string(QsoLineTag) + ":";
    for (std::size_t i = 0; i < QsoColumnCount; ++i) {
        if (i == TimeColumn && !split) {
            continue;
        }
        line += " " + padded(values[i], qsoColumns()[i]);
    }
    return line + "\r\n";
}
