#pragma once

// Real arithmetic of the trial model: carried in long double (the 80-bit extended
// format on x86-64), rounded to nearest with ties to even. An invalid operation, a
// division by zero or an overflow is a failure with the message the user sees; the
// floating-point flags tell them, so they are cleared before a calculation and read
// after each step of it.

#include <cstdint>

// Clears the floating-point flags, so that an earlier failure leaves no trace.
void ClearFloatingPointFaults();

// Throws ProgramError "Invalid floating point operation", "Floating point division
// by zero" or "Floating point overflow" when the flags show such a fault.
void RaiseOnFloatingPointFault();

// The nearest integer, ties to the even neighbour, as a signed 64-bit integer.
std::int64_t Round(long double value);
