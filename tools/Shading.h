#pragma once

// Shading shared by the painted pictures, all lit from the upper left: the light and
// dark bands of a rounded body, the hard reflections of chrome, soft shadows and
// the softness and grain of a photograph. Shapes are drawn by each picture itself.

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

// The bounding box of an ellipse seen edge-on from a little above: the face of a
// round part whose width runs from left to right.
inline QRectF EllipseAcross(double left, double right, double centreY, double halfHeight)
{
    return QRectF(left, centreY - halfHeight, right - left, 2 * halfHeight);
}

// The side of an upright cylinder seen from a little above: straight from the middle
// of its top face down to the middle of its base, round along the base's front half.
inline QPainterPath CylinderSide(double left, double right, double faceCentreY, double baseCentreY,
                                 double halfHeight)
{
    QPainterPath side;
    side.moveTo(left, faceCentreY);
    side.lineTo(left, baseCentreY);
    side.arcTo(EllipseAcross(left, right, baseCentreY, halfHeight), 180, 180);
    side.lineTo(right, faceCentreY);
    side.closeSubpath();
    return side;
}

// Across a cylinder or rounded casting from its lit edge (from) to its far edge (to):
// a highlight a quarter of the way across, falling off into the core shadow.
QLinearGradient RoundShade(QPointF from, QPointF to, QColor base);

// Across polished chrome: sharp light and dark bands that mirror the room.
QLinearGradient ChromeShade(QPointF from, QPointF to);

// A blurred, translucent copy of path in colour, painted under what comes next.
void DrawSoftShadow(QPainter& painter, const QPainterPath& path, int blurRadius, QColor colour);

// Faint, broad patches of light and dark over area, like the uneven paint of a wall.
void DrawMottle(QPainter& painter, const QRect& area, int alpha);

// For a picture in Format_RGB32: takes the computer-drawn edge off every line with
// a [1 2 1] filter each way, as a camera lens would, then adds a reproducible film
// grain of up to ±grain to each pixel.
void MakePhotographic(QImage& picture, int grain);
