// Private-profile (ini) engine: edits the file as text so every untouched byte survives, and
// replaces it whole through the platform's file output, so a failed write never loses the old
// settings.
#include "platform/posix/profile_file.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <vector>

#include "platform/platform.h"
#include "platform/read_whole_file.h"


namespace profile {
namespace {

const char* const NewLine = "\r\n";
const std::string Utf8Bom = "\xEF\xBB\xBF";

// The blanks Windows trims around names and values; 0x1A is the old end-of-file mark.
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' ||
           c == '\x1A';
}

char foldCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsFolded(const std::string& text, std::size_t begin, std::size_t end,
                  const std::string& name)
{
    if (end - begin != name.size()) {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (foldCase(text[begin + i]) != foldCase(name[i])) {
            return false;
        }
    }
    return true;
}

void trimBounds(const std::string& text, std::size_t& begin, std::size_t& end)
{
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
}

std::string trimmed(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    trimBounds(text, begin, end);
    return text.substr(begin, end - begin);
}

std::string withoutQuotes(const std::string& value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// One line of the file. Offsets index the whole file; name and value bounds are trimmed.
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;   // end of the text, before the line break
    std::size_t next = 0;  // start of the following line
    bool blank = false;
    bool header = false;
    std::size_t nameBegin = 0;
    std::size_t nameEnd = 0;
    bool hasValue = false;  // a line without "=" is a key that has no value
    std::size_t equals = 0;
    std::size_t valueBegin = 0;
    std::size_t valueEnd = 0;
};

Line parseLine(const std::string& text, std::size_t begin)
{
    Line line;
    line.begin = begin;
    line.end = text.find_first_of("\r\n", begin);
    if (line.end == std::string::npos) {
        line.end = text.size();
        line.next = text.size();
    } else if (text[line.end] == '\r' && line.end + 1 < text.size() &&
               text[line.end + 1] == '\n') {
        line.next = line.end + 2;
    } else {
        line.next = line.end + 1;
    }

    std::size_t from = line.begin;
    std::size_t to = line.end;
    trimBounds(text, from, to);
    line.blank = from == to;
    if (line.blank) {
        return line;
    }
    // Windows takes the section name up to the last "]", so "[A] ; note" is section "A".
    std::size_t close = to - 1;
    while (text[from] == '[' && close > from && text[close] != ']') {
        --close;
    }
    if (text[from] == '[' && close > from) {
        line.header = true;
        line.nameBegin = from + 1;
        line.nameEnd = close;
        trimBounds(text, line.nameBegin, line.nameEnd);
        return line;
    }
    line.nameBegin = from;
    line.nameEnd = to;
    const std::size_t equals = static_cast<std::size_t>(
        std::find(text.begin() + from, text.begin() + to, '=') - text.begin());
    if (equals < to) {
        line.hasValue = true;
        line.equals = equals;
        line.nameEnd = equals;
        trimBounds(text, line.nameBegin, line.nameEnd);
        line.valueBegin = equals + 1;
        line.valueEnd = to;
        trimBounds(text, line.valueBegin, line.valueEnd);
    }
    return line;
}

// Where a key is, or where it would go. Lines before the first header form the section "".
struct Place {
    bool sectionFound = false;
    std::optional<Line> key;
    std::size_t insertAt = 0;         // after the section's last non-blank line
    bool insertNeedsBreak = false;    // that line is the file's last and has no line break
};

Place locate(const std::string& text, const std::string& section, const std::string& key)
{
    Place place;
    const std::size_t start = text.compare(0, Utf8Bom.size(), Utf8Bom) == 0 ? Utf8Bom.size() : 0;
    place.sectionFound = section.empty();
    place.insertAt = start;
    bool inSection = place.sectionFound;
    for (std::size_t at = start; at < text.size();) {
        const Line line = parseLine(text, at);
        at = line.next;
        if (line.blank) {
            continue;
        }
        if (line.header) {
            if (inSection) {
                break;
            }
            if (equalsFolded(text, line.nameBegin, line.nameEnd, section)) {
                inSection = true;
                place.sectionFound = true;
            }
        }
        if (!inSection) {
            continue;
        }
        if (!line.header && equalsFolded(text, line.nameBegin, line.nameEnd, key)) {
            place.key = line;
            break;
        }
        place.insertAt = line.next;
        place.insertNeedsBreak = line.next == line.end;
    }
    return place;
}

// A line break or NUL in a name or value would make or cut lines of the file.
bool breaksLines(const std::string& text)
{
    return text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos;
}

// Windows drops trailing spaces from the default (never its first character) and then, as
// with any value, one pair of surrounding quotes.
std::string cleanDefault(const std::string& value)
{
    std::size_t end = value.size();
    while (end > 1 && value[end - 1] == ' ') {
        --end;
    }
    return withoutQuotes(value.substr(0, end));
}

enum class Load { Read, Missing, Failed };

Load loadFile(const std::string& path, std::string& bytes)
{
    switch (readWholeFile(path, bytes)) {
    case FileRead::Read:
        return Load::Read;
    case FileRead::CannotOpen:
        return errno == ENOENT ? Load::Missing : Load::Failed;
    case FileRead::Failed:
        break;
    }
    return Load::Failed;
}

}  // namespace

