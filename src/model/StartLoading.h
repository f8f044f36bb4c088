#pragma once

// The start-loading click of the setup window, without the window: checks that a
// material is chosen, reads D and P from the two field texts and computes the
// indentation diameter. Each value is stored as soon as it is known, so a failure
// leaves what was stored before it; the window shows the notice or the trial window.

#include "shell/TrialState.h"

#include <string_view>

enum class StartLoadingResult { NoMaterialChosen, DiameterComputed };

// Throws ProgramError for a text that is not an integer and for a failed calculation;
// IndentDiameter then keeps its previous value.
StartLoadingResult StartLoading(TrialState& state, std::string_view ballDiameterText,
                                std::string_view loadText);
