// The plug-in the benchmark drives: linked in natively, Stats.dll loaded by name on Windows.
#pragma once

#include <string>

#include "bench_cases.h"

// False, with the reason in error, when there is nothing to measure.
bool openBenchTarget(BenchTarget& target, std::string& error);
