// The POSIX build shows a box as one line on standard error: "Output: " and the text.
#include "report_boxes.h"

#include <unistd.h>

#include <cstdio>
#include <sstream>

#include "support/files.h"

std::vector<std::string> reportsShownBy(const std::function<void()>& action)
{
    const char* const captured = "report-boxes.txt";
    std::fflush(stderr);
    const int saved = ::dup(STDERR_FILENO);
    if (saved < 0 || std::freopen(captured, "w", stderr) == nullptr) {
        action();
        return {};
    }
    action();
    std::fflush(stderr);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    std::vector<std::string> reports;
    std::istringstream in(support::fileText(captured));
    const std::string prefix = "Output: ";
    for (std::string line; std::getline(in, line);) {
        if (line.compare(0, prefix.size(), prefix) == 0) {
            reports.push_back(line.substr(prefix.size()));
        }
    }
    std::remove(captured);
    return reports;
}
