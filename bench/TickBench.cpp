// One tick of a running loading sequence through the real trial window, with the
// paint that puts the dial's new drawing and the growth frame on the screen.

#include "model/LoadingSequence.h"
#include "shell/TrialState.h"
#include "view/TimeDial.h"
#include "windows/Unit2.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

// Material 1 under D = 10 and P = 3000: the indentation grows to a radius of 44.
constexpr double IndentDiameterOfMaterial1 = 4.3711;

void TickWithDrawing(benchmark::State& state)
{
    trialState = TrialState{};
    trialState.IndentDiameter = IndentDiameterOfMaterial1;
    TForm2 window;
    Form2 = &window;
    window.Timer1.stop(); // the benchmark makes the ticks
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the trial window never showed");
        return;
    }
    QApplication::processEvents();
    trialState.Loading = true;

    const int drawingsBefore = window.Chart1->drawingCount();
    for (auto _ : state) {
        // Ticks 1 to 29 over and over: tick 30 would change the scheme picture.
        if (trialState.TickCount == StageLength - 1)
            trialState.TickCount = 0;
        window.Timer1Timer();
        QApplication::processEvents(); // the paint, as the event loop makes it
    }
    if (window.Chart1->drawingCount() - drawingsBefore != static_cast<int>(state.iterations()))
        state.SkipWithError("a tick went without its drawing");
    Form2 = nullptr;
}
BENCHMARK(TickWithDrawing)->Unit(benchmark::kMicrosecond);

} // namespace
