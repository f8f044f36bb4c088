#include "view/Canvas.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

const QRgb Grey = qRgb(128, 128, 128);
const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);

QImage GreyImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Grey);
    return image;
}

// The smallest rectangle holding every pixel that is no longer grey.
QRect PaintedArea(const QImage& image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != Grey)
                area |= QRect(x, y, 1, 1);
    return area;
}

int PaintedPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != Grey;
    return count;
}

TEST(Canvas, ARectangleLeavesOutItsRightColumnAndBottomRow)
{
    QImage image = GreyImage(20, 20);
    Canvas(image).Rectangle(2, 3, 10, 8);
    EXPECT_EQ(PaintedArea(image), QRect(QPoint(2, 3), QPoint(9, 7)));
    for (const QPoint outline : {QPoint(2, 5), QPoint(9, 5), QPoint(5, 3), QPoint(5, 7)})
        EXPECT_EQ(image.pixel(outline), Black) << outline.x() << ", " << outline.y();
    EXPECT_EQ(image.pixel(3, 4), White);
    EXPECT_EQ(image.pixel(8, 6), White);
}

class EllipseRadius : public testing::TestWithParam<int> {};

// Qt's outline is checked, not assumed: the circle must touch the box's first and
// last columns and rows and paint nothing beyond them.
TEST_P(EllipseRadius, TheCircleFillsItsBoxAndNothingOutside)
{
    const int r = GetParam();
    const int c = 250;
    QImage image = GreyImage(2 * c, 2 * c);
    Canvas(image).Ellipse(c - r, c - r, c + r, c + r);
    EXPECT_EQ(PaintedArea(image), QRect(QPoint(c - r, c - r), QPoint(c + r - 1, c + r - 1)));
    EXPECT_EQ(image.pixel(c - r, c), Black);
    EXPECT_EQ(image.pixel(c + r - 1, c), Black);
    EXPECT_EQ(image.pixel(c, c - r), Black);
    EXPECT_EQ(image.pixel(c, c + r - 1), Black);
    if (r > 1) {
        EXPECT_EQ(image.pixel(c, c), White);
    }
}

INSTANTIATE_TEST_SUITE_P(Radii, EllipseRadius, testing::Values(1, 2, 3, 44, 60, 201));

TEST(Canvas, AnEmptyBoxPaintsNothing)
{
    QImage image = GreyImage(20, 20);
    {
        Canvas canvas(image);
        canvas.Ellipse(10, 10, 10, 10);
        canvas.Rectangle(12, 5, 4, 9);
        canvas.MoveTo(3, 3);
        canvas.LineTo(3, 3);
    }
    EXPECT_TRUE(PaintedArea(image).isNull());
}

struct LineRow {
    const char* name;
    QPoint end; // the line starts at (10, 10)
    QPoint lastPainted;
};

class LineDirection : public testing::TestWithParam<LineRow> {};

TEST_P(LineDirection, TheEndPixelIsNotPainted)
{
    QImage image = GreyImage(21, 21);
    {
        Canvas canvas(image);
        canvas.MoveTo(10, 10);
        canvas.LineTo(GetParam().end.x(), GetParam().end.y());
    }
    EXPECT_EQ(image.pixel(10, 10), Black);
    EXPECT_EQ(image.pixel(GetParam().lastPainted), Black);
    EXPECT_EQ(image.pixel(GetParam().end), Grey);
    // One pixel per step along the longer axis, the end's step left out.
    const QPoint d = GetParam().end - QPoint(10, 10);
    EXPECT_EQ(PaintedPixels(image), std::max(std::abs(d.x()), std::abs(d.y())));
}

INSTANTIATE_TEST_SUITE_P(
    Directions, LineDirection,
    testing::Values(LineRow{"right", {16, 10}, {15, 10}}, LineRow{"left", {4, 10}, {5, 10}},
                    LineRow{"down", {10, 16}, {10, 15}}, LineRow{"up", {10, 4}, {10, 5}},
                    LineRow{"downRight", {15, 15}, {14, 14}}, LineRow{"upLeft", {5, 5}, {6, 6}},
                    LineRow{"downLeft", {5, 15}, {6, 14}}, LineRow{"upRight", {15, 5}, {14, 6}},
                    LineRow{"shallowLeftUp", {2, 7}, {3, 7}},
                    LineRow{"steepDown", {12, 19}, {12, 18}},
                    LineRow{"neighbour", {11, 10}, {10, 10}}),
    [](const testing::TestParamInfo<LineRow>& info) { return info.param.name; });

TEST(Canvas, ALineStartsAtThePenPositionTheLastLineLeft)
{
    QImage image = GreyImage(20, 20);
    {
        Canvas canvas(image);
        canvas.MoveTo(2, 2);
        canvas.LineTo(8, 2);
        canvas.LineTo(8, 9);
    }
    // (8, 2) ends the first line unpainted and starts the second one painted.
    EXPECT_EQ(image.pixel(7, 2), Black);
    EXPECT_EQ(image.pixel(8, 2), Black);
    EXPECT_EQ(image.pixel(8, 8), Black);
    EXPECT_EQ(image.pixel(8, 9), Grey);
}

TEST(Canvas, FiguresPartlyOutsideTheImageAreClipped)
{
    QImage image = GreyImage(20, 20);
    {
        Canvas canvas(image);
        canvas.Rectangle(-5, -5, 10, 10);
        canvas.MoveTo(-10, 15);
        canvas.LineTo(30, 15);
    }
    EXPECT_EQ(image.pixel(0, 0), White);
    EXPECT_EQ(image.pixel(9, 0), Black);
    EXPECT_EQ(image.pixel(0, 15), Black);
    EXPECT_EQ(image.pixel(19, 15), Black);
}

} // namespace
