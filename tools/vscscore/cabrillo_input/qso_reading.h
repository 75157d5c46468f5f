// A QSO line's value read the one way every reader of it reads it (lint, the cross-check): its
// words, what its frequency and mode name, when it was made. What lint accepts the cross-check
// reads the same way, and what lint rejects the cross-check does not credit.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "cabrillo/qso_columns.h"
#include "scoring/ole_date.h"

// The exchange fields of a QSO line after each call: the contest's own, from its column table,
// or those of a rules file's Sent and Received.
struct QsoShape {
    std::size_t sent = CallColumn - RstSentColumn;
    std::size_t received = QsoColumnCount - RstRcvdColumn;

    // Frequency, mode, date, time, the own call, the sent fields, the call, the received.
    std::size_t words() const { return 4 + 1 + sent + 1 + received; }
};

// Room for the longest line a rules file may describe (8 fields each way), its transmitter
// ID, and one more to tell a line of too many words.
constexpr std::size_t QsoWordRoom = 4 + 1 + 8 + 1 + 8 + 2;

// A QSO line's value split as robots split it: runs of blanks and tabs separate words.
struct QsoWords {
    std::array<std::string_view, QsoWordRoom> word;
    std::size_t count = 0;  // at most QsoWordRoom: more reads as that many
};

QsoWords splitQsoWords(std::string_view value);

enum class QsoWordCount {
    Fits,           // the shape's words
    TransmitterId,  // one more: Cabrillo 3.0's transmitter ID, of a multi-transmitter log
    Wrong,
};

QsoWordCount judgeWordCount(std::size_t count, const QsoShape& shape);

enum class QsoFrequency {
    KHz,         // whole kHz on a band: "14025"
    DecimalKHz,  // kHz with a fraction on a band: "14025.5"
    MHz,         // a frequency in MHz on a band: "14.025"
    BandToken,   // a Cabrillo band token, 50 MHz and up: "50", "1.2G"
    AboveBands,  // whole kHz above what the band plan holds: robots want a band token
    Zero,        // "0"
    None,        // neither kHz on a band nor a band token
};

struct QsoBand {
    QsoFrequency read = QsoFrequency::None;
    std::string band;      // in the band plan's terms ("20", "6", "1.2G"); empty when none
    int64_t kHz = 0;       // whole kHz where a frequency was given, else the token's number
};

QsoBand readQsoFrequency(std::string_view word);

// The band holding a frequency in kHz, or empty: the one conversion to the band plan's Hz.
std::string bandOfKHz(double kHz);

struct QsoMode {
    bool known = false;
    bool phoneAlias = false;  // SSB, USB or LSB, read as PH
    std::string name;         // the Cabrillo mode, upper case: "CW", "PH"
};

QsoMode readQsoMode(std::string_view word);

// "YYYY-MM-DD" and "HHMM" naming a minute of the calendar.
bool readQsoWhen(std::string_view date, std::string_view time, DateTimeParts& when);
