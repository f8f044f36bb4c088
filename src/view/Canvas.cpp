#include "view/Canvas.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The last pixel of a line from `from` to `to` that leaves out `to`: one step short
// of it along the line's longer axis. A line from (10, 10) to (4, 10) ends at
// (5, 10); one to a neighbouring pixel paints only its start.
QPoint LastPixelBefore(QPoint from, QPoint to)
{
    const QPoint d = to - from;
    const int steps = std::max(std::abs(d.x()), std::abs(d.y()));
    const double share = double(steps - 1) / steps;
    return from + QPoint(qRound(d.x() * share), qRound(d.y() * share));
}

bool IsEmpty(int left, int top, int right, int bottom)
{
    return right <= left || bottom <= top;
}

} // namespace

Canvas::Canvas(QImage& image) : m_painter(&image)
{
    m_painter.setPen(QPen(Qt::black, 1));
    m_painter.setBrush(Qt::white);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
}

Canvas::Canvas(QImage& image, const QRect& clip) : Canvas(image)
{
    m_painter.setClipRect(clip);
}

// This is where our pixel rules and Qt's differ. Our boxes leave out their right
// column and bottom row, while Qt's outline of QRect(x, y, w, h) paints columns x to
// x + w and rows y to y + h. So the box (l, t, r, b) becomes QRect(l, t, r − l − 1,
// b − t − 1): Rectangle(0, 0, 450, 300) outlines columns 0 and 449 and rows 0 and
// 299. Qt's ellipse of that QRect, drawn without antialiasing, stays inside those same
// columns and rows: the box (219, 149, 221, 151) gives a solid 2 × 2 pixel circle.
void Canvas::Rectangle(int left, int top, int right, int bottom)
{
    if (IsEmpty(left, top, right, bottom))
        return;
    m_painter.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void Canvas::Ellipse(int left, int top, int right, int bottom)
{
    if (IsEmpty(left, top, right, bottom))
        return;
    m_painter.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void Canvas::MoveTo(int x, int y)
{
    m_penPosition = {x, y};
}

// Qt paints both end points of a line, ours leaves out the last one, so the line is
// drawn only up to the pixel before its end. A flat cap will not do: Qt leaves out
// the right or lower end of the line whichever way it is drawn.
void Canvas::LineTo(int x, int y)
{
    const QPoint end(x, y);
    if (end != m_penPosition)
        m_painter.drawLine(m_penPosition, LastPixelBefore(m_penPosition, end));
    m_penPosition = end;
}
