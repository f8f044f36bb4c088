#pragma once

// The floating-point mode the whole run works in: extended precision (64-bit
// significand) on the x87 unit, rounding to nearest with ties to even, every fault
// masked so that the flags record it and the trial model reports it. It is set at
// start-up and loaded again whenever a failure is caught.

void SetArithmeticMode();
