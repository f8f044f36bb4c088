// A real trial on the real timer: both windows made as at start-up, material 1
// chosen, the start-loading button and START clicked, then the event loop runs. It
// prints the mean interval between the 60 ticks of the sequence, taken when each
// tick's timer event arrives, how late the firings came behind the timer's own
// 250 ms grid, and every timer event delivered in the second after tick 60. Run it
// in the folder of the three scheme pictures.

#include "BenchApplication.h"
#include "TimerLog.h"
#include "model/LoadingSequence.h"
#include "shell/TrialState.h"
#include "windows/SpeedButton.h"
#include "windows/Unit1.h"
#include "windows/Unit2.h"

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr int WatchAfterLastTick = 1000; // ms
constexpr int GiveUpAfter = 30000;       // ms; the trial takes 15 s
constexpr std::chrono::milliseconds TickInterval(250);

bool SchemePicturesPresent()
{
    for (const std::string_view name : {SchemeFile1, SchemeFile2, SchemeFile3}) {
        if (!QFileInfo::exists(QString::fromUtf8(name.data(), qsizetype(name.size()))))
            return false;
    }
    return true;
}

std::chrono::milliseconds GridOffset(std::size_t firing)
{
    return static_cast<long long>(firing) * TickInterval;
}

// The firings of a precise timer fall due on a grid of whole intervals from its
// start, however late each one arrives. The grid is placed at the earliest arrival,
// so each firing's lateness is how far it came behind the least delayed one. With
// them the mean over the sequence is 250 ms + (lateness of tick 60 − lateness of
// tick 1) / 59.
std::vector<double> Lateness(const std::vector<TimerLog::Clock::time_point>& firings)
{
    TimerLog::Clock::time_point grid = firings.front();
    for (std::size_t n = 0; n < firings.size(); ++n)
        grid = std::min(grid, firings[n] - GridOffset(n));
    std::vector<double> lateness;
    for (std::size_t n = 0; n < firings.size(); ++n)
        lateness.push_back(Milliseconds(firings[n] - grid - GridOffset(n)).count());
    return lateness;
}

// `ticks` holds the index among all firings of each tick of the sequence.
void PrintIntervals(const std::vector<TimerLog::Clock::time_point>& firings,
                    const std::vector<std::size_t>& ticks)
{
    std::printf("ticks of the sequence: %zu of %zu firings\n", ticks.size(), firings.size());
    if (ticks.size() < 2)
        return;
    std::vector<double> intervals;
    for (std::size_t i = 1; i < ticks.size(); ++i)
        intervals.push_back(Milliseconds(firings[ticks[i]] - firings[ticks[i - 1]]).count());
    const double mean =
        Milliseconds(firings[ticks.back()] - firings[ticks.front()]).count() / intervals.size();
    const auto [shortest, longest] = std::minmax_element(intervals.begin(), intervals.end());
    std::printf("interval between ticks 1 and %zu: mean %.3f ms, shortest %.3f ms, longest %.3f "
                "ms (%zu intervals)\n",
                ticks.size(), mean, *shortest, *longest, intervals.size());
    const std::vector<double> lateness = Lateness(firings);
    std::printf("lateness behind the timer's grid: tick 1 %.3f ms, tick %zu %.3f ms, largest "
                "%.3f ms\n",
                lateness[ticks.front()], ticks.size(), lateness[ticks.back()],
                *std::max_element(lateness.begin(), lateness.end()));
}

void PrintTimerEvents(const TimerLog& log)
{
    std::printf("timer events in the %d ms after tick %d:", WatchAfterLastTick, SequenceLength);
    if (log.counted().empty())
        std::printf(" none\n");
    else
        std::printf("\n");
    for (const auto& [receiver, count] : log.counted())
        std::printf("  %s: %d\n", qPrintable(receiver), count);
}

} // namespace

int main(int argc, char** argv)
{
    BenchApplication application(argc, argv);
    if (!SchemePicturesPresent()) {
        std::fprintf(stderr, "tick_timing: run it in the folder of the scheme pictures\n");
        return 1;
    }

    TForm1 setupWindow;
    Form1 = &setupWindow;
    TForm2 trialWindow;
    Form2 = &trialWindow;
    TimerLog log(&trialWindow.Timer1);
    application.installEventFilter(&log);
    setupWindow.show();
    if (!QTest::qWaitForWindowExposed(&setupWindow))
        return 1;

    std::vector<std::size_t> ticks;
    QTimer endOfWatch;
    endOfWatch.setSingleShot(true);
    endOfWatch.setTimerType(Qt::PreciseTimer);
    QObject::connect(&endOfWatch, &QTimer::timeout, &application, &QApplication::quit);
    // Connected after the window's own handler, so it sees what the tick did.
    QObject::connect(&trialWindow.Timer1, &QTimer::timeout, [&] {
        if (trialState.TickCount > static_cast<int>(ticks.size()))
            ticks.push_back(log.firings().size() - 1);
        if (trialState.TickCount == SequenceLength && !trialWindow.Timer1.isActive()) {
            log.startCounting(&endOfWatch);
            endOfWatch.start(WatchAfterLastTick);
        }
    });
    QTimer::singleShot(GiveUpAfter, &application, &QApplication::quit);

    QTest::mouseClick(setupWindow.RadioButton(1), Qt::LeftButton);
    QTest::mouseClick(setupWindow.Button1, Qt::LeftButton);
    if (!QTest::qWaitForWindowExposed(&trialWindow))
        return 1;
    QTest::mouseClick(trialWindow.SpeedButton1, Qt::LeftButton);
    application.exec();

    PrintIntervals(log.firings(), ticks);
    PrintTimerEvents(log);
    return static_cast<int>(ticks.size()) == SequenceLength ? 0 : 1;
}
