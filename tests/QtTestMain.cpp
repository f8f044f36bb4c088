// The main of every widget test: the application on the platform the environment
// names (offscreen under CTest), with the program's own style.

#include "shell/ApplicationSetup.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    SetUpApplication();
    return RUN_ALL_TESTS();
}
