// How entry points read what the host passes: a host bug must not take the host down.
#pragma once

#include <string>

#include "scoring/ole_date.h"

// A null text reads as an empty text.
inline std::string textArg(const char* text)
{
    return text != nullptr ? std::string(text) : std::string();
}

inline bool isEmptyText(const char* text)
{
    return text == nullptr || *text == '\0';
}

// A null date reads as a null date.
inline DateRecord dateArg(const COleDateTime* date)
{
    return DateRecord::fromHost(date);
}
