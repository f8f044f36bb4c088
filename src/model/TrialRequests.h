#pragma once

// What the loading sequence asks of the trial window. The window carries each
// request out on its controls; tests record them.

#include "model/TColor.h"

#include <cstdint>
#include <string_view>

class TrialRequests {
public:
    virtual ~TrialRequests() = default;

    // Empties the time dial.
    virtual void clearDial() = 0;
    // Adds a slice after the existing ones; the label is kept and never shown.
    virtual void addDialSlice(double value, std::string_view label, TColor colour) = 0;
    // Clears the indentation view and draws the circle of this radius about (220, 150).
    virtual void drawGrowthFrame(std::int64_t radius) = 0;
    // Loads a scheme file by its bare name into the scheme picture. Throws
    // ProgramError on failure and leaves the picture as it was.
    virtual void loadSchemeFile(std::string_view fileName) = 0;
    // Hides the START button, then its label.
    virtual void hideStartButton() = 0;
    virtual void showMagnifyButton() = 0;
    virtual void stopTimer() = 0;
};
