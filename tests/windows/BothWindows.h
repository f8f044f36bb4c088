#pragma once

// Both windows made afresh, as start-up makes them: the setup window first, then the
// hidden trial window, with the trial state back at its start and the program-wide
// references set. The setup window is shown.

#include "windows/Unit1.h"
#include "windows/Unit2.h"

#include <memory>

struct BothWindows {
    BothWindows();
    ~BothWindows();

    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
};
