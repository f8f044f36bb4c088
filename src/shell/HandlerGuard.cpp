#include "shell/HandlerGuard.h"

#include "shell/ArithmeticMode.h"
#include "shell/ErrorBox.h"

#include <QCoreApplication>
#include <QTimer>

#include <exception>

void ReportFailure(const char* message)
{
    const QString text = QString::fromUtf8(message);
    QTimer::singleShot(0, QCoreApplication::instance(), [text] { ShowErrorBox(text); });
}

void Guarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& failure) {
        SetArithmeticMode();
        ReportFailure(failure.what());
    }
}
