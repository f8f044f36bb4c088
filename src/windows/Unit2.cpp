#include "windows/Unit2.h"

#include "pictures/PictureBox.h"
#include "shell/HandlerGuard.h"
#include "shell/TrialState.h"
#include "view/IndentationView.h"
#include "view/TimeDial.h"
#include "windows/Controls.h"
#include "windows/KeyboardNavigation.h"
#include "windows/SpeedButton.h"
#include "windows/Unit1.h"

#include <QLabel>
#include <QPushButton>

TForm2* Form2 = nullptr;

namespace {

QLabel* MakeCaption(QWidget* parent, const QString& text, const QRect& place)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setFont(FormFont(32));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SetBackground(label, clYellow);
    return label;
}

SpeedButton* MakeSpeedButton(QWidget* parent, const QString& glyph, const QString& name,
                             const QRect& place)
{
    auto* button = new SpeedButton(parent, glyph);
    button->setGeometry(place);
    button->setAccessibleName(name);
    return button;
}

} // namespace

TForm2::TForm2()
    : FormWindow(QStringLiteral("Испытание"), QRect(35, 40, 909, 815)),
      m_sequence(trialState, *this)
{
    QWidget* area = client();
    setFont(FormFont(11));
    SpeedButton1 = MakeSpeedButton(area, QStringLiteral(":/pictures/start.bmp"),
                                   QStringLiteral("ПУСК"), {776, 304, 105, 97});
    Label1 = MakeCaption(area, QStringLiteral("ПУСК"), {776, 256, 105, 41});
    Label2 = MakeCaption(area, QStringLiteral("Время"), {8, 264, 417, 41});
    Image1 = new PictureBox(area);
    Image1->setGeometry(8, 8, 873, 249);
    Image1->setBuiltInPicture(QStringLiteral(":/pictures/loading-scheme.jpg"));
    Image2 = new IndentationView(area);
    Image2->setGeometry(432, 368, 450, 300);
    // The empty view lies over a corner of START and must not take its clicks.
    Image2->setAttribute(Qt::WA_TransparentForMouseEvents);
    SpeedButton2 = MakeSpeedButton(area, QStringLiteral(":/pictures/magnify.bmp"),
                                   QStringLiteral("Увеличить отпечаток"), {432, 264, 105, 97});
    SpeedButton2->hide();
    SpeedButton3 = MakeSpeedButton(area, QStringLiteral(":/pictures/grid.bmp"),
                                   QStringLiteral("Наложить сетку"), {544, 264, 97, 97});
    SpeedButton3->hide();
    Chart1 = new TimeDial(area);
    Chart1->setGeometry(8, 312, 417, 361);
    Chart1->setAccessibleName(Label2->text());
    Button1 = new QPushButton(QStringLiteral("Завершить"), area);
    Button1->setGeometry(16, 688, 865, 73);
    Button1->setFont(FormFont(32));
    Button1->setAccessibleName(Button1->text());
    fitClientToControls();
    new KeyboardNavigation({Button1}, this);

    const auto onClick = [this](auto* control, auto signal, void (TForm2::*handler)()) {
        connect(control, signal, this,
                [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
    };
    onClick(SpeedButton1, &SpeedButton::clicked, &TForm2::SpeedButton1Click);
    onClick(SpeedButton2, &SpeedButton::clicked, &TForm2::SpeedButton2Click);
    onClick(SpeedButton3, &SpeedButton::clicked, &TForm2::SpeedButton3Click);
    onClick(Button1, &QPushButton::clicked, &TForm2::Button1Click);

    // Ticks that fall due while the program is busy are not made up.
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(250);
    onClick(&Timer1, &QTimer::timeout, &TForm2::Timer1Timer);
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

void TForm2::SpeedButton2Click()
{
    Image2->drawMagnifiedView(trialState.IndentDiameter);
    SpeedButton3->show();
}

void TForm2::SpeedButton3Click()
{
    Image2->drawGridView(trialState.IndentDiameter);
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

void TForm2::clearDial()
{
    Chart1->Clear();
}

void TForm2::addDialSlice(double value, std::string_view label, TColor colour)
{
    Chart1->Add(value, label, colour);
}

void TForm2::drawGrowthFrame(std::int64_t radius)
{
    Image2->drawGrowthFrame(radius);
}

void TForm2::loadSchemeFile(std::string_view fileName)
{
    Image1->LoadFromFile(fileName);
}

void TForm2::hideStartButton()
{
    SpeedButton1->hide();
    Label1->hide();
}

void TForm2::showMagnifyButton()
{
    SpeedButton2->show();
}

void TForm2::stopTimer()
{
    Timer1.stop();
}
