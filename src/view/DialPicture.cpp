#include "view/DialPicture.h"

#include "view/DialGeometry.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>
#include <QtMath>

#include <cmath>
#include <utility>
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

// The circle passes through the centres of the edge pixels, 166 pixels from the
// centre pixel (208, 180) in the design area: (374, 180) at 3 o'clock and (208, 14)
// at 12.
QRectF CircleRect(const DialLayout& layout)
{
    return {PixelCentre({layout.centre.x - layout.xRadius, layout.centre.y - layout.yRadius}),
            QSizeF(2.0 * layout.xRadius, 2.0 * layout.yRadius)};
}

QPainterPath WedgePath(const DialLayout& layout, const DialWedge& wedge)
{
    const double start = RayAngle(layout, wedge.from);
    double sweep = RayAngle(layout, wedge.to) - start;
    if (sweep <= 0)
        sweep += 360; // counterclockwise always; coinciding rays make the whole circle
    QPainterPath path(PixelCentre(layout.centre));
    path.lineTo(PixelCentre(wedge.from));
    path.arcTo(CircleRect(layout), start, sweep);
    path.lineTo(PixelCentre(wedge.to));
    path.closeSubpath();
    return path;
}

// The circle's outline, smoothed, on a transparent picture that lies from one pixel
// above and left of the circle box. Drawing a smoothed circle costs several times
// more than the rest of the dial, so the picture is kept in the pixmap cache for as
// long as the layout and the pixel ratio stay the same.
QPixmap CircleOutline(const DialLayout& layout, QPointF origin, qreal ratio)
{
    const QString key = QStringLiteral("brinell-dial-outline-%1-%2-%3-%4-%5")
                            .arg(layout.centre.x)
                            .arg(layout.centre.y)
                            .arg(layout.xRadius)
                            .arg(layout.yRadius)
                            .arg(ratio);
    QPixmap outline;
    if (QPixmapCache::find(key, &outline))
        return outline;
    const QSizeF size(2.0 * layout.xRadius + 3, 2.0 * layout.yRadius + 3);
    QImage picture((size * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 1));
        painter.translate(-origin);
        painter.drawEllipse(CircleRect(layout));
    }
    outline = QPixmap::fromImage(std::move(picture));
    QPixmapCache::insert(key, outline);
    return outline;
}

// Each wedge is filled without smoothing, then every line of the outline is drawn
// once, smoothed, over the fills' edges: the circle, then the straight edges. The
// wedges chain round the circle, so the edges are the rays to each wedge's start.
void DrawSlices(QPainter& painter, const DialLayout& layout, std::span<const DialPoint> points,
                qreal ratio)
{
    std::vector<double> values;
    values.reserve(points.size());
    for (const DialPoint& point : points)
        values.push_back(point.value);
    const std::vector<DialWedge> wedges = DialWedges(layout, values);

    painter.setPen(Qt::NoPen);
    for (const DialWedge& wedge : wedges) {
        const TColor colour = points[wedge.point].colour;
        painter.setBrush(QColor(colour.red, colour.green, colour.blue));
        painter.drawPolygon(WedgePath(layout, wedge).toFillPolygon());
    }

    const QPointF origin(layout.circle.left - 1, layout.circle.top - 1);
    painter.drawPixmap(origin, CircleOutline(layout, origin, ratio));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    for (const DialWedge& wedge : wedges)
        painter.drawLine(PixelCentre(layout.centre), PixelCentre(wedge.from));
}

} // namespace

void DrawDialPicture(QImage& picture, const QPalette& palette, std::span<const DialPoint> points)
{
    const QSize area = picture.deviceIndependentSize().toSize();
    const DialLayout layout = LayOutDial(area.width(), area.height());
    QPainter painter(&picture);
    DrawPanel(painter, area, palette);
    DrawFrame(painter, layout.plot);
    if (!points.empty())
        DrawSlices(painter, layout, points, picture.devicePixelRatio());
}
