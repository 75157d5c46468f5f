// A sliding minute per address; addresses quiet for a minute are forgotten, so the map stays
// as small as the clients of the last minute.
#include "vscrobot/web/upload_rate.h"

namespace {

constexpr int64_t Window = 60;

}  // namespace

int64_t UploadRate::retryAfter(const std::string& address, int64_t now)
{
    if (perMinute_ == 0) {
        return 0;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    if (recent_.size() > 4096) {
        for (auto it = recent_.begin(); it != recent_.end();) {
            it = it->second.empty() || it->second.back() <= now - Window ? recent_.erase(it)
                                                                         : std::next(it);
        }
    }
    std::deque<int64_t>& times = recent_[address];
    while (!times.empty() && times.front() <= now - Window) {
        times.pop_front();
    }
    if (times.size() >= perMinute_) {
        return times.front() + Window - now;
    }
    times.push_back(now);
    return 0;
}
