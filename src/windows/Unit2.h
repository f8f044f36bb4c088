#pragma once

// The trial window, where a trial is played: the scheme picture across the top, the
// time dial, the indentation view, the START, magnify and grid buttons and the finish
// button. Its 250 ms timer drives the loading sequence; the window carries out the
// sequence's requests on its controls and holds no logic of its own. Closing it only
// hides it: the timer and the sequence go on.

#include "model/LoadingSequence.h"
#include "windows/FormWindow.h"

#include <QTimer>

class IndentationView;
class PictureBox;
class QLabel;
class QPushButton;
class SpeedButton;
class TimeDial;

class TForm2 : public FormWindow, public TrialRequests {
    Q_OBJECT
public:
    TForm2();

    SpeedButton* SpeedButton1; // START
    QLabel* Label1;            // "ПУСК"
    QLabel* Label2;            // "Время"
    PictureBox* Image1;        // the scheme picture
    IndentationView* Image2;
    SpeedButton* SpeedButton2; // magnify
    SpeedButton* SpeedButton3; // grid
    TimeDial* Chart1;
    QPushButton* Button1; // finish
    QTimer Timer1;

    void SpeedButton1Click();
    void Timer1Timer();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void Button1Click();

    // Shows the window where it was last left, raises and activates it. A window
    // minimised on its own is activated but stays minimised.
    void ShowTrial();

    void clearDial() override;
    void addDialSlice(double value, std::string_view label, TColor colour) override;
    void drawGrowthFrame(std::int64_t radius) override;
    void loadSchemeFile(std::string_view fileName) override;
    void hideStartButton() override;
    void showMagnifyButton() override;
    void stopTimer() override;

private:
    LoadingSequence m_sequence;
};

extern TForm2* Form2;
