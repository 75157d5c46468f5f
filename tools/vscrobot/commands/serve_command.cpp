// vscrobot serve: the store, the site and the server, until SIGTERM or SIGINT.
#include <csignal>
#include <cstdio>
#include <pthread.h>

#include "vscrobot/cli/robot_commands.h"
#include "vscrobot/store/log_store.h"
#include "vscrobot/web/http_server.h"
#include "vscrobot/web/robot_site.h"

namespace {

bool readLimits(const RobotOptions& options, ServerSettings& settings,
                unsigned long long& maxBody)
{
    unsigned long long value = 0;
    if (!parseListen(options.listen, settings)) {
        robotSay("--listen wants ADDRESS:PORT (IPv4), not " + options.listen);
        return false;
    }
    if (!readCount(options.maxBody, 1024, 1ULL << 30, maxBody)) {
        robotSay("--max-body wants bytes from 1024 to 1073741824, not " + options.maxBody);
        return false;
    }
    if (!readCount(options.uploadsPerMinute, 0, 1000000, value)) {
        robotSay("--uploads-per-minute wants a whole number, not " + options.uploadsPerMinute);
        return false;
    }
    settings.uploadsPerMinute = static_cast<unsigned>(value);
    if (!readCount(options.timeout, 1, 3600, value)) {
        robotSay("--timeout wants seconds from 1 to 3600, not " + options.timeout);
        return false;
    }
    settings.timeoutSeconds = static_cast<unsigned>(value);
    settings.trustedProxy = options.trustedProxy;
    return true;
}

}  // namespace

int serveCommand(const RobotOptions& options)
{
    RobotContest contest;
    const std::string problem = readContest(options, contest);
    ServerSettings settings;
    unsigned long long maxBody = 0;
    if (!problem.empty()) {
        robotSay(problem);
        return RobotUsage;
    }
    if (!readLimits(options, settings, maxBody)) {
        return RobotUsage;
    }
    LogStore store;
    if (!openStore(options, store)) {
        return RobotStoreFailed;
    }
    std::string why;
    // Blocked before the server's threads start, so they inherit the mask and only this
    // thread takes the signals. A shell starts a background job with SIGINT ignored, and
    // whether an ignored signal stays pending is left open by POSIX: the default goes back
    // first.
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    sigset_t stopping;
    sigemptyset(&stopping);
    sigaddset(&stopping, SIGTERM);
    sigaddset(&stopping, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopping, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    RobotSite site(store, contest, options.data, maxBody);
    HttpServer server(site, settings);
    if (!server.start(why)) {
        robotSay(why);
        return RobotUsage;
    }
    std::printf("listening on http://%s:%u/\n", settings.address.c_str(),
                static_cast<unsigned>(server.port()));
    std::fflush(stdout);
    int signal = 0;
    sigwait(&stopping, &signal);
    server.stop();
    return RobotOk;
}