std::string readString(const std::string& path, const std::string& section,
                       const std::string& key, const std::string& defaultValue)
{
    std::string text;
    if (loadFile(path, text) != Load::Read) {
        return cleanDefault(defaultValue);
    }
    const Place place = locate(text, trimmed(section), trimmed(key));
    if (!place.key || !place.key->hasValue) {
        return cleanDefault(defaultValue);
    }
    const Line& line = *place.key;
    return withoutQuotes(text.substr(line.valueBegin, line.valueEnd - line.valueBegin));
}

bool writeString(const std::string& path, const std::string& section, const std::string& key,
                 const std::string& value)
{
    if (breaksLines(section) || breaksLines(key) || breaksLines(value)) {
        return false;
    }
    std::string text;
    if (loadFile(path, text) == Load::Failed) {
        return false;
    }
    const std::string sectionName = trimmed(section);
    const std::string keyName = trimmed(key);
    std::size_t valueStart = 0;
    while (valueStart < value.size() && isBlank(value[valueStart])) {
        ++valueStart;
    }
    const std::string newValue = value.substr(valueStart);

    const Place place = locate(text, sectionName, keyName);
    if (place.key) {
        const Line& line = *place.key;
        if (line.hasValue) {
            const std::size_t oldSize = line.valueEnd - line.valueBegin;
            if (text.compare(line.valueBegin, oldSize, newValue) == 0) {
                return true;
            }
            // Keep the hand-written layout up to the old value ("Name = x" stays spaced).
            const std::size_t from = oldSize > 0 ? line.valueBegin : line.equals + 1;
            text.replace(from, line.end - from, newValue);
        } else {
            text.replace(line.nameEnd, line.end - line.nameEnd, "=" + newValue);
        }
    } else if (place.sectionFound) {
        std::string entry = keyName + "=" + newValue + NewLine;
        // A key line at the very start that begins with the byte order mark's bytes would
        // read back as another key; a blank line before it keeps it whole.
        if (place.insertNeedsBreak ||
            (place.insertAt == 0 && entry.compare(0, Utf8Bom.size(), Utf8Bom) == 0)) {
            entry = NewLine + entry;
        }
        text.insert(place.insertAt, entry);
    } else {
        if (!text.empty() && text.back() != '\n' && text.back() != '\r' && text != Utf8Bom) {
            text += NewLine;
        }
        text += "[" + sectionName + "]" + NewLine + keyName + "=" + newValue + NewLine;
    }
    return platform::writeWholeFile(path, text);
}

}  // namespace profile
