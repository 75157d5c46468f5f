// The small text helpers every reader of a log shares: case, blanks and digits as logs write
// them, ASCII only, whatever the locale.
#pragma once

#include <string>
#include <string_view>

// Blanks and tabs: what separates fields in a log's lines.
constexpr char Blanks[] = " \t";

std::string upper(std::string_view text);

// Without the blanks and tabs at either end.
std::string trimmed(std::string_view text);

// One or more of 0-9 and nothing else.
bool digitsOnly(std::string_view text);

// The value of digits checked by digitsOnly, read by hand: every QSO line comes here.
int digitsValue(std::string_view digits);

// Up to six digits naming a number from low to high: a count of hours or minutes given on a
// command line or in a rules file.
bool wholeNumber(std::string_view text, unsigned low, unsigned high, unsigned& value);
