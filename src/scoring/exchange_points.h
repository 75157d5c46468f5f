// Points of one contact: the leading integer of its received exchange text.
#pragma once

#include <cstdint>
#include <string>

// Reads the text as atoi does (C-locale white space, an optional sign, decimal digits up to
// the first other character, 0 without digits), saturating at the 32-bit limits.
int32_t exchangePoints(const std::string& exchRcvd);
