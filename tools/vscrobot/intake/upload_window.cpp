// The window's two ends, each judged on its own side: the start taken, the deadline not.
#include "vscrobot/intake/upload_window.h"

#include "vscrobot/intake/utc_time.h"

std::string windowRefusal(const UploadWindow& window, int64_t now)
{
    if (window.hasStart && now < window.start) {
        return "Uploads open at the contest's start, " + utcText(window.start) + ".";
    }
    if (window.hasDeadline && now >= window.deadline) {
        return "Uploads closed at the deadline, " + utcText(window.deadline) + ".";
    }
    return std::string();
}

std::string windowText(const UploadWindow& window)
{
    const std::string from = window.hasStart ? "from " + utcText(window.start) : "from now";
    const std::string to = window.hasDeadline ? "until " + utcText(window.deadline)
                                              : "with no deadline set";
    return from + " " + to;
}
