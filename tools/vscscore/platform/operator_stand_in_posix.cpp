// The POSIX plug-in reports on standard error; the driver reads that report while passing it
// on. Its header form uses the terminal itself, so nothing here answers it.
#include "platform/operator_stand_in.h"

#include <unistd.h>

#include <cstdio>

std::string asOperator(const std::function<void()>& call)
{
    std::fflush(stderr);
    std::FILE* capture = std::tmpfile();
    const int saved = capture != nullptr ? dup(STDERR_FILENO) : -1;
    if (saved < 0 || dup2(fileno(capture), STDERR_FILENO) < 0) {
        if (capture != nullptr) {
            std::fclose(capture);
        }
        if (saved >= 0) {
            close(saved);
        }
        call();
        return std::string();
    }
    call();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    std::string report;
    std::rewind(capture);
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, capture)) > 0) {
        report.append(buffer, got);
    }
    std::fclose(capture);
    std::fputs(report.c_str(), stderr);
    std::fflush(stderr);
    return report;
}
