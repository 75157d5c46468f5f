// gmtime_r and strftime: the C library already knows the calendar.
#include "vscrobot/intake/utc_time.h"

#include <ctime>

int64_t nowSeconds()
{
    return static_cast<int64_t>(std::time(nullptr));
}

std::string utcText(int64_t seconds)
{
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm parts{};
    char text[40];
    if (gmtime_r(&t, &parts) == nullptr ||
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &parts) == 0) {
        return std::to_string(seconds) + " s";
    }
    return text;
}

int64_t secondsOfOleMinute(int64_t minute)
{
    // 1970-01-01 is day 25569 after 1899-12-30.
    return (minute - 25569LL * 1440) * 60;
}
