#pragma once

// One point of the time dial: a slice's size, its label and its fill colour. The
// label is kept with the point and never shown.

#include "model/TColor.h"

#include <string>

struct DialPoint {
    double value = 0; // the slice's size is its absolute value
    std::string label;
    TColor colour;
};
