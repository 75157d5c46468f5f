// The cross-check's Cabrillo adapter: byte-level, no string per line but the kept text.
#include "log_input.h"

#include <algorithm>
#include <cstring>

#include "cabrillo/qso_line.h"
#include "cabrillo_lists.h"
#include "cabrillo_reader.h"
#include "scoring/band_plan.h"
#include "scoring/ole_date.h"

namespace {

char upper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool blank(char c)
{
    return c == ' ' || c == '\t';
}

bool tagIs(const char* begin, const char* colon, const char* tag)
{
    const std::size_t size = std::strlen(tag);
    if (static_cast<std::size_t>(colon - begin) != size) {
        return false;
    }
    for (std::size_t i = 0; i < size; ++i) {
        if (upper(begin[i]) != tag[i]) {
            return false;
        }
    }
    return true;
}

std::string upperText(const char* begin, const char* end)
{
    std::string text(begin, end);
    for (char& c : text) {
        c = upper(c);
    }
    return text;
}

std::string trimmedValue(const char* begin, const char* end)
{
    while (begin < end && blank(*begin)) {
        ++begin;
    }
    while (end > begin && blank(end[-1])) {
        --end;
    }
    return std::string(begin, end);
}

bool digits(const char* begin, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i) {
        if (begin[i] < '0' || begin[i] > '9') {
            return false;
        }
    }
    return size > 0;
}

int number(const char* begin, std::size_t size)
{
    int value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        value = value * 10 + (begin[i] - '0');
    }
    return value;
}

// Phone as other loggers write it is PH; a mode lint rejects, other than the plug-in's own,
// leaves the line unread.
bool readMode(std::string& mode)
{
    if (mode == "SSB" || mode == "USB" || mode == "LSB") {
        mode = "PH";
    }
    return matchList(*cabrilloList("QSO mode"), mode) != ListMatch::None ||
           mode == cabrilloMode(std::string());
}

// kHz as written ("14025"), with a fraction ("14025.5"), or MHz with one ("14.025").
bool readFrequency(const char* begin, const char* end, int32_t& kHz)
{
    const char* dot = static_cast<const char*>(std::memchr(begin, '.', end - begin));
    const std::size_t whole = static_cast<std::size_t>((dot ? dot : end) - begin);
    if (!digits(begin, whole) || whole > 9 ||
        (dot != nullptr && !digits(dot + 1, static_cast<std::size_t>(end - dot - 1)))) {
        return false;
    }
    kHz = number(begin, whole);
    if (dot != nullptr && kHz < 1000) {
        int fraction = 0;
        for (int i = 1; i <= 3; ++i) {
            fraction = fraction * 10 + (dot + i < end ? dot[i] - '0' : 0);
        }
        kHz = kHz * 1000 + fraction;
    }
    return true;
}

// Calls visit(number, begin, end) for each line, split by the one Cabrillo line splitter.
template <typename Visit>
void forEachLine(const std::string& bytes, Visit visit)
{
    CabrilloSpans lines(bytes);
    CabrilloSpan line;
    while (lines.next(line)) {
        if (!visit(static_cast<uint32_t>(line.number), line.begin, line.stop)) {
            return;
        }
    }
}

// Lint's test: the categories that give a QSO line its 11th field.
bool manyTransmitters(std::string_view tag, const std::string& value)
{
    const std::string name = upperText(tag.data(), tag.data() + tag.size());
    return (name == "CATEGORY-OPERATOR" &&
            matchList(*cabrilloList("transmitter ID operators"), value) == ListMatch::Current) ||
           (name == "CATEGORY-TRANSMITTER" &&
            matchList(*cabrilloList("transmitter ID transmitters"), value) == ListMatch::Current);
}

}  // namespace

std::vector<std::string> cabrilloLines(const std::string& bytes,
                                       const std::vector<uint32_t>& numbers)
{
    std::vector<std::string> texts;
    texts.reserve(numbers.size());
    std::size_t next = 0;
    forEachLine(bytes, [&](uint32_t number, const char* begin, const char* end) {
        while (next < numbers.size() && numbers[next] == number) {
            texts.emplace_back(begin, end);
            ++next;
        }
        return next < numbers.size();
    });
    texts.resize(numbers.size());
    return texts;
}

NameId CabrilloLogReader::bandOf(int32_t kHz)
{
    auto found = bands_.find(kHz);
    if (found != bands_.end()) {
        return found->second;
    }
    std::string band;
    if (kHz > 0 && kHz <= 4294967) {
        band = bandOfFrequency(static_cast<unsigned>(kHz) * 1000u);
    }
    // Above 30 MHz a Cabrillo file may give the band in MHz ("50", "144").
    if (band.empty() && kHz > 0 && kHz <= 4294) {
        band = bandOfFrequency(static_cast<unsigned>(kHz) * 1000000u);
    }
    const NameId id = names_.intern(band);
    bands_.emplace(kHz, id);
    return id;
}

NameId CabrilloLogReader::modeOf(const std::string& written)
{
    auto found = modes_.find(written);
    if (found == modes_.end()) {
        std::string mode = written;
        found = modes_.emplace(written, readMode(mode) ? names_.intern(mode) : NoName).first;
    }
    return found->second;
}

