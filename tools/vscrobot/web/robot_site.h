// What each address of the robot's web side answers, apart from HTTP: the server hands in
// the request's facts and sends the reply as it is.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "vscrobot/intake/robot_contest.h"

class LogStore;

struct HttpReply {
    unsigned status = 200;
    std::string contentType = "text/html; charset=utf-8";
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers;  // beyond the ones every page has
};

class RobotSite {
public:
    RobotSite(LogStore& store, const RobotContest& contest, std::string dataFolder,
              unsigned long long maxBody)
        : store_(store), contest_(contest), data_(std::move(dataFolder)), maxBody_(maxBody)
    {
    }

    HttpReply get(const std::string& path) const;

    // Why an upload at now is not taken (403), or empty.
    std::string closed(int64_t now) const;

    // The log's bytes as the form sent them.
    HttpReply submit(const std::string& bytes, int64_t now);

    unsigned long long maxBody() const { return maxBody_; }

private:
    HttpReply published(const std::string& rest) const;

    LogStore& store_;
    const RobotContest& contest_;
    std::string data_;
    unsigned long long maxBody_;
};

HttpReply messageReply(unsigned status, const std::string& title, const std::string& text);

// The published site's folder in a data folder.
std::string resultsFolder(const std::string& dataFolder);
