// The native runner: Google Benchmark, one benchmark per case and store size.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench_target.h"

namespace {

void runCase(benchmark::State& state, const BenchTarget& target, const BenchCase& benchCase)
{
    BenchRun run(target, static_cast<std::size_t>(state.range(0)));
    benchCase.prepare(run);
    for (auto _ : state) {
        benchCase.operation(run);
        if (benchCase.restore != nullptr) {
            state.PauseTiming();
            benchCase.restore(run);
            state.ResumeTiming();
        }
    }
    benchmark::DoNotOptimize(run.sink);
    if (benchCase.perContact) {
        state.counters["per_call"] = benchmark::Counter(
            static_cast<double>(run.n),
            benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    }
    if (run.heapPerContact != 0) {
        state.counters["bytes_per_contact"] = static_cast<double>(run.heapPerContact);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    static BenchTarget target;
    std::string error;
    if (!openBenchTarget(target, error)) {
        std::fprintf(stderr, "bench: %s\n", error.c_str());
        return 1;
    }
    // The result request writes the claimed score into the host's settings folder.
    std::filesystem::create_directories("Plugins");
    for (const BenchCase& benchCase : benchCases()) {
        benchmark::internal::Benchmark* registered = benchmark::RegisterBenchmark(
            benchCase.name, [&benchCase](benchmark::State& state) {
                runCase(state, target, benchCase);
            });
        for (std::size_t n : benchSizes()) {
            registered->Arg(static_cast<int64_t>(n));
        }
        registered->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
