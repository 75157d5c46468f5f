// ADIF fields to the host's contact: callsign, UTC date and time, frequency, band, mode,
// reports and exchanges.
#include "input/adif_contact.h"

#include <cctype>
#include <cstdint>

#include "input/plain_text.h"
#include "scoring/band_plan.h"

namespace {

// ADIF values may end in any white space, line ends too, unlike a Cabrillo line's fields.
std::string spaceTrimmed(const std::string& text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && std::isspace(static_cast<unsigned char>(text[first]))) {
        ++first;
    }
    while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1]))) {
        --last;
    }
    return text.substr(first, last - first);
}

int number(const std::string& digits, std::size_t from, std::size_t count)
{
    return std::stoi(digits.substr(from, count));
}

bool readDate(const std::string& text, DateTimeParts& when)
{
    if (text.size() != 8 || !digitsOnly(text)) {
        return false;
    }
    when.year = number(text, 0, 4);
    when.month = number(text, 4, 2);
    when.day = number(text, 6, 2);
    return true;
}

bool readTime(const std::string& text, DateTimeParts& when)
{
    if ((text.size() != 4 && text.size() != 6) || !digitsOnly(text)) {
        return false;
    }
    when.hour = number(text, 0, 2);
    when.minute = number(text, 2, 2);
    when.second = text.size() == 6 ? number(text, 4, 2) : 0;
    return when.hour < 24 && when.minute < 60 && when.second < 60;
}

std::string field(const AdifRecord& record, const char* name)
{
    const std::string* value = record.find(name);
    return value != nullptr ? *value : std::string();
}

// The first of the two fields that holds anything.
std::string either(const AdifRecord& record, const char* preferred, const char* other)
{
    const std::string value = field(record, preferred);
    return value.empty() ? field(record, other) : value;
}

// A FREQ written in kHz by mistake ("14025"): read so when the MHz reading lies on no band or
// off the BAND given, and the kHz reading lies on it (or on a band, with no BAND).
bool readAsKHz(const std::string& text, const std::string* band, unsigned mhzReading,
               unsigned& hz);

}  // namespace

bool frequencyHzFromMHz(const std::string& text, unsigned& hz)
{
    const std::string value = spaceTrimmed(text);
    const std::size_t point = value.find('.');
    const std::string whole = value.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : value.substr(point + 1);
    if ((whole.empty() && fraction.empty()) || (!whole.empty() && !digitsOnly(whole)) ||
        (!fraction.empty() && !digitsOnly(fraction))) {
        return false;
    }
    uint64_t total = 0;
    for (char c : whole) {
        total = total * 10 + static_cast<uint64_t>(c - '0');
        if (total > 4294) {
            return false;
        }
    }
    uint64_t micro = 0;
    for (std::size_t i = 0; i < 6; ++i) {
        micro = micro * 10 + (i < fraction.size() ? static_cast<uint64_t>(fraction[i] - '0') : 0);
    }
    total = total * 1000000 + micro;
    if (total > UINT32_MAX) {
        return false;
    }
    hz = static_cast<unsigned>(total);
    return true;
}

int64_t timeOrderKey(const LogContact& contact)
{
    return minutesSinceOleEpoch(contact.when) * 60 + contact.when.second;
}

std::string hostCallsign(const std::string& call)
{
    return upper(spaceTrimmed(call));
}

std::string hostMode(const std::string& mode, const std::string& submode)
{
    const std::string given = upper(spaceTrimmed(mode));
    const std::string sub = upper(spaceTrimmed(submode));
    // Loggers put the sideband in MODE, or MODE SSB with the sideband in SUBMODE.
    if (given == "SSB" || given == "USB" || given == "LSB" ||
        (given.empty() && (sub == "USB" || sub == "LSB"))) {
        return "SSB";
    }
    return given;
}

