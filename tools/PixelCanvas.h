#pragma once

// A small picture painted without antialiasing: a pixel takes a figure's colour
// when its centre lies inside the figure, so the picture holds exactly the colours
// it is given. Used for the button glyphs and the icon, whose colours are counted.

#include <QColor>
#include <QImage>
#include <QPolygonF>

class PixelCanvas {
public:
    PixelCanvas(QSize size, QColor background);

    // Pixels left … right, top … bottom, both ends included.
    void fillPixels(int left, int top, int right, int bottom, QColor colour);
    // An elliptic ring whose outer edge is the ellipse in bounds (pixel edges, not
    // centres), thickness pixels wide.
    void fillRing(const QRectF& bounds, qreal thickness, QColor colour);
    void fillPolygon(const QPolygonF& polygon, QColor colour);
    // A straight stroke of the given width with round ends.
    void fillStroke(QPointF from, QPointF to, qreal width, QColor colour);

    const QImage& image() const { return m_image; }

private:
    template <typename Inside> void fillWhere(Inside inside, QColor colour);

    QImage m_image;
};
