// The robot's clock and its one way of writing a time.
#pragma once

#include <cstdint>

#include <string>

// Seconds since 1970, UTC.
int64_t nowSeconds();

// "2026-12-09 18:30:12 UTC".
std::string utcText(int64_t seconds);

// Minutes since the OLE epoch, as the contest's rules hold a start, to seconds since 1970.
int64_t secondsOfOleMinute(int64_t minute);