namespace {

bool readAsKHz(const std::string& text, const std::string* band, unsigned mhzReading,
               unsigned& hz)
{
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    if (whole.size() < 4 || !digitsOnly(whole)) {
        return false;
    }
    const std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    const std::string mhz =
        whole.substr(0, whole.size() - 3) + "." + whole.substr(whole.size() - 3) + fraction;
    const std::string wanted = band != nullptr ? hostBand(*band) : std::string();
    const std::string mhzBand = mhzReading != 0 ? bandOfFrequency(mhzReading) : std::string();
    if (!frequencyHzFromMHz(mhz, hz) || bandOfFrequency(hz).empty()) {
        return false;
    }
    if (!wanted.empty()) {
        return mhzBand != wanted && bandOfFrequency(hz) == wanted;
    }
    return mhzBand.empty();
}

// QSO_DATE and TIME_ON into the contact's time; false with the reason.
bool readWhen(const AdifRecord& record, LogContact& contact, std::string& error)
{
    const std::string date = spaceTrimmed(field(record, "QSO_DATE"));
    const std::string time = spaceTrimmed(field(record, "TIME_ON"));
    double oleDate = 0.0;
    if (!readDate(date, contact.when) || !readTime(time, contact.when) ||
        !makeOleDate(contact.when, oleDate)) {
        error = "bad date or time: QSO_DATE \"" + date + "\", TIME_ON \"" + time + "\"";
        return false;
    }
    if (contact.when.year < EarliestAdifYear) {
        error = "QSO_DATE " + date + " is before 1930, the earliest date ADIF allows";
        return false;
    }
    contact.host.time = DateRecord::make(oleDate);
    return true;
}

// FREQ, in MHz, or in kHz where BAND shows it, a decimal comma read as a point; haveFrequency
// tells whether it was read. False with the reason when neither it nor BAND can place the
// contact.
bool readFrequency(const std::string& freq, const std::string* band, HostContact& host,
                   bool& haveFrequency, std::string& error, std::vector<std::string>& repairs)
{
    std::string text = spaceTrimmed(freq);
    const std::size_t comma = text.find(',');
    const bool decimalComma = comma != std::string::npos && text.find('.') == std::string::npos &&
                              text.find(',', comma + 1) == std::string::npos;
    if (decimalComma) {
        text[comma] = '.';
    }
    haveFrequency = frequencyHzFromMHz(text, host.frequencyHz);
    unsigned kHzReading = 0;
    if (readAsKHz(text, band, haveFrequency ? host.frequencyHz : 0, kHzReading)) {
        host.frequencyHz = kHzReading;
        haveFrequency = true;
        repairs.push_back("FREQ " + spaceTrimmed(freq) + " is in kHz, not MHz; read as " +
                          std::to_string(kHzReading / 1000) + " kHz");
    } else if (haveFrequency && decimalComma) {
        repairs.push_back("FREQ \"" + freq + "\" has a decimal comma; read as " + text);
    } else if (!haveFrequency && band == nullptr) {
        error = "bad FREQ \"" + freq + "\"";
        return false;
    } else if (!haveFrequency) {
        host.frequencyHz = 0;
    }
    return true;
}

// The host band from BAND, else from the frequency; false with the reason when neither gives
// one.
bool readBand(const std::string* freq, const std::string* band, bool haveFrequency,
              HostContact& host, std::string& error, std::vector<std::string>& repairs)
{
    const std::string frequencyBand =
        haveFrequency ? bandOfFrequency(host.frequencyHz) : std::string();
    if (band == nullptr) {
        host.band = frequencyBand;
        if (host.band.empty()) {
            error = "no BAND, and no FREQ within a band";
            return false;
        }
        return true;
    }
    host.band = hostBand(*band);
    if (host.band.empty() && !frequencyBand.empty()) {
        host.band = frequencyBand;
        repairs.push_back("unknown BAND \"" + *band + "\"; scored on the band of FREQ " +
                          spaceTrimmed(*freq) + ", " + host.band);
    } else if (host.band.empty()) {
        error = "unknown BAND \"" + *band + "\"";
        return false;
    } else if (haveFrequency && frequencyBand != host.band) {
        repairs.push_back("FREQ " + spaceTrimmed(*freq) + " MHz is not on BAND " + spaceTrimmed(*band) +
                          "; scored on the band, written at the frequency");
    }
    return true;
}

}  // namespace

bool contactFromAdif(const AdifRecord& record, LogContact& contact, std::string& error,
                     std::vector<std::string>& repairs)
{
    contact = LogContact();
    contact.record = record.number;
    HostContact& host = contact.host;
    host.call = hostCallsign(field(record, "CALL"));
    if (host.call.empty()) {
        error = "no CALL";
        return false;
    }
    if (!readWhen(record, contact, error)) {
        return false;
    }
    const std::string* freq = record.find("FREQ");
    const std::string* band = record.find("BAND");
    bool haveFrequency = false;
    if ((freq != nullptr &&
         !readFrequency(*freq, band, host, haveFrequency, error, repairs)) ||
        !readBand(freq, band, haveFrequency, host, error, repairs)) {
        return false;
    }
    if (!haveFrequency) {
        // A Cabrillo line needs a frequency; the band's lower edge is the usual stand-in.
        host.frequencyHz = bandLowerEdgeHz(host.band);
        const std::string what = freq != nullptr ? "bad FREQ \"" + *freq + "\"" : "no FREQ";
        repairs.push_back(host.frequencyHz != 0
                              ? what + "; written at the band's lower edge, " +
                                    std::to_string(host.frequencyHz / 1000) + " kHz"
                              : what + ", and the band lies beyond the host's frequencies");
    }
    host.mode = hostMode(field(record, "MODE"), field(record, "SUBMODE"));
    host.rstSent = spaceTrimmed(field(record, "RST_SENT"));
    host.rstRcvd = spaceTrimmed(field(record, "RST_RCVD"));
    host.exchSent = spaceTrimmed(either(record, "STX_STRING", "STX"));
    host.exchRcvd = spaceTrimmed(either(record, "SRX_STRING", "SRX"));
    return true;
}
