#include "windows/Unit1.h"

#include "model/MaterialCatalogue.h"
#include "model/StartLoading.h"
#include "pictures/PictureBox.h"
#include "shell/HandlerGuard.h"
#include "shell/NoticeBox.h"
#include "shell/TrialState.h"
#include "windows/Controls.h"
#include "windows/KeyboardNavigation.h"
#include "windows/MaterialButtonPlaces.h"
#include "windows/Unit2.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <limits>

TForm1* Form1 = nullptr;

namespace {

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& place)
{
    auto* label = new QLabel(text, parent);
    label->setAccessibleName(text.trimmed());
    label->setGeometry(place);
    label->setFont(FormFont(19));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetBackground(label, clPaleGreen);
    return label;
}

PictureBox* MakePicture(QWidget* parent, const QString& picture, PictureBox::Fitting fitting,
                        const QRect& place)
{
    auto* box = new PictureBox(parent, fitting);
    box->setGeometry(place);
    box->setBuiltInPicture(picture);
    return box;
}

QLineEdit* MakeEdit(QWidget* parent, const QString& text, const QString& accessibleName,
                    const QRect& place)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setAccessibleName(accessibleName);
    // The fields take text of any length, as pasted.
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setGeometry(place);
    edit->setFont(FormFont(19));
    return edit;
}

QPushButton* MakeButton(QWidget* parent, const QString& text, const QRect& place)
{
    auto* button = new QPushButton(text, parent);
    button->setAccessibleName(text);
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
    Image2 = MakePicture(area, QStringLiteral(":/pictures/tester.jpg"),
                         PictureBox::Fitting::NaturalSize, {8, 8, 537, 657});
    Image1 = MakePicture(area, QStringLiteral(":/pictures/indenter.jpg"),
                         PictureBox::Fitting::Proportional, {360, 664, 185, 273});
    Label1 = MakeLabel(area, QStringLiteral(" диаметр шарика индентора "), {554, 8, 280, 30});
    Label2 = MakeLabel(area, QStringLiteral(" нагрузка, кГс "), {554, 40, 280, 30});
    Image3 = MakePicture(area, QStringLiteral(":/pictures/material-table.jpg"),
                         PictureBox::Fitting::NaturalSize, {552, 80, 569, 657});
    Edit1 = MakeEdit(area, QStringLiteral("10"), Label1->accessibleName(), {839, 8, 100, 30});
    Edit2 = MakeEdit(area, QStringLiteral("3000"), Label2->accessibleName(), {839, 40, 100, 30});
    Button1 = MakeButton(area, QStringLiteral("Начать нагружение"), {560, 752, 561, 81});
    for (int number = 1; number <= MaterialCount; ++number) {
        const MaterialButtonPlace place = MaterialButtonPlaces[number - 1];
        auto* radio = new QRadioButton(QStringLiteral(" V"), area);
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(number));
        radio->setGeometry(place.left, place.top, MaterialButtonWidth, MaterialButtonHeight);
        radio->setFont(FormFont(19));
        radio->setAccessibleName(
            QString::fromStdString(MaterialDescription(MaterialCatalogue[number - 1])));
        // Only the checked radio button is a tab stop; none is at first.
        radio->setFocusPolicy(Qt::ClickFocus);
        SetBackground(radio, clYellow);
        // Runs only when the button becomes the checked one, never for a click on the
        // button that is checked already.
        connect(radio, &QRadioButton::toggled, this, [this, radio, number](bool checked) {
            radio->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
            if (checked)
                Guarded([this, number] { RadioButtonClick(number); });
        });
        m_radioButtons[number - 1] = radio;
    }
    Button2 = MakeButton(area, QStringLiteral("Завершить и выйти"), {560, 848, 561, 81});
    fitClientToControls();

    std::vector<QWidget*> tabOrder{Edit1, Edit2, Button1};
    tabOrder.insert(tabOrder.end(), m_radioButtons.begin(), m_radioButtons.end());
    tabOrder.push_back(Button2);
    new KeyboardNavigation(tabOrder, this);

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

void TForm1::changeEvent(QEvent* event)
{
    FormWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    // Minimising the main window minimises the whole program: the trial window goes
    // with it and comes back when the program is restored.
    if (isMinimized() && Form2 && Form2->isVisible()) {
        m_trialWindowHidden = true;
        Form2->hide();
    } else if (!isMinimized() && m_trialWindowHidden) {
        m_trialWindowHidden = false;
        Form2->show();
    }
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // The main window: closing it by any road ends the program at once.
    event->accept();
    QApplication::quit();
}
