#include "view/DialGeometry.h"

#include "model/FloatingPoint.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

// Margins of the plot rectangle, in per cent of the chart area's width and height.
constexpr int SideMarginPercent = 3;
constexpr int EndMarginPercent = 4;
constexpr int SmallestCircleSide = 4;

// Pixels are taken as square: the circle is as many pixels wide as it is high.
constexpr long double PixelAspectRatio = 1.0L;

int PercentOf(int percent, int length)
{
    return static_cast<int>(Round(static_cast<long double>(percent) * length / 100));
}

// Makes both sides of the box an even number of pixels, at least the smallest side,
// and takes the centre.
void EvenOut(DialLayout& layout)
{
    DialBox& box = layout.circle;
    if ((box.right - box.left) % 2 != 0)
        box.right -= 1;
    if ((box.bottom - box.top) % 2 != 0)
        box.bottom -= 1;
    if (box.right - box.left < SmallestCircleSide)
        box.right = box.left + SmallestCircleSide;
    if (box.bottom - box.top < SmallestCircleSide)
        box.bottom = box.top + SmallestCircleSide;
    layout.centre = {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

// Takes the radii from the box and centres the box on the centre again.
void TakeRadii(DialLayout& layout)
{
    DialBox& box = layout.circle;
    layout.xRadius = (box.right - box.left) / 2;
    layout.yRadius = (box.bottom - box.top) / 2;
    const DialPixel c = layout.centre;
    box = {c.x - layout.xRadius, c.y - layout.yRadius, c.x + layout.xRadius, c.y + layout.yRadius};
}

// Narrows the longer side so that the circle comes out round on the screen.
void MakeRound(DialLayout& layout)
{
    DialBox& box = layout.circle;
    const auto roundHeight = static_cast<int>(Round(layout.yRadius * PixelAspectRatio));
    if (layout.xRadius > roundHeight) {
        const int excess = layout.xRadius - roundHeight;
        box.left += excess;
        box.right -= excess;
    } else {
        const int excess =
            layout.yRadius - static_cast<int>(Round(layout.xRadius / PixelAspectRatio));
        box.top += excess;
        box.bottom -= excess;
    }
}

} // namespace

DialLayout LayOutDial(int width, int height)
{
    DialLayout layout;
    const int side = PercentOf(SideMarginPercent, width);
    const int end = PercentOf(EndMarginPercent, height);
    layout.plot = {side, end, width - side, height - end};
    layout.circle = layout.plot;
    EvenOut(layout);
    TakeRadii(layout);
    MakeRound(layout);
    EvenOut(layout);
    TakeRadii(layout);
    return layout;
}

std::vector<double> SliceEndAngles(std::span<const double> values)
{
    constexpr double fullCircle = 2 * std::numbers::pi;
    double total = 0;
    for (const double value : values)
        total += std::fabs(value);
    // Only a list of zeros has a total of 0, and then every slice ends at 2π.
    const double factor = total == 0 ? 0 : fullCircle / total;

    std::vector<double> ends;
    ends.reserve(values.size());
    double runningSum = 0;
    for (const double value : values) {
        runningSum += std::fabs(value);
        ends.push_back(runningSum == total ? fullCircle : runningSum * factor);
    }
    return ends;
}

DialPixel AnglePixel(const DialLayout& layout, double angle)
{
    const long double a = angle;
    const std::int64_t dx = Round(layout.xRadius * std::cos(a));
    const std::int64_t dy = Round(layout.yRadius * std::sin(a));
    return {static_cast<int>(layout.centre.x + dx), static_cast<int>(layout.centre.y - dy)};
}

std::vector<DialWedge> DialWedges(const DialLayout& layout, std::span<const double> values)
{
    const std::vector<double> ends = SliceEndAngles(values);
    std::vector<DialWedge> wedges;
    DialPixel previous = AnglePixel(layout, 0);
    double start = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const DialPixel end = AnglePixel(layout, ends[i]);
        if (end != previous || values.size() == 1 || ends[i] - start > 1) {
            wedges.push_back({i, previous, end});
            previous = end;
        }
        start = ends[i];
    }
    return wedges;
}
