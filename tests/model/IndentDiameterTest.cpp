#include "model/IndentDiameter.h"
#include "model/MaterialCatalogue.h"
#include "model/ProgramError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct Example {
    std::int32_t ball;
    std::int32_t load;
    std::int32_t hardness;
    double diameter; // to four places
    std::int64_t radius;
    std::int64_t magnifiedRadius;
};

void ExpectExample(const Example& example)
{
    const double d = ComputeIndentDiameter(example.load, example.hardness, example.ball);
    EXPECT_NEAR(d, example.diameter, 0.00005);
    EXPECT_EQ(IndentRadius(d, 10), example.radius);
    EXPECT_EQ(IndentRadius(d, 20), example.magnifiedRadius);
}

TEST(IndentDiameter, EveryCatalogueEntryUnderTenMillimetresAndThreeTonnes)
{
    const Example table[] = {
        {10, 3000, 190, 4.3711, 44, 87},   {10, 3000, 187, 4.4042, 44, 88},
        {10, 3000, 612, 2.4790, 25, 50},   {10, 3000, 192, 4.3495, 43, 87},
        {10, 3000, 207, 4.1967, 42, 84},   {10, 3000, 217, 4.1034, 41, 82},
        {10, 3000, 145, 4.9629, 50, 99},   {10, 3000, 185, 4.4267, 44, 89},
        {10, 3000, 190, 4.3711, 44, 87},   {10, 3000, 210, 4.1681, 42, 83},
        {10, 3000, 197, 4.2967, 43, 86},   {10, 3000, 235, 3.9500, 39, 79},
        {10, 3000, 219, 4.0855, 41, 82},   {10, 3000, 207, 4.1967, 42, 84},
        {10, 3000, 245, 3.8718, 39, 77},   {10, 3000, 217, 4.1034, 41, 82},
        {10, 3000, 285, 3.5999, 36, 72},   {10, 3000, 391, 3.0877, 31, 62},
        {10, 3000, 433, 2.9376, 29, 59},   {10, 3000, 211, 4.1586, 42, 83},
        {10, 3000, 20, 10.0492, 100, 201}, {10, 3000, 40, 8.5436, 85, 171},
        {10, 3000, 65, 7.0883, 71, 142},   {10, 3000, 40, 8.5436, 85, 171},
        {10, 3000, 120, 5.4158, 54, 108},  {10, 3000, 90, 6.1642, 62, 123},
    };
    for (int number = 1; number <= MaterialCount; ++number) {
        SCOPED_TRACE(number);
        EXPECT_EQ(MaterialCatalogue[number - 1].hardness, table[number - 1].hardness);
        ExpectExample(table[number - 1]);
    }
}

TEST(IndentDiameter, OtherBallsAndLoads)
{
    const Example table[] = {
        {10, 1000, 40, 5.4158, 54, 108},  {5, 750, 190, 2.1856, 22, 44},
        {5, 750, 612, 1.2395, 12, 25},    {10, 250, 20, 3.9103, 39, 78},
        {2, 120, 90, 1.2328, 12, 25},     {10, 0, 190, 0, 0, 0},
        {-10, 3000, 190, 4.3711, 44, 87}, {10, 30000, 190, 10.0655, 101, 201},
    };
    for (const Example& example : table) {
        SCOPED_TRACE(testing::Message() << example.ball << " " << example.load);
        ExpectExample(example);
    }
}

TEST(IndentDiameter, RoundsTheStoredDoubleNotTheFourPlaces)
{
    // 3.95 to four places, but 3.94997 to five: 10 d rounds down.
    const double d = ComputeIndentDiameter(3000, 235, 10);
    EXPECT_LT(d, 3.95);
    EXPECT_EQ(IndentRadius(d, 10), 39);
}

TEST(IndentDiameter, RadiusTiesGoToTheEvenNeighbour)
{
    EXPECT_EQ(IndentRadius(4.25, 10), 42);
    EXPECT_EQ(IndentRadius(4.75, 10), 48);
    EXPECT_EQ(IndentRadius(0.125, 20), 2);
    EXPECT_EQ(IndentRadius(0.375, 20), 8);
}

std::string FailureOf(std::int32_t load, std::int32_t hardness, std::int32_t ball)
{
    try {
        ComputeIndentDiameter(load, hardness, ball);
    } catch (const ProgramError& failure) {
        return failure.what();
    }
    return "no failure";
}

TEST(IndentDiameter, Failures)
{
    EXPECT_EQ(FailureOf(3000, 190, 0), "Floating point division by zero");
    EXPECT_EQ(FailureOf(0, 190, 0), "Invalid floating point operation");
    EXPECT_EQ(FailureOf(-1, 190, 10), "Invalid floating point operation");
    EXPECT_EQ(FailureOf(INT32_MIN, 20, 1), "Invalid floating point operation");
}

TEST(IndentDiameter, AFailureLeavesNoTraceInTheNextCalculation)
{
    EXPECT_EQ(FailureOf(3000, 190, 0), "Floating point division by zero");
    EXPECT_NEAR(ComputeIndentDiameter(3000, 190, 10), 4.3711, 0.00005);
}

TEST(IndentDiameter, LargestLoadBelowTheBoundaryStillGivesASmallDiameter)
{
    // s < 0 exactly when P > 10 · HB · D² / 3.141592 = 60479.7… for HB 190, D 10.
    const std::int32_t boundary =
        static_cast<std::int32_t>(std::floor(10.0L * 190 * 100 / 3.141592L));
    const double d = ComputeIndentDiameter(boundary, 190, 10);
    EXPECT_GT(d, 0.0);
    EXPECT_LT(d, 0.1);
    EXPECT_EQ(FailureOf(boundary + 1, 190, 10), "Invalid floating point operation");
}

TEST(IndentDiameter, ExtremeInputsFailOrSucceedWithoutOverflow)
{
    EXPECT_NO_THROW(ComputeIndentDiameter(INT32_MAX, 20, INT32_MAX));
    EXPECT_NO_THROW(ComputeIndentDiameter(INT32_MAX, 612, INT32_MIN));
    EXPECT_EQ(FailureOf(INT32_MAX, 612, 1), "Invalid floating point operation");
}

} // namespace
