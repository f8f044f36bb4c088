#include "model/IndentDiameter.h"

#include "model/FloatingPoint.h"

#include <cmath>

namespace {

// One step of the calculation: the value is stored before the flags are read, so
// the step is done by then, and a fault is reported by the step that made it.
long double Checked(long double value)
{
    volatile long double done = value;
    RaiseOnFloatingPointFault();
    return done;
}

} // namespace

double ComputeIndentDiameter(std::int32_t load, std::int32_t hardness, std::int32_t ballDiameter)
{
    // Not the true π: the relation is worked with the decimal 3.141592.
    constexpr long double pi = 3.141592L;
    const long double P = load;
    const long double HB = hardness;
    const long double D = ballDiameter;

    ClearFloatingPointFaults();
    const long double a = 4 * P;
    long double x1 = Checked(a / HB);
    x1 = Checked(x1 / pi);
    const long double b = 4 * P * P; // at most 2^64, exact in the 64-bit significand
    long double x2 = Checked(b / 10);
    x2 = Checked(x2 / HB);
    x2 = Checked(x2 / HB);
    x2 = Checked(x2 / D);
    x2 = Checked(x2 / D);
    const long double s = Checked(x1 - x2);
    const long double r = Checked(std::sqrt(s));
    return static_cast<double>(r);
}

std::int64_t IndentRadius(double indentDiameter, int pixelsPerMillimetre)
{
    return Round(static_cast<long double>(pixelsPerMillimetre) * indentDiameter);
}
