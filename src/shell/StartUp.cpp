#include "shell/StartUp.h"

#include "shell/ArithmeticMode.h"
#include "windows/Unit1.h"
#include "windows/Unit2.h"

#include <QApplication>

int RunProgram(int argc, char** argv)
{
    SetArithmeticMode();
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Windows"));
    // The program ends when the setup window closes, not when the last window does:
    // closing a box while the setup window is minimised must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    TForm1 setupWindow;
    Form1 = &setupWindow;
    TForm2 trialWindow;
    Form2 = &trialWindow;

    setupWindow.show();
    application.exec();
    return 0;
}
