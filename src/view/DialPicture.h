#pragma once

// Draws the whole time dial into an image of its chart area: the button-face panel
// with its raised edge, the black frame round the plot rectangle and the slices of
// the points in list order. It decides nothing about when a drawing is made.

#include "view/DialPoint.h"

#include <QImage>
#include <QPalette>

#include <span>

// Works in the image's device-independent pixels, so a picture made at a device
// pixel ratio of 2 shows the same dial in finer detail.
void DrawDialPicture(QImage& picture, const QPalette& palette, std::span<const DialPoint> points);
