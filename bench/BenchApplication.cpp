#include "BenchApplication.h"

#include "shell/ApplicationSetup.h"
#include "shell/ArithmeticMode.h"

namespace {

// Runs before QApplication's constructor, which reads the platform's name.
int& PrepareForApplication(int& argc)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    SetArithmeticMode();
    return argc;
}

} // namespace

BenchApplication::BenchApplication(int& argc, char** argv)
    : QApplication(PrepareForApplication(argc), argv)
{
    SetUpApplication();
}
