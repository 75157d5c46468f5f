// Cabrillo lint: the file's form, its header values against the Cabrillo 3.0 lists, its QSO
// lines, and the contest's repeat rule over them.
//
// Where robots differ, an error is what makes one reject the log or misread its lines (no
// START-OF-LOG or END-OF-LOG, an unknown tag, a value outside a list, a QSO line whose fields
// shift, a mode, band, date or time it cannot read); a warning is what one corrects or leaves
// to a human (an older list's value, a callsign it cannot match, lines out of time order, a
// long soapbox line, repeats and contacts outside the period, which cost points, not the log).
#include "lint_rules.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <utility>

#include "adif_contact.h"
#include "scoring/band_plan.h"
#include "cabrillo_lists.h"
#include "cabrillo_reader.h"
#include "log_audit.h"

namespace {

// This contest's QSO line has the fields of its column table (cabrillo/qso_columns.h).
constexpr std::size_t ContestLength = 32;
constexpr std::size_t SoapboxLength = 75;
// The highest frequency, in kHz, whose Hz the band plan can hold.
constexpr uint64_t HighestKHz = 4294967;

const char* const Blanks = " \t";

std::string upper(std::string text)
{
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

std::string trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string::npos) {
        return std::string();
    }
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

bool digitsOnly(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

bool callsignChars(const std::string& call)
{
    return !call.empty() &&
           call.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/") == std::string::npos;
}

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// YYYY-MM-DD naming a day of the calendar, and HHMM from 0000 to 2359.
bool readDateTime(const std::string& date, const std::string& time, DateTimeParts& parts)
{
    if (date.size() != 10 || date[4] != '-' || date[7] != '-' ||
        !digitsOnly(date.substr(0, 4) + date.substr(5, 2) + date.substr(8, 2)) ||
        time.size() != 4 || !digitsOnly(time)) {
        return false;
    }
    parts.year = std::stoi(date.substr(0, 4));
    parts.month = std::stoi(date.substr(5, 2));
    parts.day = std::stoi(date.substr(8, 2));
    parts.hour = std::stoi(time.substr(0, 2));
    parts.minute = std::stoi(time.substr(2, 2));
    double value = 0.0;
    DateTimeParts check;
    return parts.hour < 24 && parts.minute < 60 && makeOleDate(parts, value) &&
           breakDownOleDate(value, check) && check.month == parts.month &&
           check.day == parts.day;
}

std::string stamp(const DateTimeParts& parts)
{
    return formatDateParts(parts, "%Y-%m-%d %H%M");
}

class Linter {
public:
    explicit Linter(const ContestPeriod& period) : period_(period) {}

    LintReport run(const std::string& bytes)
    {
        if (bytes.empty()) {
            report_.unreadable = "the file is empty";
            return report_;
        }
        if (bytes.find('\0') != std::string::npos) {
            report_.unreadable = "not a text file (binary, or UTF-16)";
            return report_;
        }
        CabrilloLines lines(bytes);
        if (lines.byteOrderMark()) {
            error(1, "a byte-order mark before the first tag");
        }
        // A contact for each QSO line at most: reserved once rather than moved at every growth.
        std::size_t qsoTags = 0;
        for (std::size_t q = bytes.find("QSO:"); q != std::string::npos;
             q = bytes.find("QSO:", q + 4)) {
            ++qsoTags;
        }
        contacts_.reserve(qsoTags);
        CabrilloLine line;
        std::size_t number = 0;
        while (lines.next(line)) {
            number = line.number;
            readLine(line);
        }
        if (!started_ && report_.qsoLines == 0) {
            report_ = LintReport();
            report_.unreadable = "no START-OF-LOG: and no QSO: line; not a Cabrillo file";
            return report_;
        }
        if (endLine_ == 0) {
            error(number, "the log does not end with END-OF-LOG:");
        }
        if (!callsignSeen_) {
            error(0, "no CALLSIGN: line");
        }
        applyRules();
        std::stable_sort(report_.findings.begin(), report_.findings.end(),
                         [](const LintFinding& a, const LintFinding& b) {
                             return a.line < b.line;
                         });
        return report_;
    }

private:
    void error(std::size_t line, const std::string& message)
    {
        report_.findings.push_back({line, true, message});
        ++report_.errors;
    }

    void warning(std::size_t line, const std::string& message)
    {
        report_.findings.push_back({line, false, message});
        ++report_.warnings;
    }

    void readLine(const CabrilloLine& cabrilloLine)
    {
        const std::size_t number = cabrilloLine.number;
        const std::string& line = cabrilloLine.text;
        // Read as a line end, as robots read it, and named once.
        if (cabrilloLine.end == LineEnd::Cr && !loneCrReported_) {
            error(number, "a lone CR ends the line; lines end with CR LF or LF");
            loneCrReported_ = true;
        }
        if (line.find('\t') != std::string::npos) {
            error(number, "a tab; fields are separated by blanks");
        }
        const std::string text = trimmed(line);
        if (endLine_ != 0) {
            if (!text.empty() && !afterEndReported_) {
                error(number, "text after END-OF-LOG: (line " + std::to_string(endLine_) + ")");
                afterEndReported_ = true;
            }
            return;
        }
        if (text.empty()) {
            warning(number, "an empty line");
            return;
        }
        const std::string& tag = cabrilloLine.tag;
        if (number == 1 && tag != "START-OF-LOG") {
            error(1, "the first line is not START-OF-LOG: 3.0");
        }
        if (!cabrilloLine.tagged) {
            error(number, "no tag; every line is TAG: value");
            return;
        }
        tagLine(number, tag, trimmed(cabrilloLine.value));
    }

    void tagLine(std::size_t number, const std::string& tag, const std::string& value)
    {
        if (tag.compare(0, 2, "X-") == 0) {
            return;
        }
        switch (matchList(*cabrilloList("tags"), tag)) {
        case ListMatch::None:
            error(number, "unknown tag " + tag + ":");
            return;
        case ListMatch::Older:
            warning(number, tag + ": is a tag of an earlier Cabrillo version");
            return;
        case ListMatch::Current:
            break;
        }
        if (tag == "QSO") {
            qsoLine(number, value);
        } else if (tag == "START-OF-LOG") {
            startLine(number, value);
        } else if (tag == "END-OF-LOG") {
            endLine_ = number;
        } else if (tag == "CALLSIGN") {
            callsignSeen_ = true;
            if (value.empty()) {
                error(number, "CALLSIGN: has no value");
            } else if (!callsignChars(value)) {
                warning(number, "CALLSIGN: " + quoted(value) + " is not A-Z, 0-9 and / only");
            }
        } else if (tag == "CONTEST") {
            if (value.empty() || value.size() > ContestLength ||
                upper(value).find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-") !=
                    std::string::npos) {
                error(number, "CONTEST: " + quoted(value) +
                                  " is not 1 to 32 characters of A-Z, 0-9 and -");
            }
        } else if (tag == "CLAIMED-SCORE") {
            if (!value.empty() && !digitsOnly(value)) {
                warning(number, "CLAIMED-SCORE: " + quoted(value) + " is not a plain integer");
            }
        } else if (tag == "SOAPBOX") {
            if (value.size() > SoapboxLength) {
                warning(number, "SOAPBOX: line of " + std::to_string(value.size()) +
                                    " characters; robots keep 75");
            }
        } else if (const CabrilloList* list = cabrilloList(tag)) {
            listValue(number, *list, value);
        }
    }

    void startLine(std::size_t number, const std::string& value)
    {
        if (number != 1) {
            error(number, "START-OF-LOG: is not the first line");
        }
        started_ = true;
        if (value == "3.0") {
            return;
        }
        const bool version = value.size() >= 3 && digitsOnly(value.substr(0, 1)) &&
                             value.find_first_not_of("0123456789.") == std::string::npos;
        if (version) {
            warning(number, "START-OF-LOG: " + value + "; checked as 3.0");
        } else {
            error(number, "START-OF-LOG: " + quoted(value) + " is no version number");
        }
    }

    void listValue(std::size_t number, const CabrilloList& list, const std::string& value)
    {
        const std::string tag = list.name;
        if (value.empty()) {
            // The plug-in writes CATEGORY-OVERLAY: empty when there is none; an optional
            // category left empty is one not given.
            if (list.required) {
                error(number, tag + ": has no value; one of " + listedValues(list));
            }
            return;
        }
        switch (matchList(list, value)) {
        case ListMatch::Current:
            return;
        case ListMatch::Older:
            warning(number, tag + ": " + quoted(value) + " is from an earlier list; now one of " +
                                listedValues(list));
            return;
        case ListMatch::None:
            error(number, tag + ": " + quoted(value) + " is not one of " + listedValues(list));
            return;
        }
    }

    // The band the frequency field names, in the band plan's terms; empty when none.
    std::string bandOf(std::size_t number, const std::string& frequency)
    {
        if (digitsOnly(frequency) && frequency.size() <= 10) {
            const uint64_t kHz = std::stoull(frequency);
            if (kHz == 0) {
                error(number, "frequency 0");
                return std::string();
            }
            if (kHz > HighestKHz) {
                warning(number, "frequency " + frequency +
                                    " kHz is above the bands checked here; 10G and up are "
                                    "written as band tokens");
                return std::string();
            }
            const std::string band = bandOfFrequency(static_cast<unsigned>(kHz * 1000));
            if (!band.empty()) {
                return band;
            }
        }
        if (matchList(*cabrilloList("QSO band"), frequency) == ListMatch::Current) {
            // A band token from 50 MHz up: the band plan names those it holds.
            if (digitsOnly(frequency)) {
                return bandOfFrequency(static_cast<unsigned>(std::stoul(frequency) * 1000000));
            }
            return upper(frequency);
        }
        error(number, "frequency " + quoted(frequency) +
                          " is neither kHz on an amateur band nor a band token (" +
                          listedValues(*cabrilloList("QSO band")) + ")");
        return std::string();
    }

    void qsoLine(std::size_t number, const std::string& value)
    {
        ++report_.qsoLines;
        const std::vector<std::string> fields = qsoWords(value);
        const std::string band =
            fields.empty() ? std::string() : bandOf(number, fields[FrequencyColumn]);
        const CabrilloList& modes = *cabrilloList("QSO mode");
        const bool hasMode = fields.size() > ModeColumn;
        const bool modeRead = hasMode && matchList(modes, fields[ModeColumn]) != ListMatch::None;
        if (hasMode && !modeRead) {
            error(number, "mode " + quoted(fields[ModeColumn]) + " is not one of " +
                              listedValues(modes));
        }
        DateTimeParts when;
        bool dated = false;
        if (fields.size() > TimeColumn) {
            dated = readDateTime(fields[DateColumn], fields[TimeColumn], when);
            if (!dated) {
                error(number, "date and time " +
                                  quoted(fields[DateColumn] + " " + fields[TimeColumn]) +
                                  " are not YYYY-MM-DD and 0000 to 2359");
            }
        }
        if (dated) {
            timeChecks(number, when);
        }
        if (fields.size() != QsoColumnCount) {
            error(number, std::to_string(fields.size()) + " fields where this contest has " +
                              std::to_string(QsoColumnCount) +
                              ": frequency, mode, date, time, then callsign, report and "
                              "exchange sent and received");
            return;
        }
        for (std::size_t field : {OwnCallColumn, CallColumn}) {
            if (!callsignChars(fields[field])) {
                warning(number, "callsign " + quoted(fields[field]) +
                                    " is not A-Z, 0-9 and / only");
            }
        }
        if (dated && !band.empty()) {
            LogContact contact;
            contact.record = number;
            contact.host.call = fields[CallColumn];
            contact.host.band = band;
            contact.host.mode = upper(fields[ModeColumn]);
            contact.when = when;
            double time = 0.0;
            makeOleDate(when, time);
            contact.host.time = DateRecord::make(time);
            contacts_.push_back(std::move(contact));
        }
    }

    void timeChecks(std::size_t number, const DateTimeParts& when)
    {
        const int64_t minutes = minutesSinceOleEpoch(when);
        if (previousLine_ != 0 && minutes < previousMinutes_) {
            warning(number, "earlier than line " + std::to_string(previousLine_) + " before it (" +
                                stamp(previous_) + ")");
        }
        previousLine_ = number;
        previousMinutes_ = minutes;
        previous_ = when;
        if (period_.given) {
            const int64_t start = minutesSinceOleEpoch(period_.start);
            const int64_t end = start + int64_t{period_.hours} * 60;
            if (minutes < start || minutes >= end) {
                DateTimeParts last = period_.start;
                double value = 0.0;
                makeOleDate(last, value);
                breakDownOleDate(value + period_.hours / 24.0, last);
                warning(number, stamp(when) + " is outside the contest period " +
                                    stamp(period_.start) + " to " + stamp(last) + " UTC");
            }
        }
    }

    // The contest's repeat rule, replayed as the plug-in would have judged each contact.
    void applyRules()
    {
        for (const AuditFinding& finding : auditLog(contacts_)) {
            const LogContact& earlier = contacts_[finding.earlier];
            warning(contacts_[finding.contact].record,
                    findingText(finding,
                                contactText("line " + std::to_string(earlier.record), earlier)));
        }
    }

    const ContestPeriod& period_;
    LintReport report_;
    std::vector<LogContact> contacts_;
    bool started_ = false;
    bool callsignSeen_ = false;
    std::size_t endLine_ = 0;
    bool afterEndReported_ = false;
    bool loneCrReported_ = false;
    std::size_t previousLine_ = 0;
    int64_t previousMinutes_ = 0;
    DateTimeParts previous_;
};

}  // namespace

LintReport lintCabrillo(const std::string& bytes, const ContestPeriod& period)
{
    return Linter(period).run(bytes);
}
