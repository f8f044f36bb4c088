// The benchmarks' main: the application as the program makes it (arithmetic mode,
// the Windows style), on the offscreen platform unless the environment names another.

#include "shell/ApplicationSetup.h"
#include "shell/ArithmeticMode.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    SetArithmeticMode();
    QApplication application(argc, argv);
    SetUpApplication();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
