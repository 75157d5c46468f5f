// One Cabrillo file into the cross-check's plain log. This is the only place the cross-check
// reads the format; it is to become a thin use of the driver's one Cabrillo reader.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "crosscheck_rules.h"
#include "log_set.h"

class CabrilloLogReader {
public:
    CabrilloLogReader(const CrosscheckRules& rules, Names& names) : rules_(rules), names_(names) {}

    // Lines end with CR LF, LF or CR; a UTF-8 byte-order mark is skipped; tags are read in
    // any case. A QSO line is its blank-separated fields: frequency, mode, date, time, the own
    // call and the Sent fields, the worked call and the Received fields; the last takes any
    // rest, but for the transmitter ID of a MULTI-OP or TWO-transmitter log. X-QSO: lines are
    // read not for credit; SSB, USB and LSB are PH; a frequency may be decimal kHz or MHz. A
    // line that does not read so is kept, not valid. False with the reason when the file has
    // no CALLSIGN:.
    bool read(const std::string& bytes, LogInput& log, std::string& why);

private:
    NameId bandOf(int32_t kHz);
    // The mode as read, or NoName where the line is not to be read.
    NameId modeOf(const std::string& written);
    bool minuteOf(const char* date, const char* time, int32_t& minute);
    void readQso(const char* begin, const char* end, uint32_t number, LogInput& log);

    const CrosscheckRules& rules_;
    Names& names_;
    std::unordered_map<int32_t, NameId> bands_;
    std::unordered_map<std::string, NameId> modes_;  // by the mode as written, upper case
    std::string lastDate_;
    int32_t lastDay_ = 0;  // minutes of lastDate_ at 0000
    bool lastDateValid_ = false;
    bool transmitterColumn_ = false;  // the log's categories give its lines an 11th field
};

// The texts of the lines with the given numbers (ascending), split as the reader splits them:
// what a report quotes, read again rather than held for millions of lines.
std::vector<std::string> cabrilloLines(const std::string& bytes,
                                       const std::vector<uint32_t>& numbers);
