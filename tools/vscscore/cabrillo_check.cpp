// Cabrillo 3.0 read back: header tags, QSO lines by their columns, the whole-log comparison.
#include "cabrillo_check.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

#include "adif_contact.h"

namespace {

const std::string QsoTag = "QSO: ";

// Walks a QSO line's columns. A field that overflows its column pushes the rest right, so
// columns are found from the values, not counted.
class QsoLineReader {
public:
    explicit QsoLineReader(const std::string& text) : text_(text) {}

    // %Ns: padded on the left.
    std::string right(std::size_t width)
    {
        if (at_ + width <= text_.size() &&
            text_.find_first_not_of(' ', at_) >= at_ + width) {
            at_ += width;
            return std::string();
        }
        at_ = text_.find_first_not_of(' ', at_);
        return token();
    }

    // %-Ns: padded on the right.
    std::string left(std::size_t width)
    {
        const std::size_t start = at_;
        const std::string value = token();
        if (at_ < start + width) {
            if (start + width > text_.size() ||
                text_.find_first_not_of(' ', at_) < start + width) {
                ok_ = false;
            }
            at_ = start + width;
        }
        return value;
    }

    std::string word() { return token(); }

    void blank()
    {
        if (at_ < text_.size() && text_[at_] == ' ') {
            ++at_;
        } else {
            ok_ = false;
        }
    }

    std::string rest()
    {
        const std::string value = at_ < text_.size() ? text_.substr(at_) : std::string();
        at_ = text_.size();
        return value;
    }

    bool ok() const { return ok_; }

private:
    std::string token()
    {
        if (at_ >= text_.size()) {
            ok_ = false;
            return std::string();
        }
        const std::size_t end = std::min(text_.find(' ', at_), text_.size());
        const std::string value = text_.substr(at_, end - at_);
        at_ = end;
        return value;
    }

