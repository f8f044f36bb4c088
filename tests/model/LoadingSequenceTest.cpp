#include "model/LoadingSequence.h"
#include "model/ProgramError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

// Records every request as a line of text; loads of the named files fail.
class Recorder : public TrialRequests {
public:
    std::vector<std::string> requests;
    std::set<std::string> missingFiles;

    void clearDial() override { requests.push_back("clear"); }
    void addDialSlice(double value, std::string_view label, TColor colour) override
    {
        EXPECT_EQ(label, "%=");
        const char* name = colour == clRed ? "red" : colour == clWhite ? "white" : "?";
        requests.push_back("slice " + std::to_string(static_cast<int>(value)) + " " + name);
    }
    void drawGrowthFrame(std::int64_t radius) override
    {
        requests.push_back("frame " + std::to_string(radius));
    }
    void loadSchemeFile(std::string_view fileName) override
    {
        requests.push_back("load " + std::string(fileName));
        if (missingFiles.count(std::string(fileName)))
            throw ProgramError("Cannot open file");
    }
    void hideStartButton() override { requests.push_back("hide start"); }
    void showMagnifyButton() override { requests.push_back("show magnify"); }
    void stopTimer() override { requests.push_back("stop timer"); }

    std::vector<std::string> take() { return std::exchange(requests, {}); }
};

class LoadingSequenceTest : public testing::Test {
protected:
    LoadingSequenceTest() { state.IndentDiameter = 4.3711; } // R = 44

    // The requests of the next tick; a failed load is caught as the guard would.
    std::vector<std::string> tick()
    {
        try {
            sequence.tick();
        } catch (const ProgramError&) {
            recorder.requests.push_back("failed");
        }
        return recorder.take();
    }
    void startAndRunTo(int tickCount)
    {
        sequence.start();
        while (state.TickCount < tickCount)
            tick();
        recorder.take();
    }

    TrialState state;
    Recorder recorder;
    LoadingSequence sequence{state, recorder};
};

using Requests = std::vector<std::string>;

TEST_F(LoadingSequenceTest, TicksBeforeStartChangeNothing)
{
    for (int i = 0; i < 10000; ++i)
        EXPECT_TRUE(tick().empty());
    EXPECT_EQ(state.TickCount, 0);
    EXPECT_EQ(state.DialLeadValue, 80);
    EXPECT_FALSE(state.Loading);
}

TEST_F(LoadingSequenceTest, StartLoadsTheFirstSchemeThenHidesStart)
{
    sequence.start();
    EXPECT_EQ(recorder.take(), (Requests{"load схема-1.jpg", "hide start"}));
    EXPECT_TRUE(state.Loading);
    EXPECT_EQ(state.TickCount, 0);
}

TEST_F(LoadingSequenceTest, AWholeTrialTickByTick)
{
    sequence.start();
    recorder.take();
    std::vector<Requests> ticks(1);
    for (int k = 1; k <= 60; ++k)
        ticks.push_back(tick());

    EXPECT_EQ(ticks[1],
              (Requests{"clear", "slice 80 white", "slice 20 red", "slice 300 white", "frame 1"}));
    EXPECT_EQ(ticks[2],
              (Requests{"clear", "slice 80 white", "slice 20 red", "slice 330 white", "frame 2"}));
    EXPECT_EQ(ticks[29], (Requests{"clear", "slice 80 white", "slice 20 red", "slice 1140 white",
                                   "frame 29"}));
    EXPECT_EQ(ticks[30], (Requests{"clear", "slice 80 white", "slice 20 red", "slice 1170 white",
                                   "frame 30", "load схема-2.jpg"}));
    EXPECT_EQ(ticks[31],
              (Requests{"clear", "slice 0 white", "slice 20 red", "slice 300 white", "frame 31"}));
    EXPECT_EQ(ticks[44].back(), "frame 44");
    EXPECT_EQ(ticks[45].back(), "frame 44");
    EXPECT_EQ(ticks[59],
              (Requests{"clear", "slice 0 white", "slice 20 red", "slice 1140 white", "frame 44"}));
    EXPECT_EQ(ticks[60], (Requests{"clear", "slice 0 white", "slice 20 red", "slice 1170 white",
                                   "frame 44", "show magnify", "load схема-3.jpg", "stop timer"}));
    for (int k = 1; k < 60; ++k)
        EXPECT_EQ(std::count(ticks[k].begin(), ticks[k].end(), "show magnify"), 0) << k;

    EXPECT_FALSE(state.Loading);
    EXPECT_EQ(state.TickCount, 60);
    EXPECT_EQ(state.DialLeadValue, 0);
    EXPECT_EQ(state.DialTickOffset, 30);
}

TEST_F(LoadingSequenceTest, DialValuesChangeOnlyAtTheEndOfTickThirty)
{
    startAndRunTo(29);
    tick();
    EXPECT_EQ(state.DialLeadValue, 0);
    EXPECT_EQ(state.DialTickOffset, 30);
}

TEST_F(LoadingSequenceTest, ACircleLargerThanSixtyEndsAtRadiusSixty)
{
    state.IndentDiameter = 10.0492; // R = 100
    startAndRunTo(59);
    EXPECT_EQ(tick()[4], "frame 60");
}

TEST_F(LoadingSequenceTest, ZeroDiameterDrawsRadiusZeroEveryTick)
{
    state.IndentDiameter = 0.0;
    sequence.start();
    recorder.take();
    for (int k = 1; k <= 60; ++k)
        EXPECT_EQ(tick()[4], "frame 0") << k;
}

TEST_F(LoadingSequenceTest, ANewDiameterDuringStageTwoTakesEffectAtTheNextTick)
{
    startAndRunTo(50); // radius 44 by now
    state.IndentDiameter = 10.0492;
    EXPECT_EQ(tick()[4], "frame 51");
    state.IndentDiameter = 2.4790; // R = 25
    EXPECT_EQ(tick()[4], "frame 25");
}

TEST_F(LoadingSequenceTest, AFailedStartChangesNothingAndCanBeRetried)
{
    recorder.missingFiles = {"схема-1.jpg"};
    EXPECT_THROW(sequence.start(), ProgramError);
    EXPECT_EQ(recorder.take(), (Requests{"load схема-1.jpg"}));
    EXPECT_FALSE(state.Loading);
    EXPECT_TRUE(tick().empty());

    recorder.missingFiles.clear();
    sequence.start();
    EXPECT_TRUE(state.Loading);
}

TEST_F(LoadingSequenceTest, AFailedTickThirtyLoadLetsTheSequenceRunToItsEnd)
{
    recorder.missingFiles = {"схема-2.jpg"};
    startAndRunTo(29);
    EXPECT_EQ(tick().back(), "failed");
    EXPECT_EQ(state.DialLeadValue, 0);
    EXPECT_EQ(state.DialTickOffset, 30);
    while (state.TickCount < 60)
        tick();
    EXPECT_FALSE(state.Loading);
}

TEST_F(LoadingSequenceTest, AFailedFinalLoadIsReportedOnceAndTheTimerStopsAnyway)
{
    recorder.missingFiles = {"схема-3.jpg"};
    startAndRunTo(59);
    EXPECT_EQ(tick(),
              (Requests{"clear", "slice 0 white", "slice 20 red", "slice 1170 white", "frame 44",
                        "show magnify", "load схема-3.jpg", "stop timer", "failed"}));
    EXPECT_EQ(state.TickCount, 60);
    EXPECT_FALSE(state.Loading);
}

} // namespace
