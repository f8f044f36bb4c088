#include "view/DialPicture.h"

#include "view/DialGeometry.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cmath>
#include <vector>

namespace {

void DrawPanel(QPainter& painter, QSize area, const QPalette& palette)
{
    const int w = area.width();
    const int h = area.height();
    painter.fillRect(QRect(0, 0, w, h), palette.color(QPalette::Button));
    const QColor highlight = palette.color(QPalette::Light);
    painter.fillRect(QRect(0, 0, w, 1), highlight);
    painter.fillRect(QRect(0, 0, 1, h), highlight);
    // The shadow comes second and so takes the corners at the top right and bottom left.
    const QColor shadow = palette.color(QPalette::Dark);
    painter.fillRect(QRect(w - 1, 0, 1, h), shadow);
    painter.fillRect(QRect(0, h - 1, w, 1), shadow);
}

// The frame runs on the plot rectangle's first and last columns and rows, both
// included: (13, 14, 404, 347) gives lines on x = 13 and 404 and y = 14 and 347.
void DrawFrame(QPainter& painter, const DialBox& plot)
{
    const int w = plot.right - plot.left + 1;
    const int h = plot.bottom - plot.top + 1;
    painter.fillRect(QRect(plot.left, plot.top, w, 1), Qt::black);
    painter.fillRect(QRect(plot.left, plot.bottom, w, 1), Qt::black);
    painter.fillRect(QRect(plot.left, plot.top, 1, h), Qt::black);
    painter.fillRect(QRect(plot.right, plot.top, 1, h), Qt::black);
}

// Antialiased drawing measures from pixel corners; the dial's pixels are their centres.
QPointF PixelCentre(DialPixel pixel)
{
    return {pixel.x + 0.5, pixel.y + 0.5};
}

// Degrees counterclockwise on the screen from 3 o'clock, as arcTo takes them.
double RayAngle(const DialLayout& layout, DialPixel pixel)
{
    const double dx = double(pixel.x - layout.centre.x) / layout.xRadius;
    const double dy = double(layout.centre.y - pixel.y) / layout.yRadius;
    return qRadiansToDegrees(std::atan2(dy, dx));
}

QPainterPath WedgePath(const DialLayout& layout, const DialWedge& wedge)
{
    const double start = RayAngle(layout, wedge.from);
    double sweep = RayAngle(layout, wedge.to) - start;
    if (sweep <= 0)
        sweep += 360; // counterclockwise always; coinciding rays make the whole circle
    // The circle passes through the centres of the edge pixels, 166 pixels from the
    // centre pixel (208, 180) in the design area: (374, 180) at 3 o'clock and
    // (208, 14) at 12.
    const QRectF circle(
        PixelCentre({layout.centre.x - layout.xRadius, layout.centre.y - layout.yRadius}),
        QSizeF(2.0 * layout.xRadius, 2.0 * layout.yRadius));
    QPainterPath path(PixelCentre(layout.centre));
    path.lineTo(PixelCentre(wedge.from));
    path.arcTo(circle, start, sweep);
    path.lineTo(PixelCentre(wedge.to));
    path.closeSubpath();
    return path;
}

void DrawSlices(QPainter& painter, const DialLayout& layout, std::span<const DialPoint> points)
{
    std::vector<double> values;
    values.reserve(points.size());
    for (const DialPoint& point : points)
        values.push_back(point.value);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    for (const DialWedge& wedge : DialWedges(layout, values)) {
        const TColor colour = points[wedge.point].colour;
        painter.setBrush(QColor(colour.red, colour.green, colour.blue));
        painter.drawPath(WedgePath(layout, wedge));
    }
}

} // namespace

void DrawDialPicture(QImage& picture, const QPalette& palette, std::span<const DialPoint> points)
{
    const QSize area = picture.deviceIndependentSize().toSize();
    const DialLayout layout = LayOutDial(area.width(), area.height());
    QPainter painter(&picture);
    DrawPanel(painter, area, palette);
    DrawFrame(painter, layout.plot);
    DrawSlices(painter, layout, points);
}
