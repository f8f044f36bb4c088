#pragma once

// The material choice: colours the 26 material radio buttons and records the
// hardness of the chosen entry. The buttons themselves belong to the setup window,
// which reaches this code through the MaterialButtons interface.

#include "model/TColor.h"
#include "shell/TrialState.h"

#include <cstdint>

class MaterialButtons {
public:
    virtual ~MaterialButtons() = default;
    // Sets the background colour of material radio button 1 … 26; it repaints at once.
    virtual void setMaterialButtonColour(int number, TColor colour) = 0;
};

// All 26 buttons yellow, then the chosen one green and its hardness recorded. An
// index of 0 or above 26 leaves every button yellow and the hardness as it was.
void SelectMaterial(std::uint8_t index, TrialState& state, MaterialButtons& buttons);

// What a click on material radio button number does: records the choice, then
// selects it.
void MaterialButtonClick(int number, TrialState& state, MaterialButtons& buttons);
