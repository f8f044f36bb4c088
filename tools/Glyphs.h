#pragma once

// The three 89 × 89 glyphs of the trial window's speed buttons, each of exactly two
// colours. A button leaves the glyph's background colour, that of its bottom-left
// pixel, unpainted, so only the figure shows on the button face.

#include <QImage>

QImage StartGlyph();   // a ring round a triangle pointing right, green on yellow
QImage MagnifyGlyph(); // a magnifying glass with a plus sign and "×4", blue on yellow
QImage GridGlyph();    // a grid of 3-pixel lines, red on yellow
