// When uploads are taken: from the contest's start to the deadline, either end open when not
// given.
#pragma once

#include <cstdint>
#include <string>

struct UploadWindow {
    bool hasStart = false;
    int64_t start = 0;  // seconds since 1970, UTC
    bool hasDeadline = false;
    int64_t deadline = 0;  // the last second taken is the one before it
};

// Empty when an upload at now is taken; otherwise why not, naming when.
std::string windowRefusal(const UploadWindow& window, int64_t now);

// "from 2026-12-09 00:00:00 UTC to 2026-12-14 00:00:00 UTC", for the form.
std::string windowText(const UploadWindow& window);