    const std::string& text_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

bool readQsoLine(const std::string& fields, CabrilloQso& qso)
{
    QsoLineReader line(fields);
    qso.frequencyKHz = line.right(5);
    line.blank();
    qso.mode = line.right(2);
    line.blank();
    qso.date = line.word();
    line.blank();
    qso.time = line.word();
    line.blank();
    qso.ownCall = line.left(13);
    line.blank();
    qso.rstSent = line.left(3);
    line.blank();
    qso.exchSent = line.left(6);
    line.blank();
    qso.call = line.left(13);
    line.blank();
    qso.rstRcvd = line.left(3);
    line.blank();
    qso.exchRcvd = line.rest();
    return line.ok();
}

std::string lineName(std::size_t number)
{
    return "line " + std::to_string(number);
}

struct QsoField {
    const char* name;
    std::string CabrilloQso::*member;
};

const QsoField QsoFields[] = {
    {"frequency", &CabrilloQso::frequencyKHz}, {"mode", &CabrilloQso::mode},
    {"date", &CabrilloQso::date},              {"time", &CabrilloQso::time},
    {"own callsign", &CabrilloQso::ownCall},   {"report sent", &CabrilloQso::rstSent},
    {"exchange sent", &CabrilloQso::exchSent}, {"callsign", &CabrilloQso::call},
    {"report received", &CabrilloQso::rstRcvd},
    {"exchange received", &CabrilloQso::exchRcvd},
};

bool sameFields(const CabrilloQso& a, const CabrilloQso& b)
{
    for (const QsoField& field : QsoFields) {
        if (a.*field.member != b.*field.member) {
            return false;
        }
    }
    return true;
}

bool fieldsBefore(const CabrilloQso& a, const CabrilloQso& b)
{
    for (const QsoField& field : QsoFields) {
        const int order = (a.*field.member).compare(b.*field.member);
        if (order != 0) {
            return order < 0;
        }
    }
    return false;
}

std::string describe(const CabrilloQso& qso)
{
    return qso.call + " " + qso.date + " " + qso.time;
}

std::string firstDifference(const CabrilloQso& got, const CabrilloQso& want)
{
    for (const QsoField& field : QsoFields) {
        if (got.*field.member != want.*field.member) {
            return std::string(field.name) + " \"" + got.*field.member + "\" instead of \"" +
                   want.*field.member + "\"";
        }
    }
    return std::string();
}

// A field whose blank makes the QSO line one field longer, so that the fields after it read
// back shifted; empty when there is none. The last field takes the rest of the line.
std::string blankInside(const CabrilloQso& want)
{
    for (const QsoField& field : QsoFields) {
        if (field.member != &CabrilloQso::exchRcvd &&
            (want.*field.member).find_first_of(" \t") != std::string::npos) {
            return std::string(field.name) + " \"" + want.*field.member + "\"";
        }
    }
    return std::string();
}

// A frequency outside the band of the contact behind the line; lint reports frequency 0.
std::string frequencyWarning(const CabrilloQso& qso)
{
    const bool digits = !qso.frequencyKHz.empty() &&
                        qso.frequencyKHz.find_first_not_of("0123456789") == std::string::npos;
    if (!digits || qso.frequencyKHz.size() > 7) {
        return std::string();
    }
    const unsigned long kHz = std::stoul(qso.frequencyKHz);
    if (kHz == 0 || qso.band.empty() || kHz > 4294967) {
        return std::string();
    }
    const std::string band = bandOfFrequency(static_cast<unsigned>(kHz * 1000));
    if (band == qso.band) {
        return std::string();
    }
    return "frequency " + qso.frequencyKHz + " kHz is outside the contact's band (" + qso.band +
           ")";
}

bool cabrilloModeName(const std::string& mode)
{
    return mode == "CW" || mode == "PH" || mode == "FM" || mode == "RY" || mode == "DG";
}

// One warning per mode that is none: which records, what the log called them.
std::vector<std::string> modeWarnings(const CabrilloFile& file)
{
    const std::size_t Named = 10;
    std::vector<std::string> modes;
    std::vector<std::vector<const CabrilloQso*>> lines;
    for (const CabrilloQso& qso : file.qsos) {
        if (cabrilloModeName(qso.mode)) {
            continue;
        }
        const auto found = std::find(modes.begin(), modes.end(), qso.mode);
        const auto m = static_cast<std::size_t>(found - modes.begin());
        if (m == modes.size()) {
            modes.push_back(qso.mode);
            lines.emplace_back();
        }
        lines[m].push_back(&qso);
    }
    std::vector<std::string> warnings;
    for (std::size_t m = 0; m < modes.size(); ++m) {
        std::string named;
        for (std::size_t k = 0; k < lines[m].size() && k < Named; ++k) {
            const CabrilloQso& qso = *lines[m][k];
            named += (k == 0 ? "" : ", ") +
                     (qso.record != 0 ? "record " + std::to_string(qso.record) + " (" +
                                            (qso.loggedMode.empty() ? "no mode" : qso.loggedMode) +
                                            ")"
                                      : lineName(qso.line));
        }
        if (lines[m].size() > Named) {
            named += " and " + std::to_string(lines[m].size() - Named) + " more";
        }
        warnings.push_back("mode \"" + modes[m] + "\" is not CW, PH, FM, RY or DG, on " +
                           std::to_string(lines[m].size()) + " QSO line" +
                           (lines[m].size() == 1 ? "" : "s") + ": " + named +
                           "; the host writes the same");
    }
    return warnings;
}

}  // namespace

CabrilloFile readCabrillo(const std::string& bytes)
{
    CabrilloFile file;
    std::size_t lines = 0;
    for (std::size_t at = bytes.find(QsoTag); at != std::string::npos;
         at = bytes.find(QsoTag, at + QsoTag.size())) {
        ++lines;
    }
    file.qsos.reserve(lines);
    std::size_t number = 0;
    bool ended = false;
    std::size_t at = 0;
    while (at < bytes.size()) {
        ++number;
        const std::size_t newline = bytes.find('\n', at);
        std::string line = bytes.substr(at, newline == std::string::npos ? std::string::npos
                                                                          : newline - at);
        at = newline == std::string::npos ? bytes.size() : newline + 1;
        if (newline == std::string::npos || line.empty() || line.back() != '\r') {
            file.problems.push_back(lineName(number) + " does not end with CR LF");
        } else {
            line.pop_back();
        }
        if (ended) {
            file.problems.push_back(lineName(number) + " follows END-OF-LOG:");
            continue;
        }
        if (line.compare(0, QsoTag.size(), QsoTag) == 0) {
            CabrilloQso qso;
            qso.line = number;
            if (!readQsoLine(line.substr(QsoTag.size()), qso)) {
                file.problems.push_back(lineName(number) + " is not a complete QSO line");
            }
            file.qsos.push_back(qso);
            continue;
        }
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) {
            file.problems.push_back(lineName(number) + " has no tag");
            continue;
        }
        const std::string tag = line.substr(0, colon);
        const std::size_t value = line.compare(colon, 2, ": ") == 0 ? colon + 2 : colon + 1;
        file.header.emplace_back(tag, line.substr(value));
        if (number == 1 && tag != "START-OF-LOG") {
            file.problems.push_back("line 1 is not START-OF-LOG:");
        }
        ended = tag == "END-OF-LOG";
    }
    if (number == 0) {
        file.problems.push_back("the file is empty");
    } else if (!ended) {
        file.problems.push_back("the file does not end with END-OF-LOG:");
    }
    return file;
}

