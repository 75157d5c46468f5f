// The cross-check's input: every entrant's log as plain data, independent of any file format.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "contest/names.h"

struct QsoInput {
    uint32_t line = 0;      // 1-based line number in its file; its text stays in the file
    int32_t minute = 0;     // UTC as logged, minutes since the OLE epoch
    int32_t freqKHz = 0;
    NameId band = NoName;   // NoName: no band holds the frequency
    NameId mode = NoName;
    NameId ownCall = NoName;
    NameId call = NoName;   // the worked station
    uint32_t fieldsAt = 0;  // the sent, then the received fields in LogInput::fields
    bool valid = false;     // false: the line could not be read
    bool notForCredit = false;  // an X-QSO: line: never scores, yet confirms the partner's
};

struct LogInput {
    std::string call;
    std::string categories;  // the CATEGORY- values in file order, blank-separated
    int64_t claimed = 0;
    bool claimedGiven = false;
    std::string fileName;
    uint64_t modified = 0;  // later counts when two logs share a callsign
    std::vector<QsoInput> qsos;
    std::vector<NameId> fields;
};

struct LogSet {
    Names names;
    std::vector<LogInput> logs;
};

// Which logs count: of two with the same callsign the later-modified; of two modified at the
// same time (saved from mail, unzipped, checked out) the one with more QSO lines, then the one
// whose file name sorts last. superseded[i] names the log that replaces log i, or is -1.
std::vector<int32_t> supersededLogs(const LogSet& set);
// Why winner counts and not loser, as a note says it after "WINNER has the same CALLSIGN".
std::string supersededWhy(const LogInput& loser, const LogInput& winner);
