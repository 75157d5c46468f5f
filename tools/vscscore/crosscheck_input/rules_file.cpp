// The rules file: the lines are scanned to name every unknown key and bad value by its line;
// the values themselves come from the settings reader, as the plug-in reads its own.
#include "crosscheck_input/rules_file.h"

#include <algorithm>
#include <set>

#include "input/calendar_day.h"
#include "input/file_bytes.h"
#include "input/plain_text.h"
#include "platform/platform.h"
#include "scoring/ole_date.h"

namespace {

struct Key {
    const char* section;
    const char* name;
};

const Key Keys[] = {
    {"Contest", "Name"},          {"Contest", "Start"},          {"Contest", "Hours"},
    {"Exchange", "Sent"},         {"Exchange", "Received"},      {"Exchange", "Check"},
    {"Exchange", "Points"},       {"Match", "Tolerance"},        {"Match", "Clock"},
    {"Repeat", "SameBandMode"},   {"Repeat", "OtherBandMode"},   {"Credit", "NoLog"},
    {"Credit", "Unique"},         {"Penalty", "NotInLog"},       {"Penalty", "BustedCall"},
    {"Penalty", "BustedExchange"},
};

// The value without its comment.
std::string bare(const std::string& value)
{
    return trimmed(value.substr(0, value.find(';')));
}

std::vector<std::string> fieldNames(const std::string& text)
{
    std::vector<std::string> names;
    std::size_t at = 0;
    while ((at = text.find_first_not_of(" \t", at)) != std::string::npos) {
        const std::size_t end = std::min(text.find_first_of(" \t", at), text.size());
        names.push_back(upper(text.substr(at, end - at)));
        at = end;
    }
    return names;
}

// The reason the value is bad, or empty once taken into rules.
std::string take(const std::string& key, const std::string& value, CrosscheckRules& rules)
{
    unsigned number = 0;
    if (key == "Name") {
        if (value.empty() || value.size() > 64) {
            return "Name wants the contest's name, 1 to 64 characters";
        }
        rules.contest = value;
    } else if (key == "Start") {
        int32_t minute = 0;
        if (!parseStart(value, minute)) {
            return "Start wants YYYY-MM-DD HH:MM (UTC)";
        }
        rules.startMinute = minute;
        rules.periodGiven = true;
    } else if (key == "Hours") {
        if (!wholeNumber(value, 1, 1000, rules.hours)) {
            return "Hours wants a number of hours from 1 to 1000";
        }
    } else if (key == "Sent" || key == "Received") {
        std::vector<std::string> names = fieldNames(value);
        if (names.empty() || names.size() > 8) {
            return key + " wants 1 to 8 field names";
        }
        (key == "Sent" ? rules.sent : rules.received) = names;
    } else if (key == "Check") {
        rules.check = fieldNames(value);
    } else if (key == "Points") {
        const std::vector<std::string> names = fieldNames(value);
        if (names.size() > 1) {
            return "Points wants one field name, or none";
        }
        rules.points = names.empty() ? std::string() : names[0];
    } else if (key == "Tolerance") {
        if (!wholeNumber(value, 0, 60, rules.toleranceMinutes)) {
            return "Tolerance wants minutes from 0 to 60";
        }
    } else if (key == "Clock") {
        if (upper(value) != "AUTO" && upper(value) != "OFF") {
            return "Clock wants auto or off";
        }
        rules.clockAuto = upper(value) == "AUTO";
    } else if (key == "SameBandMode") {
        if (upper(value) == "NEVER") {
            rules.repeat.sameNever = true;
        } else if (wholeNumber(value, 0, 100000, number)) {
            rules.repeat.sameNever = false;
            rules.repeat.sameMinutes = sameBandWindow(number);
        } else {
            return "SameBandMode wants never or minutes";
        }
    } else if (key == "OtherBandMode") {
        if (!wholeNumber(value, 0, 100000, rules.repeat.otherMinutes)) {
            return "OtherBandMode wants minutes";
        }
    } else if (key == "NoLog") {
        if (!wholeNumber(value, 1, 100000, rules.noLog)) {
            return "NoLog wants a number of logs, 1 or more";
        }
    } else if (key == "Unique") {
        if (upper(value) != "YES" && upper(value) != "NO") {
            return "Unique wants yes or no";
        }
        rules.unique = upper(value) == "YES";
    } else if (!wholeNumber(value, 0, 1000, key == "NotInLog"     ? rules.penaltyNotInLog
                                          : key == "BustedCall" ? rules.penaltyBustedCall
                                                                : rules.penaltyBustedExchange)) {
        return key + " wants a whole number of contacts' points, 0 to 1000";
    }
    return std::string();
}

// Fields the rules name must be fields the lines have.
std::string consistency(const CrosscheckRules& rules)
{
    for (const std::string& name : rules.check) {
        if (fieldIndex(rules.received, name) < 0 || fieldIndex(rules.sent, name) < 0) {
            return "Check names " + name + ", which is not both a Sent and a Received field";
        }
    }
    if (!rules.points.empty() && fieldIndex(rules.received, rules.points) < 0) {
        return "Points names " + rules.points + ", which is not a Received field";
    }
    return std::string();
}

}  // namespace

