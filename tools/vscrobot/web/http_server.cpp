// The daemon's set-up and its address; the requests themselves are in http_requests.cpp.
#include "vscrobot/web/http_server.h"

#include <arpa/inet.h>
#include <microhttpd.h>
#include <netinet/in.h>

#include <cstring>

#include "vscrobot/cli/robot_options.h"
#include "vscrobot/web/http_requests.h"

namespace {

// Headers and the read buffer of one connection; the body goes to the handler, which bounds
// it by the body limit.
constexpr size_t ConnectionMemory = 128 * 1024;
constexpr unsigned ConnectionLimit = 512;
constexpr unsigned Threads = 4;

}  // namespace

bool parseListen(const std::string& text, ServerSettings& settings)
{
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos) {
        return false;
    }
    in_addr address{};
    unsigned long long port = 0;
    const std::string host = text.substr(0, colon);
    if (inet_pton(AF_INET, host.c_str(), &address) != 1 ||
        !readCount(text.substr(colon + 1), 0, 65535, port)) {
        return false;
    }
    settings.address = host;
    settings.port = static_cast<uint16_t>(port);
    return true;
}

HttpServer::~HttpServer()
{
    stop();
}

bool HttpServer::start(std::string& why)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(settings_.port);
    inet_pton(AF_INET, settings_.address.c_str(), &address.sin_addr);
    daemon_ = MHD_start_daemon(
        MHD_USE_AUTO_INTERNAL_THREAD | MHD_USE_ERROR_LOG, settings_.port, nullptr, nullptr,
        &handleRequest, this, MHD_OPTION_SOCK_ADDR, reinterpret_cast<sockaddr*>(&address),
        MHD_OPTION_THREAD_POOL_SIZE, Threads, MHD_OPTION_CONNECTION_TIMEOUT,
        settings_.timeoutSeconds, MHD_OPTION_CONNECTION_MEMORY_LIMIT, ConnectionMemory,
        MHD_OPTION_CONNECTION_LIMIT, ConnectionLimit, MHD_OPTION_NOTIFY_COMPLETED,
        &requestCompleted, nullptr, MHD_OPTION_END);
    if (daemon_ == nullptr) {
        why = "cannot listen on " + settings_.address + ":" + std::to_string(settings_.port) +
              ": " + std::strerror(errno);
        return false;
    }
    return true;
}

uint16_t HttpServer::port() const
{
    const MHD_DaemonInfo* info = MHD_get_daemon_info(daemon_, MHD_DAEMON_INFO_BIND_PORT);
    return info != nullptr ? info->port : settings_.port;
}

void HttpServer::stop()
{
    if (daemon_ != nullptr) {
        MHD_stop_daemon(daemon_);
        daemon_ = nullptr;
    }
}
