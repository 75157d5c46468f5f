// Cabrillo 3.0 read back: header tags, QSO lines by their columns, the whole-log comparison.
// The lines are the one Cabrillo reader's; the expectation is the caller's own.
#include "export/export_read_back.h"

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <string_view>

#include "cabrillo_input/cabrillo_lists.h"
#include "cabrillo_input/cabrillo_reader.h"
#include "cabrillo_input/qso_reading.h"
#include "input/plain_text.h"

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

QsoColumnViews columnsOf(const CabrilloFile& file, std::size_t k)
{
    const CabrilloQsoLine& qso = file.qsos[k];
    QsoColumnViews fields;
    readQsoColumns(std::string_view(file.text.bytes())
                       .substr(qso.valueBegin, qso.valueStop - qso.valueBegin),
                   fields);
    return fields;
}

// The expected line's fields as the file's lines are compared: places in its strings.
QsoColumnViews columnsOf(const CabrilloQso& qso)
{
    QsoColumnViews fields;
    for (std::size_t i = 0; i < QsoColumnCount; ++i) {
        fields[i] = qso.*ColumnMembers[i];
    }
    return fields;
}

bool fieldsBefore(const QsoColumnViews& a, const QsoColumnViews& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end());
}

std::string describe(const CabrilloQso& qso)
{
    return qso.call + " " + qso.date + " " + qso.time;
}

std::string describe(const QsoColumnViews& fields)
{
    return std::string(fields[CallColumn]) + " " + std::string(fields[DateColumn]) + " " +
           std::string(fields[TimeColumn]);
}

