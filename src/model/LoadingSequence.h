#pragma once

// The loading sequence of one trial: START, then 60 ticks in two stages of 30. Each
// tick of a running sequence refills the time dial and draws the growth frame of the
// indentation; tick 30 changes the dial's layout and shows the second scheme picture;
// tick 60 ends the loading, shows the magnify button and the third scheme picture and
// stops the timer. It keeps no state of its own: everything lives in TrialState, and
// nothing ever returns the sequence to idle.

#include "model/TrialRequests.h"
#include "shell/TrialState.h"

#include <string_view>

inline constexpr std::string_view SchemeFile1 = "схема-1.jpg";
inline constexpr std::string_view SchemeFile2 = "схема-2.jpg";
inline constexpr std::string_view SchemeFile3 = "схема-3.jpg";

inline constexpr int StageLength = 30;
inline constexpr int SequenceLength = 60;

class LoadingSequence {
public:
    LoadingSequence(TrialState& state, TrialRequests& requests)
        : m_state(state), m_requests(requests)
    {
    }

    // The START click. A failed load of the first scheme file leaves everything as
    // it was, so START can be clicked again.
    void start();

    // One firing of the trial window's timer. A failed scheme load ends the tick
    // there; what the tick did before it stays done.
    void tick();

private:
    void advance();

    TrialState& m_state;
    TrialRequests& m_requests;
};
