#include "windows/Unit1.h"

#include "model/MaterialCatalogue.h"
#include "model/StartLoading.h"
#include "shell/HandlerGuard.h"
#include "shell/NoticeBox.h"
#include "shell/TrialState.h"
#include "windows/Controls.h"
#include "windows/MaterialButtonPlaces.h"
#include "windows/Unit2.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

TForm1* Form1 = nullptr;

namespace {

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& place)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setFont(FormFont(19));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetBackground(label, clPaleGreen);
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const QString& text, const QRect& place)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setGeometry(place);
    edit->setFont(FormFont(19));
    return edit;
}

QPushButton* MakeButton(QWidget* parent, const QString& text, const QRect& place)
{
    auto* button = new QPushButton(text, parent);
    button->setGeometry(place);
    button->setFont(FormFont(32));
    button->setAutoDefault(false);
    return button;
}

} // namespace

TForm1::TForm1()
    : FormWindow(QStringLiteral("Определение твердости по Бринеллю"), QRect(168, 12, 1154, 986))
{
    QWidget* area = client();
    setFont(FormFont(11));
    Label1 = MakeLabel(area, QStringLiteral(" диаметр шарика индентора "), {554, 8, 280, 30});
    Label2 = MakeLabel(area, QStringLiteral(" нагрузка, кГс "), {554, 40, 280, 30});
    Edit1 = MakeEdit(area, QStringLiteral("10"), {839, 8, 100, 30});
    Edit2 = MakeEdit(area, QStringLiteral("3000"), {839, 40, 100, 30});
    Button1 = MakeButton(area, QStringLiteral("Начать нагружение"), {560, 752, 561, 81});
    for (int number = 1; number <= MaterialCount; ++number) {
        const MaterialButtonPlace place = MaterialButtonPlaces[number - 1];
        auto* radio = new QRadioButton(QStringLiteral(" V"), area);
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(number));
        radio->setGeometry(place.left, place.top, MaterialButtonWidth, MaterialButtonHeight);
        radio->setFont(FormFont(19));
        SetBackground(radio, clYellow);
        // Runs only when the button becomes the checked one, never for a click on the
        // button that is checked already.
        connect(radio, &QRadioButton::toggled, this, [this, number](bool checked) {
            if (checked)
                Guarded([this, number] { RadioButtonClick(number); });
        });
        m_radioButtons[number - 1] = radio;
    }
    Button2 = MakeButton(area, QStringLiteral("Завершить и выйти"), {560, 848, 561, 81});
    fitClientToControls();

    connect(Button1, &QPushButton::clicked, this, [this] { Guarded([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { Guarded([this] { Button2Click(); }); });
}

void TForm1::RadioButtonClick(int number)
{
    MaterialButtonClick(number, trialState, *this);
}

void TForm1::setMaterialButtonColour(int number, TColor colour)
{
    QRadioButton* radio = RadioButton(number);
    SetBackground(radio, colour);
    radio->repaint();
}

void TForm1::Button1Click()
{
    const auto result =
        StartLoading(trialState, Edit1->text().toStdString(), Edit2->text().toStdString());
    if (result == StartLoadingResult::NoMaterialChosen) {
        ShowMessage(QStringLiteral("Не выбран материал для испытания"));
        return;
    }
    Form2->ShowTrial();
}

void TForm1::Button2Click()
{
    close();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // The main window: closing it by any road ends the program at once.
    event->accept();
    QApplication::quit();
}
