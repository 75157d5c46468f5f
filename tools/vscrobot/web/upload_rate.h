// Uploads per client address in the last minute, for 429 with Retry-After.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <string>

class UploadRate {
public:
    explicit UploadRate(unsigned perMinute) : perMinute_(perMinute) {}

    // 0 when an upload from address at now is taken (and counted); otherwise the seconds
    // until it would be. A limit of 0 takes every upload.
    int64_t retryAfter(const std::string& address, int64_t now);

private:
    unsigned perMinute_;
    std::map<std::string, std::deque<int64_t>> recent_;
    std::mutex mutex_;
};
