#include "model/StartLoading.h"

#include "model/IndentDiameter.h"
#include "model/StrToInt.h"

StartLoadingResult StartLoading(TrialState& state, std::string_view ballDiameterText,
                                std::string_view loadText)
{
    if (state.MaterialIndex == 0)
        return StartLoadingResult::NoMaterialChosen;
    state.BallDiameter = StrToInt(ballDiameterText);
    state.TestLoad = StrToInt(loadText);
    state.IndentDiameter =
        ComputeIndentDiameter(state.TestLoad, state.Hardness, state.BallDiameter);
    return StartLoadingResult::DiameterComputed;
}
