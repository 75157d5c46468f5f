#include "cabrillo_input/qso_reading.h"

#include <cmath>
#include <limits>

#include "cabrillo_input/cabrillo_lists.h"
#include "input/calendar_day.h"
#include "input/plain_text.h"
#include "scoring/band_plan.h"

namespace {

// "14025.5" or "14.025": digits, one point, digits.
bool decimal(std::string_view word)
{
    const std::size_t point = word.find('.');
    return point != std::string_view::npos && point > 0 && point + 1 < word.size() &&
           digitsOnly(word.substr(0, point)) && digitsOnly(word.substr(point + 1)) &&
           word.size() <= 16;
}

QsoBand decimalFrequency(std::string_view word)
{
    const double value = std::stod(std::string(word));
    QsoBand result;
    result.band = bandOfKHz(value);
    if (!result.band.empty()) {
        result.read = QsoFrequency::DecimalKHz;
        result.kHz = static_cast<int64_t>(value);
        return result;
    }
    result.band = bandOfKHz(value * 1000.0);
    if (!result.band.empty()) {
        result.read = QsoFrequency::MHz;
        result.kHz = static_cast<int64_t>(std::llround(value * 1000.0));
    }
    return result;
}

}  // namespace

QsoWords splitQsoWords(std::string_view value)
{
    QsoWords words;
    std::size_t at = value.find_first_not_of(Blanks);
    while (at != std::string_view::npos && words.count < QsoWordRoom) {
        const std::size_t end = std::min(value.find_first_of(Blanks, at), value.size());
        words.word[words.count++] = value.substr(at, end - at);
        at = value.find_first_not_of(Blanks, end);
    }
    return words;
}

QsoWordCount judgeWordCount(std::size_t count, const QsoShape& shape)
{
    if (count == shape.words()) {
        return QsoWordCount::Fits;
    }
    return count == shape.words() + 1 ? QsoWordCount::TransmitterId : QsoWordCount::Wrong;
}

std::string bandOfKHz(double kHz)
{
    const double hz = std::floor(kHz * 1000.0 + 0.5);
    if (!(hz >= 1.0) || hz > std::numeric_limits<unsigned>::max()) {
        return std::string();
    }
    return bandOfFrequency(static_cast<unsigned>(hz));
}

QsoBand readQsoFrequency(std::string_view word)
{
    QsoBand result;
    if (digitsOnly(word) && word.size() <= 10) {
        result.kHz = static_cast<int64_t>(std::stoull(std::string(word)));
        if (result.kHz == 0) {
            result.read = QsoFrequency::Zero;
            return result;
        }
        if (static_cast<double>(result.kHz) * 1000.0 > std::numeric_limits<unsigned>::max()) {
            result.read = QsoFrequency::AboveBands;
            return result;
        }
        result.band = bandOfKHz(static_cast<double>(result.kHz));
        if (!result.band.empty()) {
            result.read = QsoFrequency::KHz;
            return result;
        }
    }
    if (matchList(*cabrilloList("QSO band"), std::string(word)) == ListMatch::Current) {
        // A band token from 50 MHz up: the band plan names those it holds.
        result.read = QsoFrequency::BandToken;
        result.band = digitsOnly(word) ? bandOfKHz(static_cast<double>(result.kHz) * 1000.0)
                                       : upper(word);
        return result;
    }
    return decimal(word) ? decimalFrequency(word) : QsoBand();
}

QsoMode readQsoMode(std::string_view word)
{
    QsoMode mode;
    mode.name = upper(word);
    mode.known = matchList(*cabrilloList("QSO mode"), mode.name) != ListMatch::None;
    // Loggers write phone as the ADIF mode or the sideband; Cabrillo 3.0 names it PH, and
    // reading it so keeps a log matched against its partners' PH lines.
    if (!mode.known && (mode.name == "SSB" || mode.name == "USB" || mode.name == "LSB")) {
        mode.known = true;
        mode.phoneAlias = true;
        mode.name = "PH";
    }
    return mode;
}

bool readQsoWhen(std::string_view date, std::string_view time, DateTimeParts& when)
{
    DateTimeParts parts;
    if (!readDay(date, parts) || !readHhmm(time, parts)) {
        return false;
    }
    when = parts;
    return true;
}
