#pragma once

// The indentation view's drawing primitives over an image, with a black 1-pixel pen
// and a white brush that never change. Figures are given by bounding boxes whose
// right column and bottom row are not painted; lines leave out their end point.
// Whatever falls outside the image is clipped without a word.

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>

class Canvas {
public:
    // Paints on the image for as long as the canvas lives.
    explicit Canvas(QImage& image);
    // The same, but paints only inside the clip, leaving every pixel outside it as
    // it was and every pixel inside as the unclipped canvas would paint it.
    Canvas(QImage& image, const QRect& clip);

    // The box filled white, then outlined along its first and last columns and rows.
    void Rectangle(int left, int top, int right, int bottom);
    // The ellipse inscribed in the box, filled white and outlined, inside the box.
    void Ellipse(int left, int top, int right, int bottom);
    void MoveTo(int x, int y);
    // From the pen position up to, but not including, (x, y), which becomes the pen
    // position.
    void LineTo(int x, int y);

private:
    QPainter m_painter;
    QPoint m_penPosition;
};
