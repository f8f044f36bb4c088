#pragma once

// Colour tests for pixels of the lossily compressed pictures, whose colours are only
// approximately those drawn.

#include <QColor>
#include <QRgb>
#include <cstdlib>

// Within tolerance of colour in each of the three channels.
inline bool IsNear(QRgb pixel, QColor colour, int tolerance)
{
    return std::abs(qRed(pixel) - colour.red()) <= tolerance &&
           std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
           std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

// Black or nearly: no channel bright, which also tells a black line from the red and
// green cells around it.
inline bool IsDark(QRgb pixel)
{
    return qRed(pixel) < 110 && qGreen(pixel) < 110 && qBlue(pixel) < 110;
}

inline bool IsWhite(QRgb pixel)
{
    return qRed(pixel) >= 240 && qGreen(pixel) >= 240 && qBlue(pixel) >= 240;
}
