#include "pictures/ProportionalFit.h"

#include <gtest/gtest.h>

namespace {

struct FitRow {
    const char* name;
    QSize picture;
    QSize box;
    QSize fitted;
};

class ProportionalFit : public testing::TestWithParam<FitRow> {};

TEST_P(ProportionalFit, TruncatesTheSideThatFollows)
{
    EXPECT_EQ(ProportionalSize(GetParam().picture, GetParam().box), GetParam().fitted);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ProportionalFit,
    testing::Values(
        // 273 × 471 / 683 = 188.26, too wide for 185; 185 × 683 / 471 = 268.27.
        FitRow{"IndenterSketch", {471, 683}, {185, 273}, {185, 268}},
        FitRow{"TallFitsByItsHeight", {100, 200}, {300, 300}, {150, 300}},
        FitRow{"WideFitsByItsWidth", {300, 100}, {200, 200}, {200, 66}},
        // 249 × 1000 / 300 = 830.
        FitRow{"WideButTooHigh", {1000, 300}, {873, 249}, {830, 249}},
        FitRow{"SquareCountsAsTall", {50, 50}, {80, 40}, {40, 40}},
        FitRow{"SmallPicturesAreEnlarged", {2, 1}, {873, 249}, {498, 249}},
        FitRow{"ExtendedPrecisionQuotient", {6, 5}, {18, 100}, {18, 14}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
