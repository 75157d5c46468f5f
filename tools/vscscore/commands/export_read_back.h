// Reads a written Cabrillo file back: every contact must be there once, field for field.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// One QSO line's fields, or one contact's as its line should show them.
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

struct CabrilloFile {
    std::vector<std::pair<std::string, std::string>> header;  // tag, value, in file order
    std::vector<CabrilloQso> qsos;
    std::vector<std::string> problems;  // the file's form: line ends, start and end lines
};

// As the plug-in writes it: lines end with CR LF, no byte-order mark, QSO lines by the column
// table (cabrillo/qso_columns.h). Tags are kept upper case, as robots compare them.
CabrilloFile readCabrillo(const std::string& bytes);

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