std::string firstDifference(const QsoColumnViews& got, const CabrilloQso& want)
{
    for (std::size_t i = 0; i < QsoColumnCount; ++i) {
        const std::string& wanted = want.*ColumnMembers[i];
        if (got[i] != wanted) {
            return std::string(qsoColumns()[i].name) + " \"" + std::string(got[i]) +
                   "\" instead of \"" + wanted + "\"";
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
std::string frequencyWarning(const std::string& frequencyKHz, const std::string& contactBand)
{
    if (!digitsOnly(frequencyKHz) || frequencyKHz.size() > 7) {
        return std::string();
    }
    const QsoBand read = readQsoFrequency(frequencyKHz);
    const std::string band = read.read == QsoFrequency::KHz ? read.band : std::string();
    if (read.read == QsoFrequency::Zero || read.read == QsoFrequency::AboveBands ||
        contactBand.empty() || band == contactBand) {
        return std::string();
    }
    return "frequency " + frequencyKHz + " kHz is outside the contact's band (" + contactBand +
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
    std::vector<std::vector<std::size_t>> lines;
    for (std::size_t k = 0; k < file.qsos.size(); ++k) {
        const std::string mode(columnsOf(file, k)[ModeColumn]);
        if (cabrilloModeName(mode)) {
            continue;
        }
        const auto found = std::find(modes.begin(), modes.end(), mode);
        const auto m = static_cast<std::size_t>(found - modes.begin());
        if (m == modes.size()) {
            modes.push_back(mode);
            lines.emplace_back();
        }
        lines[m].push_back(k);
    }
    std::vector<std::string> warnings;
    for (std::size_t m = 0; m < modes.size(); ++m) {
        std::string named;
        for (std::size_t k = 0; k < lines[m].size() && k < Named; ++k) {
            const CabrilloQsoLine& qso = file.qsos[lines[m][k]];
            const std::string& loggedMode = file.names.text(qso.loggedMode);
            named += (k == 0 ? "" : ", ") +
                     (qso.record != 0 ? "record " + std::to_string(qso.record) + " (" +
                                            (loggedMode.empty() ? "no mode" : loggedMode) + ")"
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

CabrilloFile readCabrillo(std::string bytes)
{
    CabrilloFile file(std::move(bytes));
    const CabrilloText& text = file.text;
    const std::string QsoStart = std::string(QsoLineTag) + ": ";
    std::size_t lines = 0;
    for (std::size_t at = text.bytes().find(QsoStart); at != std::string::npos;
         at = text.bytes().find(QsoStart, at + QsoStart.size())) {
        ++lines;
    }
    file.qsos.reserve(lines);
    if (text.byteOrderMark()) {
        file.problems.push_back("the file begins with a byte-order mark");
    }
    CabrilloLine line;
    bool ended = false;
    for (std::size_t index = 0; index < text.lineCount(); ++index) {
        text.line(index, line);
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
            CabrilloQsoLine qso;
            qso.line = number;
            qso.valueStop = text.lineBegin(index) + line.text.size();
            qso.valueBegin = qso.valueStop - line.value.size();
            file.qsos.push_back(qso);
            QsoColumnViews fields;
            if (!readQsoColumns(std::string_view(line.value), fields)) {
                file.problems.push_back(lineName(number) + " is not a complete QSO line");
            }
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
    if (text.lineCount() == 0) {
        file.problems.push_back("the file is empty");
    } else if (!ended) {
        file.problems.push_back("the file does not end with END-OF-LOG:");
    }
    return file;
}

CabrilloQso qsoAt(const CabrilloFile& file, std::size_t k)
{
    const CabrilloQsoLine& line = file.qsos[k];
    const QsoColumnViews fields = columnsOf(file, k);
    CabrilloQso qso;
    qso.line = line.line;
    for (std::size_t i = 0; i < QsoColumnCount; ++i) {
        qso.*ColumnMembers[i] = std::string(fields[i]);
    }
    qso.record = line.record;
    qso.band = file.names.text(line.band);
    qso.loggedMode = file.names.text(line.loggedMode);
    return qso;
}

void matchQso(CabrilloFile& file, std::size_t k, const CabrilloQso& contact)
{
    CabrilloQsoLine& line = file.qsos[k];
    line.record = contact.line;
    line.band = file.names.number(contact.band);
    line.loggedMode = file.names.number(contact.loggedMode);
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
        if (columnsOf(file, i) != columnsOf(want)) {
            // The search matches the lines before this one to the same contacts again.
            return false;
        }
        matchQso(file, i, want);
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
    // The lines' fields, held for the search only.
    std::vector<QsoColumnViews> columns;
    columns.reserve(file.qsos.size());
    for (std::size_t k = 0; k < file.qsos.size(); ++k) {
        columns.push_back(columnsOf(file, k));
    }
    // The lines sorted by their fields, file order within equal ones: each contact takes the
    // first unused line of its group, as a walk through the file would.
    std::vector<std::size_t> sorted(file.qsos.size());
    std::iota(sorted.begin(), sorted.end(), std::size_t{0});
    std::stable_sort(sorted.begin(), sorted.end(), [&columns](std::size_t a, std::size_t b) {
        return fieldsBefore(columns[a], columns[b]);
    });
    std::vector<std::size_t> nextOfGroup(sorted.size());
    std::iota(nextOfGroup.begin(), nextOfGroup.end(), std::size_t{0});
    std::vector<bool> used(file.qsos.size(), false);
    std::vector<std::size_t> missing;
    for (std::size_t i = 0; i < count; ++i) {
        const CabrilloQso want = expectedAt(i);
        const QsoColumnViews wanted = columnsOf(want);
        const auto group = std::lower_bound(
            sorted.begin(), sorted.end(), wanted,
            [&columns](std::size_t k, const QsoColumnViews& fields) {
                return fieldsBefore(columns[k], fields);
            });
        const std::size_t start = static_cast<std::size_t>(group - sorted.begin());
        const std::size_t take = start < sorted.size() ? nextOfGroup[start] : start;
        if (take < sorted.size() && columns[sorted[take]] == wanted) {
            ++nextOfGroup[start];
            const std::size_t k = sorted[take];
            used[k] = true;
            matchQso(file, k, want);
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
                    firstDifference(columns[i], want);
        }
        problems.push_back(text);
    }
    for (std::size_t k = 0; k < file.qsos.size(); ++k) {
        if (!used[k]) {
            problems.push_back("QSO " + lineName(file.qsos[k].line) + " (" +
                               describe(columns[k]) + ") is no contact of the log, or one twice");
        }
    }
    return problems;
}

std::vector<std::string> logWarnings(const CabrilloFile& file)
{
    std::vector<std::string> warnings;
    for (std::size_t k = 0; k < file.qsos.size(); ++k) {
        const QsoColumnViews fields = columnsOf(file, k);
        const std::string frequency = frequencyWarning(std::string(fields[FrequencyColumn]),
                                                       file.names.text(file.qsos[k].band));
        if (!frequency.empty()) {
            warnings.push_back("QSO " + lineName(file.qsos[k].line) + " (" + describe(fields) +
                               "): " + frequency);
        }
    }
    for (std::string& warning : modeWarnings(file)) {
        warnings.push_back(std::move(warning));
    }
    return warnings;
}