const std::string* cabrilloHeader(const CabrilloFile& file, const std::string& tag)
{
    for (const auto& line : file.header) {
        if (line.first == tag) {
            return &line.second;
        }
    }
    return nullptr;
}

std::vector<std::string> compareQsos(CabrilloFile& file, const std::vector<CabrilloQso>& expected)
{
    return compareQsos(file, expected.size(), [&expected](std::size_t i) { return expected[i]; });
}

std::vector<std::string> compareQsos(CabrilloFile& file, std::size_t count,
                                     const std::function<CabrilloQso(std::size_t)>& expectedAt)
{
    // The lines sorted by their fields, file order within equal ones: each contact takes the
    // first unused line of its group, as a walk through the file would.
    std::vector<std::size_t> sorted(file.qsos.size());
    std::iota(sorted.begin(), sorted.end(), std::size_t{0});
    std::stable_sort(sorted.begin(), sorted.end(), [&file](std::size_t a, std::size_t b) {
        return fieldsBefore(file.qsos[a], file.qsos[b]);
    });
    std::vector<std::size_t> nextOfGroup(sorted.size());
    std::iota(nextOfGroup.begin(), nextOfGroup.end(), std::size_t{0});
    std::vector<bool> used(file.qsos.size(), false);
    std::vector<std::size_t> missing;
    for (std::size_t i = 0; i < count; ++i) {
        const CabrilloQso want = expectedAt(i);
        const auto group = std::lower_bound(sorted.begin(), sorted.end(), want,
                                            [&file](std::size_t k, const CabrilloQso& qso) {
                                                return fieldsBefore(file.qsos[k], qso);
                                            });
        const std::size_t start = static_cast<std::size_t>(group - sorted.begin());
        const std::size_t take = start < sorted.size() ? nextOfGroup[start] : start;
        if (take < sorted.size() && sameFields(file.qsos[sorted[take]], want)) {
            ++nextOfGroup[start];
            const std::size_t k = sorted[take];
            used[k] = true;
            file.qsos[k].record = want.line;
            file.qsos[k].band = want.band;
            file.qsos[k].loggedMode = want.loggedMode;
        } else {
            missing.push_back(i);
        }
    }
    std::vector<std::string> problems;
    // A contact whose line is wrong shows as one missing contact and one stray line; the line
    // in the contact's place, if stray, tells what differs.
    for (std::size_t i : missing) {
        const CabrilloQso want = expectedAt(i);
        const std::string blank = blankInside(want);
        std::string text = "record " + std::to_string(want.line) + " (" + describe(want) +
                           (blank.empty() ? ") is not in the file"
                                          : ") cannot be read back: its " + blank +
                                                " holds a blank, which shifts the later columns");
        if (i < file.qsos.size() && !used[i]) {
            used[i] = true;
            text += "; QSO " + lineName(file.qsos[i].line) + " in its place has " +
                    firstDifference(file.qsos[i], want);
        }
        problems.push_back(text);
    }
    for (std::size_t k = 0; k < file.qsos.size(); ++k) {
        if (!used[k]) {
            problems.push_back("QSO " + lineName(file.qsos[k].line) + " (" +
                               describe(file.qsos[k]) + ") is no contact of the log, or one twice");
        }
    }
    return problems;
}

std::vector<std::string> logWarnings(const CabrilloFile& file)
{
    std::vector<std::string> warnings;
    for (const CabrilloQso& qso : file.qsos) {
        const std::string frequency = frequencyWarning(qso);
        if (!frequency.empty()) {
            warnings.push_back("QSO " + lineName(qso.line) + " (" + describe(qso) + "): " +
                               frequency);
        }
    }
    for (std::string& warning : modeWarnings(file)) {
        warnings.push_back(std::move(warning));
    }
    return warnings;
}