bool parseStart(const std::string& text, int32_t& minute)
{
    const std::string t = trimmed(text);
    DateTimeParts start;
    if ((t.size() != 10 && t.size() != 16) || !readDay(t.substr(0, 10), start)) {
        return false;
    }
    if (t.size() == 16 &&
        (t[10] != ' ' || t[13] != ':' || !readHhmm(t.substr(11, 2) + t.substr(14, 2), start))) {
        return false;
    }
    minute = static_cast<int32_t>(minutesSinceOleEpoch(start));
    return true;
}

std::vector<std::string> readRulesFile(const std::string& path, CrosscheckRules& rules)
{
    std::vector<std::string> errors;
    std::string bytes;
    std::string error;
    if (!readFileBytes(path, bytes, error)) {
        return {error};
    }
    // A bare name would send the Windows settings reader to the Windows folder.
    const std::string profile =
        path.find_first_of("/\\:") == std::string::npos ? ".\\" + path : path;
    CrosscheckRules read = rules;
    std::string section;
    std::set<std::string> seen;
    std::size_t number = 0;
    std::size_t at = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (at < bytes.size()) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", at), bytes.size());
        const std::string line = trimmed(bytes.substr(at, end - at));
        at = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        ++number;
        const std::string where = path + ":" + std::to_string(number) + ": ";
        if (line.empty() || line[0] == ';' || line[0] == '#') {
            continue;
        }
        if (line[0] == '[') {
            section = trimmed(line.substr(1, line.find(']') - 1));
            const bool known = std::any_of(std::begin(Keys), std::end(Keys), [&](const Key& k) {
                return upper(k.section) == upper(section);
            });
            if (!known || line.find(']') == std::string::npos) {
                errors.push_back(where + "unknown section " + line);
            }
            continue;
        }
        const std::size_t equals = line.find('=');
        const std::string name = trimmed(line.substr(0, equals));
        const Key* key = nullptr;
        for (const Key& k : Keys) {
            if (upper(k.section) == upper(section) && upper(k.name) == upper(name)) {
                key = &k;
            }
        }
        if (key == nullptr || equals == std::string::npos) {
            errors.push_back(where + (equals == std::string::npos ? "not KEY=VALUE: " + line
                                      : "unknown key " + name + " in [" + section + "]"));
            continue;
        }
        if (!seen.insert(upper(key->section) + "/" + upper(key->name)).second) {
            errors.push_back(where + key->name + " given twice in [" + section + "]");
            continue;
        }
        const std::string value =
            bare(platform::readProfileString(key->section, key->name, "", profile));
        const std::string reason = take(key->name, value, read);
        if (!reason.empty()) {
            errors.push_back(where + reason + ", not \"" + value + "\"");
        }
    }
    const std::string problem = consistency(read);
    if (errors.empty() && !problem.empty()) {
        errors.push_back(path + ": " + problem);
    }
    if (errors.empty()) {
        rules = read;
    }
    return errors;
}
