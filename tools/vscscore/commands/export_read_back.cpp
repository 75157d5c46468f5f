// Cabrillo 3.0 read back: header tags, QSO lines by their columns, the whole-log comparison.
// The lines are the one Cabrillo reader's; the expectation is the caller's own.
#include "export_read_back.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

#include "cabrillo_lists.h"
#include "cabrillo_reader.h"
#include "scoring/band_plan.h"

namespace {

std::string lineName(std::size_t number)
{
    return "line " + std::to_string(number);
}

// The members that hold the QSO line's columns, in column order.
std::string CabrilloQso::* const ColumnMembers[QsoColumnCount] = {
    &CabrilloQso::frequencyKHz, &CabrilloQso::mode,     &CabrilloQso::date,
    &CabrilloQso::time,         &CabrilloQso::ownCall,  &CabrilloQso::rstSent,
    &CabrilloQso::exchSent,     &CabrilloQso::call,     &CabrilloQso::rstRcvd,
    &CabrilloQso::exchRcvd,
};

bool sameFields(const CabrilloQso& a, const CabrilloQso& b)
{
    for (std::string CabrilloQso::*member : ColumnMembers) {
        if (a.*member != b.*member) {
            return false;
        }
    }
    return true;
}

bool fieldsBefore(const CabrilloQso& a, const CabrilloQso& b)
{
    for (std::string CabrilloQso::*member : ColumnMembers) {
        const int order = (a.*member).compare(b.*member);
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
    for (std::size_t i = 0; i < QsoColumnCount; ++i) {
        std::string CabrilloQso::*member = ColumnMembers[i];
        if (got.*member != want.*member) {
            return std::string(qsoColumns()[i].name) + " \"" + got.*member +
                   "\" instead of \"" + want.*member + "\"";
        }
    }
    return std::string();
}

// A field whose blank makes the QSO line one field longer, so that the fields after it read
// back shifted; empty when there is none. The last field takes the rest of the line.
std::string blankInside(const CabrilloQso& want)
{
    for (std::size_t i = 0; i + 1 < QsoColumnCount; ++i) {
        const std::string& value = want.*ColumnMembers[i];
        if (value.find_first_of(" \t") != std::string::npos) {
            return std::string(qsoColumns()[i].name) + " \"" + value + "\"";
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
    return matchList(*cabrilloList("QSO mode"), mode) == ListMatch::Current;
}

// "CW, PH, FM, RY or DG".
std::string modeNames()
{
    std::string names = listedValues(*cabrilloList("QSO mode"));
    const std::size_t last = names.rfind(", ");
    return last == std::string::npos ? names : names.replace(last, 2, " or ");
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
        warnings.push_back("mode \"" + modes[m] + "\" is not " + modeNames() + ", on " +
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
    const std::string QsoStart = std::string(QsoLineTag) + ": ";
    std::size_t lines = 0;
    for (std::size_t at = bytes.find(QsoStart); at != std::string::npos;
         at = bytes.find(QsoStart, at + QsoStart.size())) {
        ++lines;
    }
    file.qsos.reserve(lines);
    CabrilloLines reader(bytes);
    if (reader.byteOrderMark()) {
        file.problems.push_back("the file begins with a byte-order mark");
    }
    CabrilloLine line;
    bool ended = false;
    while (reader.next(line)) {
        const std::size_t number = line.number;
        // The plug-in ends every line with CR LF.
        if (line.end != LineEnd::CrLf) {
            file.problems.push_back(lineName(number) + " does not end with CR LF");
        }
        if (ended) {
            file.problems.push_back(lineName(number) + " follows END-OF-LOG:");
            continue;
        }
        if (line.tagged && line.tag == QsoLineTag) {
            CabrilloQso qso;
            qso.line = number;
            QsoColumnValues fields;
            const bool complete = readQsoColumns(line.value, fields);
            for (std::size_t i = 0; i < QsoColumnCount; ++i) {
                qso.*ColumnMembers[i] = std::move(fields[i]);
            }
            if (!complete) {
                file.problems.push_back(lineName(number) + " is not a complete QSO line");
            }
            file.qsos.push_back(std::move(qso));
            continue;
        }
        if (!line.tagged) {
            file.problems.push_back(lineName(number) + " has no tag");
            continue;
        }
        file.header.emplace_back(line.tag, line.value);
        if (number == 1 && line.tag != "START-OF-LOG") {
            file.problems.push_back("line 1 is not START-OF-LOG:");
        }
        ended = line.tag == "END-OF-LOG";
    }
    if (line.number == 0) {
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

namespace {

// Each line takes the contact behind it.
void match(CabrilloQso& line, const CabrilloQso& want)
{
    line.record = want.line;
    line.band = want.band;
    line.loggedMode = want.loggedMode;
}

// The plug-in writes the contacts in the order it was given them: when every line is the
// contact of its place, that is the matching the search below would find, without its sort.
bool matchedInOrder(CabrilloFile& file, std::size_t count,
                    const std::function<CabrilloQso(std::size_t)>& expectedAt)
{
    if (count != file.qsos.size()) {
        return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const CabrilloQso want = expectedAt(i);
        if (!sameFields(file.qsos[i], want)) {
            // The search matches the lines before this one to the same contacts again.
            return false;
        }
        match(file.qsos[i], want);
    }
    return true;
}

}  // namespace

std::vector<std::string> compareQsos(CabrilloFile& file, std::size_t count,
                                     const std::function<CabrilloQso(std::size_t)>& expectedAt)
{
    if (matchedInOrder(file, count, expectedAt)) {
        return std::vector<std::string>();
    }
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
            match(file.qsos[k], want);
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
