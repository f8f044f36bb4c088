// The program run as a student runs it, from start-up through one whole trial to the
// finish button, by a script that works the controls from inside the event loop. It
// ends through the program's own shutdown, so that in the sanitizer build
// LeakSanitizer's check at exit sees whatever the run left allocated. Ticks come from
// the trial window's own timer, set faster so that the run takes no 15 seconds.

#include "shell/StartUp.h"
#include "shell/TrialState.h"
#include "windows/SpeedButton.h"
#include "windows/Unit1.h"
#include "windows/Unit2.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

bool magnifiedAndGridDrawn = false;

// Waits, from inside the event loop, for the trial's end, then magnifies, lays the
// grid and finishes.
void FinishWhenTheTrialIsOver()
{
    if (Form2->Timer1.isActive() || !Form2->SpeedButton2->isVisible()) {
        QTimer::singleShot(10, FinishWhenTheTrialIsOver);
        return;
    }
    QTest::mouseClick(Form2->SpeedButton2, Qt::LeftButton);
    QTest::mouseClick(Form2->SpeedButton3, Qt::LeftButton);
    magnifiedAndGridDrawn = Form2->SpeedButton3->isVisible();
    Form2->Button1->click();
}

void PlayOneTrial()
{
    QTest::mouseClick(Form1->RadioButton(1), Qt::LeftButton);
    Form1->Button1->click();
    Form2->Timer1.setInterval(5);
    QTest::mouseClick(Form2->SpeedButton1, Qt::LeftButton);
    FinishWhenTheTrialIsOver();
}

// Runs as the program's application object is made, before its windows exist; the
// script itself waits for the event loop.
void QueueTheScript()
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), PlayOneTrial, Qt::QueuedConnection);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(QueueTheScript)

int main(int argc, char** argv)
{
    const int status = RunProgram(argc, argv);
    const bool played = trialState.TickCount == 60 && !trialState.Loading && magnifiedAndGridDrawn;
    if (!played)
        std::fprintf(stderr, "The trial stopped at tick %d.\n", trialState.TickCount);
    return played ? status : 1;
}
