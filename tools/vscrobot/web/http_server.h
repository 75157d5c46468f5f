// The robot's HTTP side on libmicrohttpd: its threads, timeouts and memory limits, the body
// limit, multipart through its post processor, and the upload rate per client.
#pragma once

#include <cstdint>
#include <string>

#include "vscrobot/web/upload_rate.h"

class RobotSite;
struct MHD_Daemon;

struct ServerSettings {
    std::string address = "127.0.0.1";
    uint16_t port = 8080;  // 0: a free one
    unsigned timeoutSeconds = 30;
    unsigned uploadsPerMinute = 10;
    std::string trustedProxy;  // its X-Forwarded-For names the client
};

class HttpServer {
public:
    HttpServer(RobotSite& site, const ServerSettings& settings)
        : site_(site), settings_(settings), rate_(settings.uploadsPerMinute)
    {
    }
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    // Listens; false, with why, when it cannot.
    bool start(std::string& why);
    uint16_t port() const;
    void stop();

    // For the request handlers.
    RobotSite& site() { return site_; }
    const ServerSettings& settings() const { return settings_; }
    UploadRate& rate() { return rate_; }

private:
    RobotSite& site_;
    ServerSettings settings_;
    UploadRate rate_;
    MHD_Daemon* daemon_ = nullptr;
};

// "127.0.0.1:8080" into its parts; false when it is no IPv4 address and port.
bool parseListen(const std::string& text, ServerSettings& settings);
