#pragma once

// The program-wide values through which the two windows and the trial model talk.
// There is one instance for the whole run and nothing ever resets it, so a run
// holds one loading sequence. The initial values are those the program starts with.

#include <cstdint>

struct TrialState {
    // Owned by the setup window's unit.
    std::uint8_t MaterialIndex = 0; // catalogue number 1 … 26; 0 while none is chosen
    std::int32_t Hardness = 0;      // HB of the chosen material
    std::int32_t BallDiameter = 0;  // D in mm, as read from the first edit field
    std::int32_t TestLoad = 0;      // P in kgf, as read from the second edit field
    double IndentDiameter = 0.0;    // d in mm; 0.0 until the first successful calculation

    // Owned by the trial window's unit.
    std::int32_t TickCount = 0;      // ticks of the loading sequence so far, 0 … 60
    bool Loading = false;            // true from a successful START until tick 60
    std::int32_t DialLeadValue = 80; // first dial slice: 80 in stage 1, 0 in stage 2
    std::int32_t DialTickOffset = 0; // subtracted from TickCount for the third slice
};

// The one instance the program runs on.
extern TrialState trialState;
