// Cabrillo lint: the file's form, its header values against the Cabrillo 3.0 lists, its QSO
// lines, the header against the QSO lines, and the contest's repeat rule over them.
//
// Where robots differ, an error is what makes one reject the log or misread its lines (no
// START-OF-LOG or END-OF-LOG, no CALLSIGN or CATEGORY-OPERATOR, an unknown tag, a value outside
// a list, one tag with two values, a QSO line whose fields shift, a mode, band, date or time it
// cannot read); a warning is what one corrects or leaves to a human (an older list's value, a
// callsign it cannot match, lines out of time order, a long soapbox line, repeats and contacts
// outside the period or the contest's bands, which cost points, not the log, a claimed score
// or category it recomputes from the QSO lines). Each rule below says which, and why.
// A finding is one line of bounded length whatever the file holds.
#include "lint/lint_rules.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string_view>
#include <utility>

#include "cabrillo/contest_name.h"
#include "rules/repeat_rule.h"
#include "scoring/band_plan.h"
#include "scoring/exchange_points.h"
#include "cabrillo_input/cabrillo_lists.h"
#include "cabrillo_input/cabrillo_reader.h"
#include "cabrillo_input/qso_reading.h"
#include "input/plain_text.h"
#include "audit/repeat_audit.h"
#include "input/text_numbers.h"

namespace {

// This contest's QSO line has the fields of its column table (cabrillo/qso_columns.h).
constexpr std::size_t ContestLength = 32;
constexpr std::size_t SoapboxLength = 75;
// The longest call with a prefix and a suffix ("VP2V/GB100RSGB/P") is well under this.
constexpr std::size_t CallsignLength = 20;
// A value quoted in a finding keeps this many characters, a whole finding this many: a file
// line may be of any length.
constexpr std::size_t QuotedLength = 40;
constexpr std::size_t FindingLength = 400;
// The QSO lines a finding names by number before it only counts the rest.
constexpr std::size_t NamedLines = 3;

bool callsignChars(const std::string& call)
{
    return !call.empty() &&
           call.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/") == std::string::npos;
}

// The text cut to at most length bytes, "..." included, never inside a UTF-8 character.
std::string cut(const std::string& text, std::size_t length)
{
    if (text.size() <= length) {
        return text;
    }
    std::size_t end = length - 3;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        --end;
    }
    return text.substr(0, end) + "...";
}

std::string quoted(const std::string& text)
{
    return "\"" + cut(text, QuotedLength) + "\"";
}

// "-12" or "345": an integer a score may be, within 32 bits.
bool readScore(const std::string& text, int64_t& score)
{
    const std::size_t digits = text.compare(0, 1, "-") == 0 ? 1 : 0;
    if (!digitsOnly(text.substr(digits)) || text.size() > 11) {
        return false;
    }
    score = std::stoll(text);
    return score >= INT32_MIN && score <= INT32_MAX;
}

bool listed(const char* list, const std::string& value)
{
    return matchList(*cabrilloList(list), value) == ListMatch::Current;
}

// "20 m" for a metre band as the band plan names it, other bands as they are.
std::string bandName(const std::string& band)
{
    return band.find_first_not_of("0123456789.") == std::string::npos ? band + " m" : band;
}

// "11, 12, 14 and 2 more": the first lines of a finding that spans many.
std::string lineList(const std::vector<std::size_t>& lines, std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += (i == 0 ? "" : ", ") + std::to_string(lines[i]);
    }
    if (count > lines.size()) {
        text += " and " + std::to_string(count - lines.size()) + " more";
    }
    return text;
}

std::string stamp(const DateTimeParts& parts)
{
    return formatDateParts(parts, "%Y-%m-%d %H%M");
}

class Linter {
public:
    explicit Linter(const ContestPeriod& period) : period_(period) {}

