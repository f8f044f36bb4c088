#include "shell/ApplicationSetup.h"

#include <QApplication>

void SetUpApplication()
{
    QApplication::setStyle(QStringLiteral("Windows"));
    QApplication::setQuitOnLastWindowClosed(false);
}
