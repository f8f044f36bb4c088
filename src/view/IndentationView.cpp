#include "view/IndentationView.h"

#include "model/IndentDiameter.h"
#include "view/Canvas.h"

#include <algorithm>

namespace {

constexpr int SurfaceWidth = 450;
constexpr int SurfaceHeight = 300;
constexpr int CentreX = 220;
constexpr int CentreY = 150;
constexpr int GridPitch = 10;
constexpr int MagnifiedPixelsPerMillimetre = 20;

// The surface's farthest pixel lies 273 pixels from the centre, so every circle
// this large or larger covers the whole surface with its white inside and leaves
// its outline outside: a radius of 10^12 shows the same as this one.
constexpr std::int64_t SurfaceCoveringRadius = 1000;

void DrawIndentation(Canvas& canvas, std::int64_t radius)
{
    const int r = static_cast<int>(std::min(radius, SurfaceCoveringRadius));
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
    draw([radius](Canvas& canvas) { DrawIndentation(canvas, radius); });
}

void IndentationView::drawMagnifiedView(double indentDiameter)
{
    draw([indentDiameter](Canvas& canvas) {
        DrawIndentation(canvas, IndentRadius(indentDiameter, MagnifiedPixelsPerMillimetre));
    });
}

void IndentationView::drawGridView(double indentDiameter)
{
    draw([indentDiameter](Canvas& canvas) {
        DrawIndentation(canvas, IndentRadius(indentDiameter, MagnifiedPixelsPerMillimetre));
        DrawGrid(canvas);
    });
}

void IndentationView::draw(const std::function<void(Canvas&)>& steps)
{
    if (m_surface.isNull()) {
        m_surface = QImage(SurfaceWidth, SurfaceHeight, QImage::Format_RGB32);
        m_surface.fill(Qt::white);
    }
    {
        Canvas canvas(m_surface);
        canvas.Rectangle(0, 0, SurfaceWidth, SurfaceHeight);
        steps(canvas);
    }
    update();
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
