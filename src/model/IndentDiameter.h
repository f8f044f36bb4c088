#pragma once

// The indentation diameter d (mm) that a ball of diameter D (mm) under load P (kgf)
// leaves in a material of hardness HB, from the Brinell relation solved for d:
//   d² = 4P / (3.141592 · HB) − 4P² / (10 · HB² · D²)
// Worked example: D = 10, P = 3000, HB = 190 gives d = 4.3711.
// The result is not compared with D: soft materials under large loads give d > D.

#include <cstdint>

// Throws ProgramError for D = 0 ("Floating point division by zero", or "Invalid
// floating point operation" when P is 0 too) and for a negative d² ("Invalid
// floating point operation").
double ComputeIndentDiameter(std::int32_t load, std::int32_t hardness, std::int32_t ballDiameter);

// Radius in pixels of the indentation drawn at the given pixels per millimetre:
// Round(scale · d), the product formed exactly in long double.
std::int64_t IndentRadius(double indentDiameter, int pixelsPerMillimetre);
