#include "view/IndentationView.h"

#include "model/IndentDiameter.h"
#include "view/Canvas.h"

#include <algorithm>

namespace {

constexpr int SurfaceWidth = 450;
constexpr int SurfaceHeight = 300;
constexpr QRect SurfaceArea(0, 0, SurfaceWidth, SurfaceHeight);
constexpr int CentreX = 220;
constexpr int CentreY = 150;
constexpr int GridPitch = 10;
constexpr int MagnifiedPixelsPerMillimetre = 20;

// The surface's farthest pixel lies 273 pixels from the centre, so every circle
// this large or larger covers the whole surface with its white inside and leaves
// its outline outside: a radius of 10^12 shows the same as this one.
constexpr std::int64_t SurfaceCoveringRadius = 1000;

int DrawnRadius(std::int64_t radius)
{
    return static_cast<int>(std::min(radius, SurfaceCoveringRadius));
}

// The circle's box, which its outline touches and never leaves.
QRect IndentationArea(std::int64_t radius)
{
    const int r = DrawnRadius(radius);
    return {CentreX - r, CentreY - r, 2 * r, 2 * r};
}

void DrawIndentation(Canvas& canvas, std::int64_t radius)
{
    const int r = DrawnRadius(radius);
    canvas.Ellipse(CentreX - r, CentreY - r, CentreX + r, CentreY + r);
}

// The lines at x = 450 and y = 300 fall just outside the surface and leave no mark.
void DrawGrid(Canvas& canvas)
{
    for (int x = GridPitch; x <= SurfaceWidth; x += GridPitch) {
        canvas.MoveTo(x, 0);
        canvas.LineTo(x, SurfaceHeight);
    }
    for (int y = GridPitch; y <= SurfaceHeight; y += GridPitch) {
        canvas.MoveTo(0, y);
        canvas.LineTo(SurfaceWidth, y);
    }
}

} // namespace

IndentationView::IndentationView(QWidget* parent) : QWidget(parent)
{
    resize(SurfaceWidth, SurfaceHeight);
}

void IndentationView::drawGrowthFrame(std::int64_t radius)
{
    draw(IndentationArea(radius), [radius](Canvas& canvas) { DrawIndentation(canvas, radius); });
}

void IndentationView::drawMagnifiedView(double indentDiameter)
{
    const std::int64_t radius = IndentRadius(indentDiameter, MagnifiedPixelsPerMillimetre);
    draw(IndentationArea(radius), [radius](Canvas& canvas) { DrawIndentation(canvas, radius); });
}

void IndentationView::drawGridView(double indentDiameter)
{
    const std::int64_t radius = IndentRadius(indentDiameter, MagnifiedPixelsPerMillimetre);
    draw(SurfaceArea, [radius](Canvas& canvas) {
        DrawIndentation(canvas, radius);
        DrawGrid(canvas);
    });
}

void IndentationView::draw(const QRect& figureArea, const std::function<void(Canvas&)>& steps)
{
    if (m_surface.isNull()) {
        m_surface = QImage(SurfaceArea.size(), QImage::Format_RGB32);
        m_figureArea = SurfaceArea;
        // From now on every paint covers the whole view with the surface.
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    // Outside the last drawing's figures the surface still shows the bare field, so
    // only their area is cleared: a growth frame then changes a few thousand pixels
    // instead of all 135 000, and only those are copied to the screen.
    if (!m_figureArea.isEmpty())
        Canvas(m_surface, m_figureArea).Rectangle(0, 0, SurfaceWidth, SurfaceHeight);
    {
        Canvas canvas(m_surface);
        steps(canvas);
    }
    const QRect changed = (m_figureArea | figureArea) & SurfaceArea;
    m_figureArea = figureArea & SurfaceArea;
    update(changed);
}

void IndentationView::paintEvent(QPaintEvent*)
{
    if (m_surface.isNull())
        return;
    // One surface pixel per logical pixel: at a device pixel ratio of 2 the painter
    // scales the 450 × 300 surface to the view's 900 × 600 device pixels.
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface);
}
