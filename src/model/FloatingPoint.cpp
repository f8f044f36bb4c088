#include "model/FloatingPoint.h"

#include "model/ProgramError.h"

#include <cfenv>
#include <cmath>

void ClearFloatingPointFaults()
{
    std::feclearexcept(FE_ALL_EXCEPT);
}

void RaiseOnFloatingPointFault()
{
    const int faults = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    if (faults == 0)
        return;
    std::feclearexcept(FE_ALL_EXCEPT);
    if (faults & FE_INVALID)
        throw ProgramError("Invalid floating point operation");
    if (faults & FE_DIVBYZERO)
        throw ProgramError("Floating point division by zero");
    throw ProgramError("Floating point overflow");
}

std::int64_t Round(long double value)
{
    // llrintl rounds in the current mode, which the program keeps at to-nearest-even.
    return std::llrintl(value);
}
