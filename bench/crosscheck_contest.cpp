// The cross-check's benchmark contest: "generate DIR LOGS LINES SEED" writes a simulated
// contest of about that size as Cabrillo files; "lint DIR" times lint on every file in DIR,
// in one process, for the comparison with vscscore crosscheck on the same files.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "lint/lint_rules.h"
#include "contest_simulator.h"
#include "input/file_bytes.h"
#include "platform/folder_access.h"

namespace {

int generate(const std::string& folder, uint32_t logs, double lines, uint32_t seed)
{
    SimulationSize size;
    size.seed = seed;
    size.entrants = logs;
    size.busyLogless = logs / 12;
    size.rareLogless = logs / 5;
    size.startMinute = simulatedStart();
    // About 8.8 lines a log for each contact an hour of the average rate.
    size.meanRate = lines / logs / 9.3;
    SimulatedContest contest = simulateContest(size);
    std::string error;
    if (!makeFolder(folder, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    uint64_t total = 0;
    uint64_t bytes = 0;
    for (SimLog& log : contest.logs) {
        const std::string text = cabrilloText(log);
        if (!writeReportFile(folder + "/" + log.call + ".cbr", text, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        total += log.lines.size();
        bytes += text.size();
        log.lines = std::vector<SimLine>();
    }
    std::printf("%zu logs, %llu QSO lines, %llu bytes in %s\n", contest.logs.size(),
                static_cast<unsigned long long>(total), static_cast<unsigned long long>(bytes),
                folder.c_str());
    return 0;
}

int lintAll(const std::string& folder)
{
    std::vector<std::string> names;
    std::vector<SkippedEntry> skipped;
    std::string error;
    if (!listFolder(folder, names, skipped, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    uint64_t lines = 0;
    for (const std::string& name : names) {
        std::string bytes;
        if (!readFileBytes(folder + "/" + name, bytes, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        lines += lintCabrillo(bytes, ContestPeriod()).qsoLines;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("lint: %zu files, %llu QSO lines in %.2f s\n", names.size(),
                static_cast<unsigned long long>(lines), took.count());
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 5 && args[0] == "generate") {
        return generate(args[1], static_cast<uint32_t>(std::stoul(args[2])), std::stod(args[3]),
                        static_cast<uint32_t>(std::stoul(args[4])));
    }
    if (args.size() == 2 && args[0] == "lint") {
        return lintAll(args[1]);
    }
    std::fprintf(stderr, "usage: crosscheck_contest generate DIR LOGS LINES SEED | lint DIR\n");
    return 2;
}
