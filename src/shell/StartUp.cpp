#include "shell/StartUp.h"

#include "shell/ApplicationSetup.h"
#include "shell/ArithmeticMode.h"
#include "windows/Unit1.h"
#include "windows/Unit2.h"

#include <QApplication>

int RunProgram(int argc, char** argv)
{
    SetArithmeticMode();
    QApplication application(argc, argv);
    SetUpApplication();

    TForm1 setupWindow;
    Form1 = &setupWindow;
    TForm2 trialWindow;
    Form2 = &trialWindow;

    setupWindow.show();
    application.exec();
    return 0;
}
