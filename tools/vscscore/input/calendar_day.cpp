#include "input/calendar_day.h"

#include <string>

#include "input/plain_text.h"

bool calendarDay(const DateTimeParts& parts)
{
    double value = 0.0;
    DateTimeParts check;
    return makeOleDate(parts, value) && breakDownOleDate(value, check) &&
           check.year == parts.year && check.month == parts.month && check.day == parts.day;
}

bool readDay(std::string_view text, DateTimeParts& day, bool compact)
{
    std::string digits;
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        digits.append(text.substr(0, 4)).append(text.substr(5, 2)).append(text.substr(8, 2));
    } else if (compact && text.size() == 8) {
        digits.assign(text);
    }
    if (digits.size() != 8 || !digitsOnly(digits)) {
        return false;
    }
    DateTimeParts parts;
    parts.year = digitsValue(std::string_view(digits).substr(0, 4));
    parts.month = digitsValue(std::string_view(digits).substr(4, 2));
    parts.day = digitsValue(std::string_view(digits).substr(6, 2));
    if (!calendarDay(parts)) {
        return false;
    }
    day = parts;
    return true;
}

bool readHhmm(std::string_view text, DateTimeParts& day)
{
    if (text.size() != 4 || !digitsOnly(text)) {
        return false;
    }
    const int hour = digitsValue(text.substr(0, 2));
    const int minute = digitsValue(text.substr(2, 2));
    if (hour > 23 || minute > 59) {
        return false;
    }
    day.hour = hour;
    day.minute = minute;
    return true;
}
