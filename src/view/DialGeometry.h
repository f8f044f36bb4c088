#pragma once

// Where the time dial's parts fall in its chart area, in whole pixels: the plot
// rectangle inside the margins, the round circle within it, the slices' angles and
// the edge pixels of the wedges that are drawn. Plain arithmetic, no drawing.
// Rectangles are bounding boxes: the right column and the bottom row lie outside.

#include <cstddef>
#include <span>
#include <vector>

struct DialPixel {
    int x = 0;
    int y = 0;

    friend bool operator==(DialPixel, DialPixel) = default;
};

struct DialBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(DialBox, DialBox) = default;
};

struct DialLayout {
    DialBox plot;   // inside the margins; the black frame runs along its edges
    DialBox circle; // the box of the circle the slices are cut from
    DialPixel centre;
    int xRadius = 0;
    int yRadius = 0;
};

// One slice as drawn: the wedge from the ray through `from` counterclockwise to the
// ray through `to`, both rays starting at the centre; a wedge whose two rays
// coincide is the whole circle.
struct DialWedge {
    std::size_t point = 0; // the slice's place in the list of points
    DialPixel from;
    DialPixel to;
};

// For a 417 × 361 area: plot (13, 14, 404, 347), circle (42, 14, 374, 346),
// centre (208, 180), both radii 166.
DialLayout LayOutDial(int width, int height);

// Each slice's end angle in radians, counterclockwise from 3 o'clock; a slice starts
// where the one before it ends, the first at 0, and the last ends at exactly 2π.
std::vector<double> SliceEndAngles(std::span<const double> values);

// The pixel on the circle at this angle.
DialPixel AnglePixel(const DialLayout& layout, double angle);

// The wedges drawn for these slice values, in list order. A slice whose end pixel is
// the edge drawn last is left out, unless it is the only slice or spans more than a
// radian: the lead slice of value 0 leaves no second edge at 3 o'clock.
std::vector<DialWedge> DialWedges(const DialLayout& layout, std::span<const double> values);
