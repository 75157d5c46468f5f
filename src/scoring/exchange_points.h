// Points of one contact: the leading integer of its received exchange text.
#pragma once

#include <cstdint>
#include <string>

// Reads the text as atoi does (C-locale white space, an optional sign, decimal digits up to
// the first other character, 0 without digits), saturating at the 32-bit limits.
int32_t exchangePoints(const std::string& exchRcvd);

// A sum of points as the summary shows it: held at the 32-bit limits rather than wrapped.
int32_t saturatedPoints(int64_t sum);

// What the exchange's points make of its text: a plain integer (an optional sign and digits,
// blanks around them) in the 32-bit range scores what it says; one beyond it is held at the
// limit; anything else scores its leading integer, or 0.
enum class PointsText { Plain, BeyondRange, NotInteger };
PointsText pointsText(const std::string& exchRcvd);
