// The start-loading calculation: both field texts converted and the diameter worked out.

#include "model/IndentDiameter.h"
#include "model/StrToInt.h"

#include <benchmark/benchmark.h>

namespace {

void StartLoadingCalculation(benchmark::State& state)
{
    const std::string ballText = "10";
    const std::string loadText = "3000";
    for (auto _ : state) {
        const std::int32_t ball = StrToInt(ballText);
        const std::int32_t load = StrToInt(loadText);
        benchmark::DoNotOptimize(ComputeIndentDiameter(load, 190, ball));
    }
}
BENCHMARK(StartLoadingCalculation);

} // namespace
