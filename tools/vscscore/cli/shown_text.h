// Text from a log made harmless to show: on a terminal, where an escape sequence would act, and
// on the report's page, which must be valid UTF-8.
#pragma once

#include <string>

// Valid UTF-8 with every control character but tab and line feed (C0, DEL, C1) written as a
// visible escape ("\x1b", "\u009b"), and every byte that is not UTF-8 as "\xHH".
std::string shownText(const std::string& text);
// The same for text that must stay on one line (a call, a file name, a field): tab and line
// feed escaped too.
std::string shownLine(const std::string& text);
