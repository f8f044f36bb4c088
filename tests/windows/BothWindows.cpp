#include "BothWindows.h"

#include "shell/TrialState.h"

BothWindows::BothWindows()
{
    trialState = TrialState{};
    form1 = std::make_unique<TForm1>();
    Form1 = form1.get();
    form2 = std::make_unique<TForm2>();
    Form2 = form2.get();
    form1->show();
}

BothWindows::~BothWindows()
{
    form2.reset();
    form1.reset();
    Form1 = nullptr;
    Form2 = nullptr;
}
