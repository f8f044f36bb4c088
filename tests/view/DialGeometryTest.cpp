#include "view/DialGeometry.h"

#include <gtest/gtest.h>

#include <numbers>
#include <vector>

namespace {

TEST(DialLayout, TheDesignAreaGivesARoundCircleCentredInThePlotRectangle)
{
    const DialLayout layout = LayOutDial(417, 361);
    EXPECT_EQ(layout.plot, (DialBox{13, 14, 404, 347}));
    EXPECT_EQ(layout.circle, (DialBox{42, 14, 374, 346}));
    EXPECT_EQ(layout.centre, (DialPixel{208, 180}));
    EXPECT_EQ(layout.xRadius, 166);
    EXPECT_EQ(layout.yRadius, 166);
}

TEST(DialLayout, ATallAreaNarrowsTheCircleFromAboveAndBelow)
{
    // Plot (3, 16, 97, 384): 94 wide, 368 high, so the width limits the circle.
    const DialLayout layout = LayOutDial(100, 400);
    EXPECT_EQ(layout.plot, (DialBox{3, 16, 97, 384}));
    EXPECT_EQ(layout.circle, (DialBox{3, 153, 97, 247}));
    EXPECT_EQ(layout.centre, (DialPixel{50, 200}));
    EXPECT_EQ(layout.xRadius, 47);
    EXPECT_EQ(layout.yRadius, 47);
}

TEST(DialLayout, ATinyAreaStillGivesACircleFourPixelsAcross)
{
    // No margins round to a pixel; the 3-pixel plot is evened to 2, then widened to 4.
    const DialLayout layout = LayOutDial(3, 3);
    EXPECT_EQ(layout.plot, (DialBox{0, 0, 3, 3}));
    EXPECT_EQ(layout.circle, (DialBox{0, 0, 4, 4}));
    EXPECT_EQ(layout.xRadius, 2);
    EXPECT_EQ(layout.yRadius, 2);
}

TEST(SliceEndAngles, TheSlicesFollowOneAnotherAndTheLastClosesTheCircle)
{
    const std::vector<double> values{80, -20, 300};
    const std::vector<double> ends = SliceEndAngles(values);
    ASSERT_EQ(ends.size(), 3u);
    EXPECT_DOUBLE_EQ(ends[0], 2 * std::numbers::pi * 80 / 400);
    EXPECT_DOUBLE_EQ(ends[1], 2 * std::numbers::pi * 100 / 400); // the absolute value counts
    EXPECT_EQ(ends[2], 2 * std::numbers::pi);
}

struct TickRow {
    const char* name;
    std::vector<double> values; // lead, red, third
    std::vector<DialPixel> edges;
};

class DialOverOneTrial : public testing::TestWithParam<TickRow> {};

TEST_P(DialOverOneTrial, TheStraightEdgesEndAtTheTablesPixels)
{
    const TickRow& row = GetParam();
    const std::vector<DialWedge> wedges = DialWedges(LayOutDial(417, 361), row.values);
    std::vector<DialPixel> edges;
    for (const DialWedge& wedge : wedges)
        edges.push_back(wedge.from);
    EXPECT_EQ(edges, row.edges);
    // Each wedge starts where the one before it ended, and the last closes at 3 o'clock.
    for (std::size_t i = 1; i < wedges.size(); ++i)
        EXPECT_EQ(wedges[i].from, wedges[i - 1].to);
    EXPECT_EQ(wedges.back().to, (DialPixel{374, 180}));
    EXPECT_EQ(wedges.back().point, 2u);
}

// Stage 1 (ticks 1 to 30): 80, 20, 270 + 30k. Stage 2 (ticks 31 to 60): 0, 20, 30k − 630.
INSTANTIATE_TEST_SUITE_P(
    Ticks, DialOverOneTrial,
    testing::Values(TickRow{"tick1", {80, 20, 300}, {{374, 180}, {259, 22}, {208, 14}}},
                    TickRow{"tick2", {80, 20, 330}, {{374, 180}, {273, 27}, {226, 15}}},
                    TickRow{"tick3", {80, 20, 360}, {{374, 180}, {284, 33}, {242, 17}}},
                    TickRow{"tick10", {80, 20, 570}, {{374, 180}, {329, 67}, {306, 46}}},
                    TickRow{"tick20", {80, 20, 870}, {{374, 180}, {352, 98}, {340, 80}}},
                    TickRow{"tick29", {80, 20, 1140}, {{374, 180}, {361, 115}, {353, 99}}},
                    TickRow{"tick30", {80, 20, 1170}, {{374, 180}, {361, 116}, {354, 101}}},
                    TickRow{"tick31", {0, 20, 300}, {{374, 180}, {361, 116}}},
                    TickRow{"tick32", {0, 20, 330}, {{374, 180}, {363, 122}}},
                    TickRow{"tick40", {0, 20, 570}, {{374, 180}, {370, 145}}},
                    TickRow{"tick50", {0, 20, 870}, {{374, 180}, {372, 157}}},
                    TickRow{"tick59", {0, 20, 1140}, {{374, 180}, {373, 162}}},
                    TickRow{"tick60", {0, 20, 1170}, {{374, 180}, {373, 163}}}),
    [](const testing::TestParamInfo<TickRow>& info) { return info.param.name; });

TEST(DialWedges, AStage2DialSkipsTheEmptyLeadSlice)
{
    const std::vector<DialWedge> wedges =
        DialWedges(LayOutDial(417, 361), std::vector{0.0, 20.0, 300.0});
    ASSERT_EQ(wedges.size(), 2u);
    EXPECT_EQ(wedges[0].point, 1u);
    EXPECT_EQ(wedges[1].point, 2u);
}

struct SkipRow {
    const char* name;
    std::vector<double> values;
    std::vector<std::size_t> drawnPoints;
};

class SkipRule : public testing::TestWithParam<SkipRow> {};

TEST_P(SkipRule, OnlySlicesThatMoveTheEdgeOrAreWholeAreDrawn)
{
    std::vector<std::size_t> drawn;
    for (const DialWedge& wedge : DialWedges(LayOutDial(417, 361), GetParam().values))
        drawn.push_back(wedge.point);
    EXPECT_EQ(drawn, GetParam().drawnPoints);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, SkipRule,
    testing::Values(
        // One slice is the whole circle, though its end pixel is where it starts.
        SkipRow{"oneSlice", {5}, {0}},
        // The last slice spans more than a radian, so it is drawn as the whole circle.
        SkipRow{"emptyThenWhole", {0, 0, 7}, {2}},
        // A sliver far narrower than a pixel at the rim, between two real slices.
        SkipRow{"sliver", {100, 0.0001, 100}, {0, 2}}, SkipRow{"onlyZeros", {0, 0}, {0}}),
    [](const testing::TestParamInfo<SkipRow>& info) { return info.param.name; });

} // namespace