bool CabrilloLogReader::minuteOf(const char* date, const char* time, int32_t& minute)
{
    if (lastDate_.compare(0, std::string::npos, date, 10) != 0) {
        lastDate_.assign(date, 10);
        lastDateValid_ = false;
        if (date[4] == '-' && date[7] == '-' && digits(date, 4) && digits(date + 5, 2) &&
            digits(date + 8, 2)) {
            DateTimeParts parts;
            parts.year = number(date, 4);
            parts.month = number(date + 5, 2);
            parts.day = number(date + 8, 2);
            double value = 0.0;
            DateTimeParts check;
            lastDateValid_ = makeOleDate(parts, value) && breakDownOleDate(value, check) &&
                             check.day == parts.day && check.month == parts.month;
            lastDay_ = static_cast<int32_t>(minutesSinceOleEpoch(parts));
        }
    }
    if (!lastDateValid_ || !digits(time, 4)) {
        return false;
    }
    const int hour = number(time, 2);
    const int minutes = number(time + 2, 2);
    if (hour > 23 || minutes > 59) {
        return false;
    }
    minute = lastDay_ + hour * 60 + minutes;
    return true;
}

void CabrilloLogReader::readQso(const char* begin, const char* end, uint32_t line, LogInput& log)
{
    QsoInput q;
    q.line = line;
    q.notForCredit = begin[0] == 'X' || begin[0] == 'x';
    begin += q.notForCredit ? 2 : 0;
    q.fieldsAt = static_cast<uint32_t>(log.fields.size());
    const std::size_t sent = rules_.sent.size();
    const std::size_t wanted = 4 + 1 + sent + 1 + rules_.received.size();
    log.fields.resize(log.fields.size() + sent + rules_.received.size(), NoName);

    const char* at = begin + 4;  // after "QSO:"
    const char* token[64];
    const char* tokenEnd[64];
    std::size_t count = 0;
    while (at < end && count < wanted) {
        while (at < end && blank(*at)) {
            ++at;
        }
        if (at == end) {
            break;
        }
        token[count] = at;
        while (at < end && !blank(*at)) {
            ++at;
        }
        tokenEnd[count++] = at;
    }
    if (count < wanted) {
        log.qsos.push_back(q);
        return;
    }
    // The last received field takes the rest of the line, as the plug-in writes it, but for
    // the transmitter ID of a log from more than one transmitter.
    const char* last = end;
    while (last > token[wanted - 1] && blank(last[-1])) {
        --last;
    }
    const char* rest = tokenEnd[wanted - 1];
    while (rest < last && blank(*rest)) {
        ++rest;
    }
    if (!transmitterColumn_ || rest == last || std::find_if(rest, last, blank) != last) {
        tokenEnd[wanted - 1] = last;
    }
    const bool timed = tokenEnd[2] - token[2] == 10 && tokenEnd[3] - token[3] == 4 &&
                       minuteOf(token[2], token[3], q.minute);
    q.mode = modeOf(upperText(token[1], tokenEnd[1]));
    if (!readFrequency(token[0], tokenEnd[0], q.freqKHz) || !timed || q.mode == NoName) {
        q.mode = NoName;
        log.qsos.push_back(q);
        return;
    }
    q.band = bandOf(q.freqKHz);
    q.ownCall = names_.intern(upperText(token[4], tokenEnd[4]));
    q.call = names_.intern(upperText(token[5 + sent], tokenEnd[5 + sent]));
    for (std::size_t i = 0; i < sent; ++i) {
        log.fields[q.fieldsAt + i] = names_.intern(upperText(token[5 + i], tokenEnd[5 + i]));
    }
    for (std::size_t i = 0; i < rules_.received.size(); ++i) {
        const std::size_t t = 6 + sent + i;
        log.fields[q.fieldsAt + sent + i] = names_.intern(upperText(token[t], tokenEnd[t]));
    }
    q.valid = true;
    log.qsos.push_back(q);
}

bool CabrilloLogReader::read(const std::string& bytes, LogInput& log, std::string& why)
{
    bool callsign = false;
    transmitterColumn_ = false;
    // Reserved once: millions of lines must not be moved at every growth.
    std::size_t qsoTags = 0;
    for (std::size_t q = bytes.find("QSO:"); q != std::string::npos;
         q = bytes.find("QSO:", q + 4)) {
        ++qsoTags;
    }
    log.qsos.reserve(qsoTags);
    log.fields.reserve(qsoTags * (rules_.sent.size() + rules_.received.size()));
    forEachLine(bytes, [&](uint32_t line, const char* at, const char* stop) {
        const char* colon = static_cast<const char*>(std::memchr(at, ':', stop - at));
        if (colon == nullptr) {
            return true;
        }
        const std::string_view tag(at, static_cast<std::size_t>(colon - at));
        if (tagIs(at, colon, "QSO") || tagIs(at, colon, "X-QSO")) {
            readQso(at, stop, line, log);
        } else if (tagIs(at, colon, "CALLSIGN")) {
            log.call = upperText(colon + 1, stop);
            log.call = trimmedValue(log.call.data(), log.call.data() + log.call.size());
            callsign = !log.call.empty();
        } else if ((tag.size() > 9 && upperText(at, at + 9) == "CATEGORY-") ||
                   tagIs(at, colon, "CATEGORY")) {
            const std::string value = trimmedValue(colon + 1, stop);
            const std::string folded = upperText(value.data(), value.data() + value.size());
            if (!value.empty()) {
                log.categories += (log.categories.empty() ? "" : " ") + folded;
            }
            transmitterColumn_ = transmitterColumn_ || manyTransmitters(tag, folded);
        } else if (tagIs(at, colon, "CLAIMED-SCORE")) {
            const std::string value = trimmedValue(colon + 1, stop);
            log.claimedGiven = digits(value.data(), value.size()) && value.size() < 16;
            log.claimed = log.claimedGiven ? std::stoll(value) : 0;
        }
        return true;
    });
    if (!callsign) {
        why = "no CALLSIGN:";
        return false;
    }
    return true;
}
