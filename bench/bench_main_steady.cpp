// The Windows runner: Debian has no MinGW build of Google Benchmark, so the same cases are
// timed with the steady clock, each repeated for at least half a second, and printed as a
// table of microseconds per operation. An argument keeps only the cases whose names hold it.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench_target.h"

namespace {

using Clock = std::chrono::steady_clock;

double microsecondsPerOperation(const BenchCase& benchCase, BenchRun& run)
{
    const Clock::duration least = std::chrono::milliseconds(500);
    Clock::duration measured{};
    long operations = 0;
    while (measured < least || operations < 3) {
        const Clock::time_point start = Clock::now();
        benchCase.operation(run);
        measured += Clock::now() - start;
        ++operations;
        if (benchCase.restore != nullptr) {
            benchCase.restore(run);
        }
    }
    const double total = std::chrono::duration<double, std::micro>(measured).count();
    return total / static_cast<double>(operations);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string only = argc > 1 ? argv[1] : "";
    static BenchTarget target;
    std::string error;
    if (!openBenchTarget(target, error)) {
        std::fprintf(stderr, "bench: %s\n", error.c_str());
        return 1;
    }
    std::filesystem::create_directories("Plugins");
    std::printf("%-22s %10s %14s %14s\n", "case", "contacts", "us/operation", "bytes/contact");
    for (const BenchCase& benchCase : benchCases()) {
        if (std::string(benchCase.name).find(only) == std::string::npos) {
            continue;
        }
        for (std::size_t n : benchSizes()) {
            BenchRun run(target, n);
            benchCase.prepare(run);
            double micros = microsecondsPerOperation(benchCase, run);
            if (benchCase.perContact) {
                micros /= static_cast<double>(n);
            }
            std::printf("%-22s %10lu %14.3f %14lu\n", benchCase.name,
                        static_cast<unsigned long>(n), micros,
                        static_cast<unsigned long>(run.heapPerContact));
            std::fflush(stdout);
        }
    }
    return 0;
}
