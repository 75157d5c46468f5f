// Reads a written Cabrillo file back: every contact must be there once, field for field.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "cabrillo_input/cabrillo_reader.h"
#include "input/text_numbers.h"

// One contact's fields as its QSO line should show them, or one line's read out.
struct CabrilloQso {
    std::size_t line = 0;  // line number in the file; for an expected one, its ADIF record
    std::string frequencyKHz;
    std::string mode;
    std::string date;  // YYYY-MM-DD
    std::string time;  // HHMM
    std::string ownCall;
    std::string rstSent;
    std::string exchSent;
    std::string call;
    std::string rstRcvd;
    std::string exchRcvd;
    // The contact behind the line: set on an expected one, and on a file's line by compareQsos
    // once matched. record is the ADIF record, loggedMode the host's mode text.
    std::size_t record = 0;
    std::string band;
    std::string loggedMode;
};

// A QSO line of the file as its place in the file's bytes, its fields read when needed: a file
// of a million lines is held once. Once matched, the contact behind it: its record, and its
// band and logged mode as numbers in the file's names.
struct CabrilloQsoLine {
    std::size_t line = 0;  // line number in the file
    std::size_t valueBegin = 0;
    std::size_t valueStop = 0;
    std::size_t record = 0;  // 0 until matched
    uint32_t band = 0;
    uint32_t loggedMode = 0;
};

struct CabrilloFile {
    explicit CabrilloFile(std::string bytes) : text(std::move(bytes)) { names.number(""); }

    CabrilloText text;  // the bytes and their lines, which lint reads too
    std::vector<std::pair<std::string, std::string>> header;  // tag, value, in file order
    std::vector<CabrilloQsoLine> qsos;
    std::vector<std::string> problems;  // the file's form: line ends, start and end lines
    TextNumbers names;  // bands and logged modes of the matched contacts; 0 is none
};

// As the plug-in writes it: lines end with CR LF, no byte-order mark, QSO lines by the column
// table (cabrillo/qso_columns.h). Tags are kept upper case, as robots compare them.
CabrilloFile readCabrillo(std::string bytes);

// The fields of the file's QSO line k, with its line number and, once matched, its contact.
CabrilloQso qsoAt(const CabrilloFile& file, std::size_t k);

// Marks the file's QSO line k as the line of contact (its record, band and logged mode).
void matchQso(CabrilloFile& file, std::size_t k, const CabrilloQso& contact);

// The header value of the first line with that tag (upper case), or null.
const std::string* cabrilloHeader(const CabrilloFile& file, const std::string& tag);

// What keeps the file from holding every expected contact exactly once, field for field. Each
// line matched to a contact takes the contact's record, band and logged mode.
std::vector<std::string> compareQsos(CabrilloFile& file, const std::vector<CabrilloQso>& expected);

// The same with the count expected contacts made one at a time by expectedAt(i), so that they
// need not all be held at once.
std::vector<std::string> compareQsos(CabrilloFile& file, std::size_t count,
                                     const std::function<CabrilloQso(std::size_t)>& expectedAt);

// What lint cannot see without the log, on lines matched by compareQsos: a frequency outside the
// contact's own band, and the records whose mode the host writes as no Cabrillo mode.
std::vector<std::string> logWarnings(const CabrilloFile& file);
