#include "model/SelectMaterial.h"

#include "model/MaterialCatalogue.h"

void SelectMaterial(std::uint8_t index, TrialState& state, MaterialButtons& buttons)
{
    for (int number = 1; number <= MaterialCount; ++number)
        buttons.setMaterialButtonColour(number, clYellow);
    if (const auto entry = FindMaterial(index)) {
        buttons.setMaterialButtonColour(index, clGreen);
        state.Hardness = entry->hardness;
    }
}

void MaterialButtonClick(int number, TrialState& state, MaterialButtons& buttons)
{
    state.MaterialIndex = static_cast<std::uint8_t>(number);
    SelectMaterial(state.MaterialIndex, state, buttons);
}
