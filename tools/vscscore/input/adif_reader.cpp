// ADIF 3 tags and records: <NAME:LENGTH[:TYPE]>value ... <EOR>, after an optional header.
#include "input/adif_reader.h"

#include <cctype>

#include "input/plain_text.h"

namespace {

constexpr std::size_t npos = std::string::npos;
const std::string Utf8Bom = "\xEF\xBB\xBF";

// The first needle starting at from or later, and before limit.
std::size_t findCaseless(const std::string& bytes, const std::string& upperNeedle,
                         std::size_t from, std::size_t limit = std::string::npos)
{
    for (std::size_t at = bytes.find('<', from); at != std::string::npos && at < limit;
         at = bytes.find('<', at + 1)) {
        if (upper(bytes.substr(at, upperNeedle.size())) == upperNeedle) {
            return at;
        }
    }
    return std::string::npos;
}

bool allDigits(const std::string& text)
{
    if (text.empty()) {
        return false;
    }
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

std::size_t sequenceLength(unsigned char lead)
{
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

// Where count UTF-8 characters from `from` end, or npos when the bytes there are no UTF-8.
std::size_t endByCharacters(const std::string& bytes, std::size_t from, std::size_t count)
{
    std::size_t at = from;
    for (std::size_t i = 0; i < count; ++i) {
        if (at >= bytes.size()) {
            return std::string::npos;
        }
        const std::size_t length = sequenceLength(static_cast<unsigned char>(bytes[at]));
        if (length == 0 || at + length > bytes.size()) {
            return std::string::npos;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if (!isContinuation(static_cast<unsigned char>(bytes[at + k]))) {
                return std::string::npos;
            }
        }
        at += length;
    }
    return at;
}

// Whether anything but white space stands between `from` and the next tag.
bool textBeforeNextTag(const std::string& bytes, std::size_t from)
{
    for (std::size_t at = from; at < bytes.size() && bytes[at] != '<'; ++at) {
        if (!std::isspace(static_cast<unsigned char>(bytes[at]))) {
            return true;
        }
    }
    return false;
}

bool hasHighBytes(const std::string& bytes, std::size_t from, std::size_t end)
{
    for (std::size_t at = from; at < end; ++at) {
        if (static_cast<unsigned char>(bytes[at]) >= 0x80) {
            return true;
        }
    }
    return false;
}

// The length's value when it is at most limit; any longer one, however many digits it has,
// runs past the end of the file.
bool lengthWithin(const std::string& digits, std::size_t limit, std::size_t& length)
{
    length = 0;
    for (char c : digits) {
        const auto digit = static_cast<std::size_t>(c - '0');
        if (digit > limit || length > (limit - digit) / 10) {
            return false;
        }
        length = length * 10 + digit;
    }
    return true;
}

struct Tag {
    std::size_t end = 0;  // just after '>'
    std::string text;     // between '<' and '>'
    std::string name;     // upper case
    bool hasLength = false;
    std::string length;
};

bool readTag(const std::string& bytes, std::size_t at, Tag& tag)
{
    const std::size_t close = bytes.find('>', at + 1);
    if (close == std::string::npos) {
        return false;
    }
    tag.text = bytes.substr(at + 1, close - at - 1);
    if (tag.text.find('<') != std::string::npos) {
        return false;
    }
    tag.end = close + 1;
    const std::size_t colon = tag.text.find(':');
    tag.name = upper(tag.text.substr(0, colon));
    tag.hasLength = colon != std::string::npos;
    if (tag.hasLength) {
        const std::size_t typeColon = tag.text.find(':', colon + 1);
        tag.length = tag.text.substr(colon + 1, typeColon == std::string::npos
                                                    ? std::string::npos
                                                    : typeColon - colon - 1);
    }
    return true;
}

class Reader {
public:
    Reader(const std::string& bytes, const AdifRecordSink& sink) : bytes_(bytes), sink_(sink) {}

    AdifLog read()
    {
        std::size_t at = bytes_.compare(0, Utf8Bom.size(), Utf8Bom) == 0 ? Utf8Bom.size() : 0;
        // Blank lines before the first tag are no header.
        const std::size_t first = bytes_.find_first_not_of(" \t\r\n", at);
        if (first != std::string::npos && bytes_[first] == '<') {
            at = first;
        }
        if (at < bytes_.size() && bytes_[at] != '<') {
            const std::size_t eoh = findCaseless(bytes_, "<EOH>", at);
            if (eoh != std::string::npos) {
                at = eoh + 5;
            } else if (findCaseless(bytes_, "<EOR>", at) != std::string::npos) {
                // Records follow all the same: the header's own fields join the first one.
                log_.repairs.push_back({0, at, "no <EOH>; read from its first tag"});
            } else {
                log_.skipped.push_back({0, at, "the header has no <EOH>, so no record follows"});
                return std::move(log_);
            }
        }
        while ((at = bytes_.find('<', at)) != std::string::npos) {
            at = readTagAt(at);
        }
        finishAtEnd();
        return std::move(log_);
    }

private:
    // Returns where reading goes on.
    std::size_t readTagAt(std::size_t at)
    {
        if (!open_) {
            startRecord(at);
        }
        Tag tag;
        if (!readTag(bytes_, at, tag)) {
            return skipRecord(at + 1,
                              "a tag at byte " + std::to_string(at) + " has no closing '>'");
        }
        if (!tag.hasLength) {
            if (tag.name == "EOR") {
                endRecord();
            }
            // Other tags without a value (a header's <EOH>, an exporter's end marker) carry
            // nothing for a contact.
            return tag.end;
        }
        if (!allDigits(tag.length)) {
            return skipRecord(tag.end, "bad length in <" + tag.text + ">");
        }
        if (opensAnother(tag)) {
            // The record before had no <EOR>: a logger's slip, or a length that ran over it.
            const std::size_t previous = record_.number;
            endRecord();
            startRecord(at);
            note(log_.repairs, "record " + std::to_string(previous) + " has a second <" +
                                   tag.name + "> with no <EOR> before it; read as record " +
                                   std::to_string(record_.number) + " from there");
        }
        std::size_t length = 0;
        const bool pastEnd = !lengthWithin(tag.length, bytes_.size() - tag.end, length);
        // A value never holds a record's end: a length that runs over it is cut back there, so
        // the records after it are still read.
        const std::size_t end = pastEnd ? bytes_.size() : tag.end + length;
        const std::size_t eor = findCaseless(bytes_, "<EOR>", tag.end, end);
        if (eor != std::string::npos) {
            record_.fields.push_back({tag.name, bytes_.substr(tag.end, eor - tag.end)});
            const bool more = findCaseless(bytes_, "<EOR>", eor + 5) != std::string::npos;
            note(log_.repairs,
                 "the length of <" + tag.text + "> runs past the record's <EOR>" +
                     (pastEnd ? " and the end of the file" : "") + "; cut there" +
                     (more ? ", and record " + std::to_string(record_.number + 1) +
                                 " after it read on its own"
                           : std::string()));
            endRecord();
            return eor + 5;
        }
        if (pastEnd) {
            return skipRecord(bytes_.size(),
                              "the length of <" + tag.text + "> runs past the end of the file");
        }
        return readValue(tag, length);
    }

    // A second CALL, QSO_DATE or TIME_ON can only be the next contact's.
    bool opensAnother(const Tag& tag) const
    {
        return (tag.name == "CALL" || tag.name == "QSO_DATE" || tag.name == "TIME_ON") &&
               record_.find(tag.name.c_str()) != nullptr;
    }

    void startRecord(std::size_t at)
    {
        open_ = true;
        record_ = AdifRecord();
        record_.number = ++count_;
        record_.offset = at;
    }

    void endRecord()
    {
        sink_(std::move(record_));
        open_ = false;
    }

    std::size_t readValue(const Tag& tag, std::size_t length)
    {
        const std::size_t from = tag.end;
        std::size_t end = from + length;
        const bool cutsCharacter =
            end < bytes_.size() && isContinuation(static_cast<unsigned char>(bytes_[end]));
        const bool leavesText = hasHighBytes(bytes_, from, end) && textBeforeNextTag(bytes_, end);
        if (cutsCharacter || leavesText) {
            const std::size_t byCharacters = endByCharacters(bytes_, from, length);
            if (byCharacters != std::string::npos && !textBeforeNextTag(bytes_, byCharacters)) {
                end = byCharacters;
                note(log_.repairs, tag.name + " length " + tag.length +
                                       " counts characters, not bytes; read as characters");
            } else if (cutsCharacter) {
                note(log_.repairs, tag.name + " ends inside a UTF-8 character; read as " +
                                       tag.length + " bytes");
            }
        }
        record_.fields.push_back({tag.name, bytes_.substr(from, end - from)});
        return end;
    }

    void note(std::vector<AdifNote>& notes, const std::string& text)
    {
        notes.push_back({record_.number, record_.offset, text});
    }

    std::size_t skipRecord(std::size_t from, const std::string& reason)
    {
        note(log_.skipped, reason);
        open_ = false;
        const std::size_t eor = findCaseless(bytes_, "<EOR>", from);
        return eor == std::string::npos ? bytes_.size() : eor + 5;
    }

    void finishAtEnd()
    {
        if (!open_) {
            return;
        }
        if (record_.fields.empty()) {
            // Only value-less tags after the last record: an exporter's end marker.
            --count_;
            return;
        }
        note(log_.skipped, "the file ends before this record's <EOR>");
    }

    const std::string& bytes_;
    const AdifRecordSink& sink_;
    AdifLog log_;
    AdifRecord record_;
    bool open_ = false;
    std::size_t count_ = 0;
};

}  // namespace

const std::string* AdifRecord::find(const char* name) const
{
    for (const AdifField& field : fields) {
        if (field.name == name) {
            return &field.value;
        }
    }
    return nullptr;
}

AdifLog readAdif(const std::string& bytes)
{
    AdifLog log;
    const AdifRecordSink keep = [&log](AdifRecord&& record) {
        log.records.push_back(std::move(record));
    };
    AdifLog notes = Reader(bytes, keep).read();
    log.repairs = std::move(notes.repairs);
    log.skipped = std::move(notes.skipped);
    return log;
}

AdifLog readAdifRecords(const std::string& bytes, const AdifRecordSink& sink)
{
    return Reader(bytes, sink).read();
}

std::size_t countRecordEnds(const std::string& bytes)
{
    std::size_t count = 0;
    for (std::size_t at = bytes.find('<'); at != std::string::npos; at = bytes.find('<', at + 1)) {
        const bool eor = at + 5 <= bytes.size() && (bytes[at + 1] | 0x20) == 'e' &&
                         (bytes[at + 2] | 0x20) == 'o' && (bytes[at + 3] | 0x20) == 'r' &&
                         bytes[at + 4] == '>';
        if (eor) {
            ++count;
        }
    }
    return count;
}

std::string notAdifReason(const std::string& bytes)
{
    if (!looksLikeText(bytes)) {
        return "binary, or UTF-16 text";
    }
    // Any ADIF file has a tag with a length, or at least the end of a header or a record; the
    // first few tags tell.
    for (std::size_t at = bytes.find('<'); at != npos; at = bytes.find('<', at + 1)) {
        const std::size_t close = bytes.find_first_of("<>", at + 1);
        if (close == npos) {
            break;
        }
        const std::string inside = upper(bytes.substr(at + 1, close - at - 1));
        const std::size_t colon = inside.find(':');
        if (inside == "EOH" || inside == "EOR" ||
            (colon != npos && colon + 1 < inside.size() &&
             std::isdigit(static_cast<unsigned char>(inside[colon + 1])))) {
            return std::string();
        }
    }
    const std::size_t first = bytes.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
    if (first != npos &&
        (bytes.compare(first, 5, "<?xml") == 0 || findCaseless(bytes, "<ADX>", 0) != npos)) {
        return "XML, the ADX form of ADIF; export the log as .adi";
    }
    return "no ADIF tags: CSV, or other text";
}

bool looksLikeText(const std::string& bytes)
{
    // UTF-16 and binary files hold zero bytes; no ADIF text does.
    return bytes.find('\0') == std::string::npos && bytes.compare(0, 2, "\xFF\xFE") != 0 &&
           bytes.compare(0, 2, "\xFE\xFF") != 0;
}
