#pragma once

// The setup window, the program's main window: the tester photograph, the indenter
// sketch, the material table with one radio button on each of its 26 green cells,
// the fields for D and P, the start-loading button and the exit button. It holds no
// logic of its own; its handlers forward to the trial model and the shell. Closing
// it by any road ends the program.

#include "model/SelectMaterial.h"
#include "windows/FormWindow.h"

#include <array>

class PictureBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TForm1 : public FormWindow, public MaterialButtons {
    Q_OBJECT
public:
    TForm1();

    PictureBox* Image2; // the tester photograph
    PictureBox* Image1; // the indenter over the specimen
    QLabel* Label1;
    QLabel* Label2;
    PictureBox* Image3; // the material table
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QPushButton* Button1;
    QPushButton* Button2;

    // Material radio button 1 … 26.
    QRadioButton* RadioButton(int number) const { return m_radioButtons[number - 1]; }

    void Button1Click();
    void Button2Click();
    void RadioButtonClick(int number);

    void setMaterialButtonColour(int number, TColor colour) override;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::array<QRadioButton*, 26> m_radioButtons{};
    bool m_trialWindowHidden = false; // by minimising this window
};

extern TForm1* Form1;
