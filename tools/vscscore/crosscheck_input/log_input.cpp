// The cross-check's Cabrillo adapter: byte-level, no string per line but the kept text.
#include "crosscheck_input/log_input.h"

#include <algorithm>
#include <cstring>

#include "cabrillo/qso_line.h"
#include "cabrillo_input/cabrillo_lists.h"
#include "cabrillo_input/cabrillo_reader.h"
#include "cabrillo_input/qso_reading.h"
#include "input/calendar_day.h"
#include "input/plain_text.h"
#include "scoring/ole_date.h"

namespace {

char upperChar(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool tagIs(const char* begin, const char* colon, const char* tag)
{
    const std::size_t size = std::strlen(tag);
    if (static_cast<std::size_t>(colon - begin) != size) {
        return false;
    }
    for (std::size_t i = 0; i < size; ++i) {
        if (upperChar(begin[i]) != tag[i]) {
            return false;
        }
    }
    return true;
}

// Lint's test: the categories under which a QSO line carries a transmitter ID.
bool manyTransmitters(const std::string& tag, const std::string& value)
{
    return (tag == "CATEGORY-OPERATOR" &&
            matchList(*cabrilloList("transmitter ID operators"), value) == ListMatch::Current) ||
           (tag == "CATEGORY-TRANSMITTER" &&
            matchList(*cabrilloList("transmitter ID transmitters"), value) == ListMatch::Current);
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

bool CabrilloLogReader::bandOf(std::string_view word, QsoInput& q)
{
    // Whole kHz, nearly every line: read once for each frequency the log gives.
    const bool whole = digitsOnly(word) && word.size() <= 10;
    const int64_t kHz = whole ? std::stoll(std::string(word)) : -1;
    if (whole) {
        const auto found = bands_.find(kHz);
        if (found != bands_.end()) {
            q.freqKHz = found->second.kHz;
            q.band = found->second.band;
            return found->second.read;
        }
    }
    const QsoBand read = readQsoFrequency(word);
    KnownBand known;
    known.read = read.read != QsoFrequency::Zero && read.read != QsoFrequency::None;
    known.kHz = static_cast<int32_t>(std::min<int64_t>(read.kHz, INT32_MAX));
    known.band = names_.intern(read.band);
    if (whole) {
        bands_.emplace(kHz, known);
    }
    q.freqKHz = known.kHz;
    q.band = known.band;
    return known.read;
}

bool CabrilloLogReader::minuteOf(std::string_view date, std::string_view time, int32_t& minute)
{
    if (date != lastDate_) {
        lastDate_.assign(date);
        DateTimeParts day;
        lastDateValid_ = readDay(date, day);
        lastDay_ = lastDateValid_ ? static_cast<int32_t>(minutesSinceOleEpoch(day)) : 0;
    }
    DateTimeParts at;
    if (!lastDateValid_ || !readHhmm(time, at)) {
        return false;
    }
    minute = lastDay_ + at.hour * 60 + at.minute;
    return true;
}

// The line read as lint reads it: a line lint rejects for its fields is kept, not valid.
void CabrilloLogReader::readQso(std::string_view value, uint32_t line, bool notForCredit,
                                LogInput& log)
{
    QsoInput q;
    q.line = line;
    q.notForCredit = notForCredit;
    q.fieldsAt = static_cast<uint32_t>(log.fields.size());
    QsoShape shape;
    shape.sent = rules_.sent.size();
    shape.received = rules_.received.size();
    log.fields.resize(log.fields.size() + shape.sent + shape.received, NoName);
    const QsoWords words = splitQsoWords(value);
    // A transmitter ID, the last word, is no part of the exchange.
    const QsoWordCount count = judgeWordCount(words.count, shape);
    if (count == QsoWordCount::Wrong ||
        !minuteOf(words.word[DateColumn], words.word[TimeColumn], q.minute) ||
        !bandOf(words.word[FrequencyColumn], q)) {
        log.qsos.push_back(q);
        return;
    }
    const QsoMode mode = readQsoMode(words.word[ModeColumn]);
    // The plug-in's own mode for a contact of no known mode stays readable in its own logs.
    if (!mode.known && mode.name != cabrilloMode(std::string())) {
        log.qsos.push_back(q);
        return;
    }
    const auto name = [&](std::size_t i) { return names_.intern(upper(words.word[i])); };
    q.mode = names_.intern(mode.name);
    q.ownCall = name(4);
    q.call = name(5 + shape.sent);
    for (std::size_t i = 0; i < shape.sent; ++i) {
        log.fields[q.fieldsAt + i] = name(5 + i);
    }
    for (std::size_t i = 0; i < shape.received; ++i) {
        log.fields[q.fieldsAt + shape.sent + i] = name(6 + shape.sent + i);
    }
    q.valid = true;
    if (count == QsoWordCount::TransmitterId) {
        const std::string_view last = words.word[words.count - 1];
        extraWords_.push_back({log.qsos.size(), words.word[words.count - 2].data(),
                               last.data() + last.size()});
    }
    log.qsos.push_back(q);
}

void CabrilloLogReader::keepExtraWords(LogInput& log)
{
    if (!manyTransmitters_) {
        const std::size_t lastField = rules_.sent.size() + rules_.received.size() - 1;
        for (const ExtraWord& extra : extraWords_) {
            const std::string_view rest(extra.lastField,
                                        static_cast<std::size_t>(extra.end - extra.lastField));
            log.fields[log.qsos[extra.qso].fieldsAt + lastField] = names_.intern(upper(rest));
        }
    }
    extraWords_.clear();
    manyTransmitters_ = false;
}

bool CabrilloLogReader::read(const std::string& bytes, LogInput& log, std::string& why)
{
    bool callsign = false;
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
        const std::string_view value(colon + 1, static_cast<std::size_t>(stop - colon - 1));
        if (tagIs(at, colon, "QSO")) {
            readQso(value, line, false, log);
        } else if (readsNotForCredit_ && tagIs(at, colon, "X-QSO")) {
            readQso(value, line, true, log);
        } else if (tagIs(at, colon, "CALLSIGN")) {
            log.call = upper(trimmed(value));
            callsign = !log.call.empty();
        } else if ((tag.size() > 9 && upper(tag.substr(0, 9)) == "CATEGORY-") ||
                   tagIs(at, colon, "CATEGORY")) {
            // CATEGORY: is Cabrillo 2.0's one line for them all.
            const std::string text = upper(trimmed(value));
            if (!text.empty()) {
                log.categories += (log.categories.empty() ? "" : " ") + text;
            }
            manyTransmitters_ = manyTransmitters_ || manyTransmitters(upper(tag), text);
        } else if (tagIs(at, colon, "CLAIMED-SCORE")) {
            const std::string text = trimmed(value);
            log.claimedGiven = digitsOnly(text) && text.size() < 16;
            log.claimed = log.claimedGiven ? std::stoll(text) : 0;
        }
        return true;
    });
    keepExtraWords(log);
    if (!callsign) {
        why = "no CALLSIGN:";
        return false;
    }
    return true;
}