    LintReport run(const CabrilloText& text)
    {
        text_ = &text;
        const std::string& bytes = text.bytes();
        if (bytes.empty()) {
            report_.unreadable = "the file is empty";
            return report_;
        }
        if (bytes.find('\0') != std::string::npos) {
            report_.unreadable = "not a text file (binary, or UTF-16)";
            return report_;
        }
        if (text.byteOrderMark()) {
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
        const std::size_t number = text.lineCount();
        for (std::size_t index = 0; index < number; ++index) {
            text.line(index, line);
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
        headerChecks();
        headerAgainstQsoLines();
        phoneAliasWarnings();
        applyRules();
        std::stable_sort(report_.findings.begin(), report_.findings.end(),
                         [](const LintFinding& a, const LintFinding& b) {
                             return a.line < b.line;
                         });
        return std::move(report_);  // a long log's findings are not copied
    }

private:
    void error(std::size_t line, const std::string& message)
    {
        report_.findings.push_back({line, true, cut(message, FindingLength)});
        ++report_.errors;
    }

    void warning(std::size_t line, const std::string& message)
    {
        report_.findings.push_back({line, false, cut(message, FindingLength)});
        ++report_.warnings;
    }

    // The first value of a single-valued header tag, or null when the file has none.
    const std::string* header(const std::string& tag) const
    {
        const auto found = headers_.find(tag);
        return found == headers_.end() ? nullptr : &found->second.second;
    }

    std::size_t headerLine(const std::string& tag) const
    {
        const auto found = headers_.find(tag);
        return found == headers_.end() ? 0 : found->second.first;
    }

    void readLine(const CabrilloLine& cabrilloLine)
    {
        const std::size_t number = cabrilloLine.number;
        const std::string& line = cabrilloLine.text;
        // Read as a line end and named once. Error: a robot that splits lines at LF reads a
        // file of lone CRs as one line, START-OF-LOG: holding the whole log, and rejects it.
        if (cabrilloLine.end == LineEnd::Cr && !loneCrReported_) {
            error(number, "a lone CR ends the line; lines end with CR LF or LF");
            loneCrReported_ = true;
        }
        if (line.find('\t') != std::string::npos) {
            // Warning: robots split a QSO line at any white space, so the fields still read.
            // Error in a header line: the tab stays in the value a robot compares.
            if (cabrilloLine.tag == QsoLineTag) {
                warning(number, "a tab between QSO fields; fields are separated by blanks");
            } else {
                error(number, "a tab; fields are separated by blanks");
            }
        }
        const bool blank = line.find_first_not_of(Blanks) == std::string::npos;
        if (endLine_ != 0) {
            // Warning: robots stop reading at END-OF-LOG:, so what follows is left out, never
            // misread (a mail signature, a second copy); a human sees whether it mattered.
            if (!blank && !afterEndReported_) {
                warning(number, "text after END-OF-LOG: (line " + std::to_string(endLine_) +
                                    "); robots do not read it");
                afterEndReported_ = true;
            }
            return;
        }
        if (blank) {
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
        // A QSO line is read word by word, blanks around it or not: no trimmed copy of each.
        if (tag == QsoLineTag) {
            tagLine(number, tag, cabrilloLine.value);
        } else {
            tagLine(number, tag, trimmed(cabrilloLine.value));
        }
    }

    void tagLine(std::size_t number, const std::string& tag, const std::string& value)
    {
        if (tag.compare(0, 2, "X-") == 0) {
            return;
        }
        // QSO lines are nearly all of a file: a current tag that may repeat, known without
        // looking it up in the lists.
        const bool qso = tag == QsoLineTag;
        const ListMatch known = qso ? ListMatch::Current : matchList(*cabrilloList("tags"), tag);
        if (known != ListMatch::None && !qso && !listed("repeatable tags", tag)) {
            singleValue(number, tag, value);
        }
        switch (known) {
        case ListMatch::None:
            error(number, "unknown tag " + cut(tag, QuotedLength) + ":");
            return;
        case ListMatch::Older:
            warning(number, tag + ": is a tag of an earlier Cabrillo version");
            return;
        case ListMatch::Current:
            break;
        }
        if (qso) {
            qsoLine(number, value);
        } else if (tag == "START-OF-LOG") {
            startLine(number, value);
        } else if (tag == "END-OF-LOG") {
            endLine_ = number;
        } else if (tag == "CALLSIGN") {
            if (value.empty()) {
                error(number, "CALLSIGN: has no value");
            } else if (value.size() > CallsignLength) {
                // Error: no station holds such a call, and no system can name a file after it.
                error(number, "CALLSIGN: " + quoted(value) + " is " +
                                  std::to_string(value.size()) + " characters; no callsign is " +
                                  "longer than " + std::to_string(CallsignLength));
            } else if (!callsignChars(value)) {
                warning(number, "CALLSIGN: " + quoted(value) + " is not A-Z, 0-9 and / only");
            }
        } else if (tag == "CONTEST") {
            if (value.empty() || value.size() > ContestLength ||
                upper(value).find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-") !=
                    std::string::npos) {
                error(number, "CONTEST: " + quoted(value) +
                                  " is not 1 to 32 characters of A-Z, 0-9 and -");
            } else if (upper(value) != ContestName) {
                // Warning: a robot of one contest files a log named for another by hand.
                warning(number, "CONTEST: " + quoted(value) + " is not this contest, " +
                                    ContestName);
            }
        } else if (tag == "CLAIMED-SCORE") {
            // The plug-in writes its score as it is, a negative one too.
            int64_t score = 0;
            if (!value.empty() && !readScore(value, score)) {
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

    // Error when the values differ: a robot takes one of them, and which is the log's own
    // cannot be known. Warning when they are the same: the log reads one way.
    void singleValue(std::size_t number, const std::string& tag, const std::string& value)
    {
        const auto found = headers_.find(tag);
        if (found == headers_.end()) {
            headers_.emplace(tag, std::make_pair(number, value));
            return;
        }
        const std::string first = "line " + std::to_string(found->second.first);
        if (upper(value) == upper(found->second.second)) {
            warning(number, tag + ": given again, as on " + first);
        } else {
            error(number, tag + ": " + quoted(value) + " where " + first + " gives " +
                              quoted(found->second.second) + "; the tag holds one value");
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
    std::string bandOf(std::size_t number, std::string_view frequency)
    {
        const QsoBand read = readQsoFrequency(frequency);
        const std::string text(frequency);
        switch (read.read) {
        case QsoFrequency::KHz:
        case QsoFrequency::BandToken:
            break;
        // Warnings: read by their band, as loggers write them, but a robot that takes whole
        // kHz only misreads them.
        case QsoFrequency::DecimalKHz:
            warning(number, "frequency " + text + " is read as kHz, on " + bandName(read.band) +
                                "; Cabrillo gives whole kHz");
            break;
        case QsoFrequency::MHz:
            warning(number, "frequency " + text + " is read as MHz, on " + bandName(read.band) +
                                "; Cabrillo gives kHz");
            break;
        case QsoFrequency::AboveBands:
            warning(number, "frequency " + text +
                                " kHz is above the bands checked here; 10G and up are "
                                "written as band tokens");
            break;
        case QsoFrequency::Zero:
            error(number, "frequency 0");
            break;
        case QsoFrequency::None:
            error(number, "frequency " + quoted(text) +
                              " is neither kHz on an amateur band nor a band token (" +
                              listedValues(*cabrilloList("QSO band")) + ")");
            break;
        }
        return read.band;
    }

    // Warning: Cabrillo 3.0 names phone PH; a robot that follows it strictly rejects the
    // line, so it is named, once for each spelling, but read as PH as loggers mean it.
    void phoneAlias(std::size_t number, std::string_view word)
    {
        PhoneLines& lines = phoneAliases_[std::string(word)];
        if (lines.first.size() < NamedLines) {
            lines.first.push_back(number);
        }
        ++lines.count;
    }

    void phoneAliasWarnings()
    {
        for (const auto& alias : phoneAliases_) {
            const PhoneLines& lines = alias.second;
            warning(lines.first.front(),
                    "mode " + quoted(alias.first) + " read as PH on " +
                        std::to_string(lines.count) + " QSO line" +
                        (lines.count == 1 ? "" : "s") + ": " +
                        lineList(lines.first, lines.count) + "; Cabrillo 3.0 names phone PH");
        }
    }

    void qsoLine(std::size_t number, const std::string& value)
    {
        ++report_.qsoLines;
        const QsoWords words = splitQsoWords(value);
        const auto field = [&](std::size_t i) { return std::string(words.word[i]); };
        const std::string band = words.count == 0 ? std::string() : bandOf(number, words.word[0]);
        const CabrilloList& modes = *cabrilloList("QSO mode");
        const bool hasMode = words.count > ModeColumn;
        const QsoMode mode = hasMode ? readQsoMode(words.word[ModeColumn]) : QsoMode();
        if (hasMode && !mode.known) {
            error(number, "mode " + quoted(field(ModeColumn)) + " is not one of " +
                              listedValues(modes));
        }
        if (mode.phoneAlias) {
            phoneAlias(number, words.word[ModeColumn]);
        }
        DateTimeParts when;
        bool dated = false;
        if (words.count > TimeColumn) {
            dated = readQsoWhen(words.word[DateColumn], words.word[TimeColumn], when);
            if (!dated) {
                error(number, "date and time " +
                                  quoted(field(DateColumn) + " " + field(TimeColumn)) +
                                  " are not YYYY-MM-DD and 0000 to 2359");
            }
        }
        if (dated) {
            timeChecks(number, when);
        }
        switch (judgeWordCount(words.count, QsoShape())) {
        case QsoWordCount::Fits:
            break;
        case QsoWordCount::TransmitterId:
            // Judged at the end, when the categories are all read.
            transmitterLines_.push_back(number);
            break;
        case QsoWordCount::Wrong:
            error(number, fieldCount(words.count));
            return;
        }
        qsoFields(number, words, band, mode);
        if (dated && !band.empty()) {
            AuditContact contact;
            contact.place = number;
            contact.minute = minutesSinceOleEpoch(when);
            contact.seconds = contact.minute * 60 + when.second;
            double time = 0.0;
            makeOleDate(when, time);
            contact.timed = storedMinutes(DateRecord::make(time), contact.storedMinute);
            contact.station = calls_.number(field(CallColumn));
            // Neither holds a blank: the words of a QSO line are split at them.
            contact.bandMode = bandModes_.number(band + " " + mode.name);
            contacts_.push_back(contact);
        }
    }

    // The fields of a line of the right length: its points, calls, mode and band.
    void qsoFields(std::size_t number, const QsoWords& words, const std::string& band,
                   const QsoMode& mode)
    {
        // What the plug-in's summary counts: every line's received exchange, repeats too.
        points_ += exchangePoints(std::string(words.word[ExchRcvdColumn]));
        sentCall(number, std::string(words.word[OwnCallColumn]));
        if (mode.known) {
            modesUsed_.try_emplace(mode.name, number);
        }
        if (!band.empty()) {
            bandsUsed_.try_emplace(band, number);
            // Warning: robots score this contest's bands only and drop the contact, not the log.
            if (!isContestBand(band)) {
                warning(number, "on " + bandName(band) + ", not one of this contest's bands: " +
                                    contestBandsText() + " m");
            }
        }
        for (std::size_t field : {OwnCallColumn, CallColumn}) {
            const std::string call(words.word[field]);
            if (!callsignChars(call)) {
                warning(number, "callsign " + quoted(call) + " is not A-Z, 0-9 and / only");
            }
        }
    }

    std::string fieldCount(std::size_t count) const
    {
        return std::to_string(count) + " fields where this contest has " +
               std::to_string(QsoColumnCount) +
               ": frequency, mode, date, time, then callsign, report and exchange sent and "
               "received";
    }

    // Compared when CALLSIGN: is known, the lines before it at the end.
    void sentCall(std::size_t number, const std::string& call)
    {
        const std::string* callsign = header("CALLSIGN");
        if (callsign == nullptr) {
            beforeCallsign_.emplace_back(number, call);
        } else if (!callsign->empty() && upper(call) != upper(*callsign)) {
            if (otherCalls_ == 0) {
                firstOtherCall_ = call;
            }
            if (otherCallLines_.size() < NamedLines) {
                otherCallLines_.push_back(number);
            }
            ++otherCalls_;
        }
    }

    // Errors: a robot cannot place a log without its station or its operator category.
    // Warning: with no CONTEST: line a robot files the log by hand.
    void headerChecks()
    {
        if (header("CALLSIGN") == nullptr) {
            error(0, "no CALLSIGN: line");
        }
        if (header("CATEGORY-OPERATOR") == nullptr) {
            error(0, "no CATEGORY-OPERATOR: line; one of " +
                         listedValues(*cabrilloList("CATEGORY-OPERATOR")));
        }
        if (header("CONTEST") == nullptr) {
            warning(0, std::string("no CONTEST: line; this contest is ") + ContestName);
        }
        const std::string* op = header("CATEGORY-OPERATOR");
        const std::string* transmitter = header("CATEGORY-TRANSMITTER");
        const CabrilloList& operators = *cabrilloList("transmitter ID operators");
        const CabrilloList& transmitters = *cabrilloList("transmitter ID transmitters");
        const bool transmitterId =
            (op && matchList(operators, *op) == ListMatch::Current) ||
            (transmitter && matchList(transmitters, *transmitter) == ListMatch::Current);
        if (!transmitterId) {
            // Error: a robot reads a one-transmitter log's lines by ten fields.
            for (std::size_t line : transmitterLines_) {
                error(line, fieldCount(QsoColumnCount + 1) +
                                "; the 11th, a transmitter ID, needs CATEGORY-OPERATOR: " +
                                listedValues(operators) + " or CATEGORY-TRANSMITTER: " +
                                listedValues(transmitters));
            }
        }
    }

    // Warnings: a robot recomputes the score and the categories from the QSO lines, or asks.
    void headerAgainstQsoLines()
    {
        const std::string* callsign = header("CALLSIGN");
        if (callsign != nullptr && !callsign->empty()) {
            const std::vector<std::size_t> later = otherCallLines_;
            const std::size_t laterCount = otherCalls_;
            otherCallLines_.clear();
            otherCalls_ = 0;
            for (const auto& line : beforeCallsign_) {
                sentCall(line.first, line.second);
            }
            for (std::size_t line : later) {
                if (otherCallLines_.size() < NamedLines) {
                    otherCallLines_.push_back(line);
                }
            }
            otherCalls_ += laterCount;
            if (otherCalls_ > 0) {
                warning(otherCallLines_.front(),
                        "sent callsign " + quoted(firstOtherCall_) + " where CALLSIGN: is " +
                            quoted(*callsign) + ", on " + std::to_string(otherCalls_) +
                            " QSO line" + (otherCalls_ == 1 ? "" : "s") + ": " +
                            lineList(otherCallLines_, otherCalls_));
            }
        }
        int64_t claimed = 0;
        const std::string* claimedText = header("CLAIMED-SCORE");
        const int32_t score = saturatedPoints(points_);
        if (claimedText != nullptr && readScore(*claimedText, claimed) && claimed != score) {
            warning(headerLine("CLAIMED-SCORE"), "CLAIMED-SCORE: " + *claimedText +
                                                     " where the QSO lines score " +
                                                     std::to_string(score));
        }
        // Judged for one band of metres ("40M"); ALL and the bands above 2 m are not.
        const std::string* categoryBand = header("CATEGORY-BAND");
        const std::string band = categoryBand ? hostBand(*categoryBand) : std::string();
        if (!band.empty()) {
            categoryUsed("CATEGORY-BAND", *categoryBand, bandsUsed_, "on ",
                         [&](const std::string& used) { return used == band; }, bandName);
        }
        const std::string* categoryMode = header("CATEGORY-MODE");
        const CabrilloList* modes =
            categoryMode ? cabrilloList("CATEGORY-MODE " + upper(*categoryMode)) : nullptr;
        if (modes != nullptr) {
            categoryUsed("CATEGORY-MODE", *categoryMode, modesUsed_, "in ",
                         [&](const std::string& used) {
                             return matchList(*modes, used) == ListMatch::Current;
                         },
                         [](const std::string& mode) { return mode; });
        }
    }

    // "CATEGORY-BAND: 40M with QSO lines on 20 m, 15 m (line 12 first)".
    template <typename Fits, typename Name>
    void categoryUsed(const std::string& tag, const std::string& value,
                      const std::map<std::string, std::size_t>& used, const char* preposition,
                      Fits fits, Name name)
    {
        std::string others;
        std::size_t first = 0;
        for (const auto& entry : used) {
            if (!fits(entry.first)) {
                others += (others.empty() ? "" : ", ") + name(entry.first);
                first = first == 0 ? entry.second : std::min(first, entry.second);
            }
        }
        if (!others.empty()) {
            warning(headerLine(tag), tag + ": " + quoted(value) + " with QSO lines " +
                                         preposition + others + " (line " +
                                         std::to_string(first) + " first)");
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
        for (const AuditFinding& finding : auditContacts(contacts_, timeOrder(contacts_))) {
            const AuditContact& earlier = contacts_[finding.earlier];
            warning(contacts_[finding.contact].place,
                    findingText(finding, contactText("line " + std::to_string(earlier.place),
                                                     earlier)));
        }
    }

    // "line 12 2025-02-15 0656 Q7CDC 20 CW": the time read again from the contact's line, whose
    // words after the tag's colon were read as a QSO line's when it was judged.
    std::string contactText(const std::string& place, const AuditContact& contact) const
    {
        std::string_view words = text_->lineText(contact.place - 1);
        words.remove_prefix(words.find(':') + 1);
        std::string fields[TimeColumn + 1];
        for (std::string& field : fields) {
            const std::size_t start = std::min(words.find_first_not_of(Blanks), words.size());
            const std::size_t end = std::min(words.find_first_of(Blanks, start), words.size());
            field.assign(words.substr(start, end - start));
            words.remove_prefix(end);
        }
        DateTimeParts when;
        readQsoWhen(fields[DateColumn], fields[TimeColumn], when);
        const std::string& bandMode = bandModes_.text(contact.bandMode);
        const std::size_t blank = bandMode.find(' ');
        return ::contactText(place, when, calls_.text(contact.station),
                             bandMode.substr(0, blank), bandMode.substr(blank + 1));
    }

    const ContestPeriod& period_;
    const CabrilloText* text_ = nullptr;
    LintReport report_;
    // The contacts the repeat rule judges, their callsigns and bands and modes as numbers.
    std::vector<AuditContact> contacts_;
    TextNumbers calls_;
    TextNumbers bandModes_;
    bool started_ = false;
    // Single-valued header tags: the line and value of each one's first line.
    std::map<std::string, std::pair<std::size_t, std::string>> headers_;
    std::vector<std::size_t> transmitterLines_;
    // The QSO lines of each phone mode read as PH: the first few and how many.
    struct PhoneLines {
        std::vector<std::size_t> first;
        std::size_t count = 0;
    };
    std::map<std::string, PhoneLines> phoneAliases_;
    int64_t points_ = 0;
    std::vector<std::pair<std::size_t, std::string>> beforeCallsign_;
    std::vector<std::size_t> otherCallLines_;
    std::size_t otherCalls_ = 0;
    std::string firstOtherCall_;
    // The bands and modes of the QSO lines, each with its first line.
    std::map<std::string, std::size_t> bandsUsed_;
    std::map<std::string, std::size_t> modesUsed_;
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
    return lintCabrillo(CabrilloText(bytes), period);
}

LintReport lintCabrillo(const CabrilloText& text, const ContestPeriod& period)
{
    return Linter(period).run(text);
}
