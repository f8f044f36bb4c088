#include "windows/Unit2.h"

#include "shell/HandlerGuard.h"
#include "shell/TrialState.h"
#include "windows/Controls.h"
#include "windows/Unit1.h"

#include <QPushButton>

TForm2* Form2 = nullptr;

TForm2::TForm2()
    : FormWindow(QStringLiteral("Испытание"), QRect(35, 40, 909, 815)),
      m_sequence(trialState, *this)
{
    QWidget* area = client();
    setFont(FormFont(11));
    Button1 = new QPushButton(QStringLiteral("Завершить"), area);
    Button1->setGeometry(16, 688, 865, 73);
    Button1->setFont(FormFont(32));
    Button1->setAutoDefault(false);
    fitClientToControls();

    connect(Button1, &QPushButton::clicked, this, [this] { Guarded([this] { Button1Click(); }); });

    // Ticks that fall due while the program is busy are not made up.
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(250);
    connect(&Timer1, &QTimer::timeout, this, [this] { Guarded([this] { Timer1Timer(); }); });
    Timer1.start();
}

void TForm2::SpeedButton1Click()
{
    m_sequence.start();
}

void TForm2::Timer1Timer()
{
    m_sequence.tick();
}

void TForm2::Button1Click()
{
    Form1->close();
}

void TForm2::ShowTrial()
{
    show();
    raise();
    activateWindow();
}

void TForm2::clearDial() {}

void TForm2::addDialSlice(double, std::string_view, TColor) {}

void TForm2::drawGrowthFrame(std::int64_t) {}

void TForm2::loadSchemeFile(std::string_view) {}

void TForm2::hideStartButton() {}

void TForm2::showMagnifyButton() {}

void TForm2::stopTimer()
{
    Timer1.stop();
}
