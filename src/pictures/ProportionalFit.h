#pragma once

// The size a picture is stretched to when it must keep its proportions in a box,
// drawn from the box's top-left corner. Where it is drawn is the box's business.

#include <QSize>

// With aspect a = width / height of a picture of at least 1 × 1: a wide picture takes
// the box's width and height trunc(width / a), a tall or square one the box's height
// and width trunc(height × a); whichever comes out too big for the box is then
// fitted by its other side. A 471 × 683 picture in a 185 × 273 box: 188 × 273 is too
// wide, so 185 × 268.
QSize ProportionalSize(const QSize& picture, const QSize& box);
