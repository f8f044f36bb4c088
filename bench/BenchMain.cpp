// The benchmarks' main: the application as the program makes it, then Google Benchmark.

#include "BenchApplication.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    BenchApplication application(argc, argv);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
