// The dates the driver reads from logs, its command line and rules files, each checked against
// the calendar once, here: 2025-02-29 is no day.
#pragma once

#include <string_view>

#include "scoring/ole_date.h"

// Whether year, month and day name a day of the calendar the host's dates hold.
bool calendarDay(const DateTimeParts& parts);

// "YYYY-MM-DD", or "YYYYMMDD" when compact is allowed: a calendar day, at 0000.
bool readDay(std::string_view text, DateTimeParts& day, bool compact = false);

// "HHMM" from 0000 to 2359, into day's hour and minute.
bool readHhmm(std::string_view text, DateTimeParts& day);
