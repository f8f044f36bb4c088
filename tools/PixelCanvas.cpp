#include "PixelCanvas.h"

#include <QLineF>
#include <algorithm>

PixelCanvas::PixelCanvas(QSize size, QColor background) : m_image(size, QImage::Format_RGB32)
{
    m_image.fill(background);
}

template <typename Inside> void PixelCanvas::fillWhere(Inside inside, QColor colour)
{
    for (int y = 0; y < m_image.height(); ++y)
        for (int x = 0; x < m_image.width(); ++x)
            if (inside(QPointF(x + 0.5, y + 0.5)))
                m_image.setPixelColor(x, y, colour);
}

void PixelCanvas::fillPixels(int left, int top, int right, int bottom, QColor colour)
{
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            m_image.setPixelColor(x, y, colour);
}

void PixelCanvas::fillRing(const QRectF& bounds, qreal thickness, QColor colour)
{
    const QRectF hole = bounds.adjusted(thickness, thickness, -thickness, -thickness);
    const auto inEllipse = [](const QRectF& box, QPointF p) {
        const qreal dx = (p.x() - box.center().x()) / (box.width() / 2);
        const qreal dy = (p.y() - box.center().y()) / (box.height() / 2);
        return dx * dx + dy * dy <= 1;
    };
    fillWhere([&](QPointF p) { return inEllipse(bounds, p) && !inEllipse(hole, p); }, colour);
}

void PixelCanvas::fillPolygon(const QPolygonF& polygon, QColor colour)
{
    fillWhere([&](QPointF p) { return polygon.containsPoint(p, Qt::OddEvenFill); }, colour);
}

void PixelCanvas::fillStroke(QPointF from, QPointF to, qreal width, QColor colour)
{
    const QPointF along = to - from;
    const qreal lengthSquared = QPointF::dotProduct(along, along);
    fillWhere(
        [&](QPointF p) {
            const qreal t =
                std::clamp(QPointF::dotProduct(p - from, along) / lengthSquared, 0.0, 1.0);
            return QLineF(p, from + t * along).length() <= width / 2;
        },
        colour);
}
