#pragma once

#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

// Runs the registered benchmarks with the usual console output, then prints for each pair
// (work, limit) how many times slower the work is than its limit, measured in the same run.
// Call from main() after benchmark::Initialize.
int RunWithRatios(const std::vector<std::pair<std::string, std::string>> &pairs);
