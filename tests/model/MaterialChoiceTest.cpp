#include "model/MaterialCatalogue.h"
#include "model/ProgramError.h"
#include "model/SelectMaterial.h"
#include "model/StartLoading.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

// Remembers the last colour given to each button and how many were set.
class ButtonColours : public MaterialButtons {
public:
    std::array<TColor, MaterialCount + 1> colour{};
    int changes = 0;

    void setMaterialButtonColour(int number, TColor c) override
    {
        colour.at(number) = c;
        changes += 1;
    }
    int countOf(TColor c) const
    {
        int count = 0;
        for (int n = 1; n <= MaterialCount; ++n)
            count += colour[n] == c;
        return count;
    }
};

TEST(MaterialChoice, ClickRecordsTheNumberAndHardnessAndColoursOnlyItGreen)
{
    TrialState state;
    ButtonColours buttons;
    MaterialButtonClick(3, state, buttons);
    EXPECT_EQ(state.MaterialIndex, 3);
    EXPECT_EQ(state.Hardness, 612);
    EXPECT_EQ(buttons.colour[3], clGreen);
    EXPECT_EQ(buttons.countOf(clYellow), 25);

    MaterialButtonClick(21, state, buttons);
    EXPECT_EQ(state.Hardness, 20);
    EXPECT_EQ(buttons.colour[3], clYellow);
    EXPECT_EQ(buttons.colour[21], clGreen);
}

TEST(MaterialChoice, EqualHardnessesStayDistinctEntries)
{
    TrialState state;
    ButtonColours buttons;
    MaterialButtonClick(22, state, buttons);
    EXPECT_EQ(state.Hardness, 40);
    MaterialButtonClick(24, state, buttons);
    EXPECT_EQ(state.Hardness, 40);
    EXPECT_EQ(state.MaterialIndex, 24);
}

TEST(MaterialChoice, IndexOutsideTheCatalogueLeavesAllYellowAndHardnessAsItWas)
{
    for (const std::uint8_t index : {0, 27, 255}) {
        TrialState state;
        state.Hardness = 612;
        ButtonColours buttons;
        SelectMaterial(index, state, buttons);
        EXPECT_EQ(buttons.countOf(clYellow), MaterialCount);
        EXPECT_EQ(buttons.changes, MaterialCount);
        EXPECT_EQ(state.Hardness, 612);
    }
}

TEST(MaterialChoice, CatalogueDescribesEntriesAsTheTablePictureNamesThem)
{
    EXPECT_EQ(MaterialDescription(MaterialCatalogue[0]), "сталь 5, улучшение");
    EXPECT_EQ(MaterialDescription(MaterialCatalogue[25]), "латунь лит. ЛЦ40Мц3Ж, отжиг");
    EXPECT_FALSE(FindMaterial(0));
    EXPECT_FALSE(FindMaterial(27));
}

TrialState WithMaterial(int number)
{
    TrialState state;
    ButtonColours buttons;
    MaterialButtonClick(number, state, buttons);
    return state;
}

TEST(StartLoading, WithoutMaterialReadsAndStoresNothing)
{
    TrialState state;
    EXPECT_EQ(StartLoading(state, "bad", "text"), StartLoadingResult::NoMaterialChosen);
    EXPECT_EQ(state.BallDiameter, 0);
    EXPECT_EQ(state.TestLoad, 0);
}

TEST(StartLoading, InitialTextsWithMaterialOne)
{
    TrialState state = WithMaterial(1);
    EXPECT_EQ(StartLoading(state, "10", "3000"), StartLoadingResult::DiameterComputed);
    EXPECT_EQ(state.BallDiameter, 10);
    EXPECT_EQ(state.TestLoad, 3000);
    EXPECT_NEAR(state.IndentDiameter, 4.3711, 0.00005);
}

struct FailedClick {
    const char* ball;
    const char* load;
    const char* message;
    std::int32_t storedBall;
    std::int32_t storedLoad;
};

TEST(StartLoading, EachFailureStoresOnlyWhatCameBeforeIt)
{
    const FailedClick table[] = {
        {"abc", "3000", "'abc' is not a valid integer value", -5, -5},
        {"10", "3000.0", "'3000.0' is not a valid integer value", 10, -5},
        {"0", "3000", "Floating point division by zero", 0, 3000},
        {"0", "0", "Invalid floating point operation", 0, 0},
        {"10", "-1", "Invalid floating point operation", 10, -1},
    };
    for (const FailedClick& click : table) {
        SCOPED_TRACE(click.message);
        TrialState state = WithMaterial(1);
        state.BallDiameter = -5;
        state.TestLoad = -5;
        state.IndentDiameter = 1.5;
        try {
            StartLoading(state, click.ball, click.load);
            ADD_FAILURE() << "no failure";
        } catch (const ProgramError& failure) {
            EXPECT_EQ(std::string(failure.what()), click.message);
        }
        EXPECT_EQ(state.BallDiameter, click.storedBall);
        EXPECT_EQ(state.TestLoad, click.storedLoad);
        EXPECT_EQ(state.IndentDiameter, 1.5);
    }
}

TEST(StartLoading, ANewMaterialTakesEffectAtTheNextClick)
{
    TrialState state = WithMaterial(1);
    StartLoading(state, "10", "3000");
    ButtonColours buttons;
    MaterialButtonClick(21, state, buttons);
    EXPECT_NEAR(state.IndentDiameter, 4.3711, 0.00005);
    StartLoading(state, "10", "3000");
    EXPECT_NEAR(state.IndentDiameter, 10.0492, 0.00005);
}

TEST(ShownMessage, AddsAFullStopAfterALetterOrDigitOnly)
{
    EXPECT_EQ(ShownMessage("Floating point division by zero"), "Floating point division by zero.");
    EXPECT_EQ(ShownMessage("'abc' is not a valid integer value"),
              "'abc' is not a valid integer value.");
    EXPECT_EQ(ShownMessage("JPEG error #53"), "JPEG error #53.");
    EXPECT_EQ(ShownMessage("ошибка"), "ошибка.");
    for (const char* unchanged : {"", "done.", "(x)", "wow!", "'q'", "\"q\"", "end ", "a,"})
        EXPECT_EQ(ShownMessage(unchanged), unchanged);
}

} // namespace
