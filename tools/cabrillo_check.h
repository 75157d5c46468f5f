// Reads a written Cabrillo file back: every contact must be there once, field for field.
#pragma once

#include <cstddef>
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
};

struct CabrilloFile {
    std::vector<std::pair<std::string, std::string>> header;  // tag, value, in file order
    std::vector<CabrilloQso> qsos;
    std::vector<std::string> problems;  // the file's form: line ends, start and end lines
};

// Lines end with CR LF; a QSO line is laid out as
// "QSO: %5i %2s %s %-13s %-3s %-6s %-13s %-3s %s", a field wider than its column pushing the
// rest to the right.
CabrilloFile readCabrillo(const std::string& bytes);

// The header value of the first line with that tag, or null.
const std::string* cabrilloHeader(const CabrilloFile& file, const std::string& tag);

// What keeps the file from holding every expected contact exactly once, field for field.
std::vector<std::string> compareQsos(const CabrilloFile& file,
                                     const std::vector<CabrilloQso>& expected);
