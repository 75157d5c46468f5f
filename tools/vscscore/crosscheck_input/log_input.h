// One Cabrillo file into the cross-check's plain log. This is the only place the cross-check
// reads the format: its QSO lines through the driver's one QSO-line reader, as lint reads them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "contest/crosscheck_rules.h"
#include "contest/log_set.h"

class CabrilloLogReader {
public:
    // X-QSO lines (a logger's "not for credit") are read too, marked so: they score nothing
    // but confirm the partner's line. Without readsNotForCredit they are left out.
    CabrilloLogReader(const CrosscheckRules& rules, Names& names, bool readsNotForCredit = true)
        : rules_(rules), names_(names), readsNotForCredit_(readsNotForCredit)
    {
    }

    // Lines end with CR LF, LF or CR; a UTF-8 byte-order mark is skipped; tags are read in
    // any case. A QSO line is its blank-separated fields: frequency, mode, date, time, the own
    // call and the Sent fields, the worked call and the Received fields, then perhaps a
    // transmitter ID, which is skipped. A line lint rejects for its fields (their count, the
    // frequency, the mode, the date or time) is kept, not valid. False with the reason when
    // the file has no CALLSIGN:.
    bool read(const std::string& bytes, LogInput& log, std::string& why);

private:
    void keepExtraWords(LogInput& log);
    struct KnownBand {
        bool read = false;
        int32_t kHz = 0;
        NameId band = NoName;
    };

    // The line's frequency and band; false when lint rejects the frequency.
    bool bandOf(std::string_view word, QsoInput& q);
    bool minuteOf(std::string_view date, std::string_view time, int32_t& minute);
    void readQso(std::string_view value, uint32_t number, bool notForCredit, LogInput& log);

    const CrosscheckRules& rules_;
    Names& names_;
    bool readsNotForCredit_;
    // Lines with one word more than their fields, and where their last received field ends
    // should the log turn out to be from one transmitter: then, as lint reads such a log by
    // ten fields, the extra word stays in the exchange.
    struct ExtraWord {
        std::size_t qso;
        const char* lastField;
        const char* end;
    };
    std::vector<ExtraWord> extraWords_;
    bool manyTransmitters_ = false;  // the log's categories give its lines a transmitter ID
    std::unordered_map<int64_t, KnownBand> bands_;
    std::string lastDate_;
    int32_t lastDay_ = 0;  // minutes of lastDate_ at 0000
    bool lastDateValid_ = false;
};

// The texts of the lines with the given numbers (ascending), split as the reader splits them:
// what a report quotes, read again rather than held for millions of lines.
std::vector<std::string> cabrilloLines(const std::string& bytes,
                                       const std::vector<uint32_t>& numbers);
