#include "view/IndentationView.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);
const QRgb PaleGreen = qRgb(192, 220, 192);

bool IsFramePixel(int x, int y)
{
    return x == 0 || x == 449 || y == 0 || y == 299;
}

int BlackPixelsIn(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == Black;
    return count;
}

TEST(IndentationView, BeforeTheFirstDrawingTheWindowsBackgroundShows)
{
    QWidget window;
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(PaleGreen));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.resize(500, 400);
    IndentationView view(&window);
    view.move(20, 30);

    EXPECT_FALSE(view.hasSurface());
    EXPECT_EQ(window.grab().toImage().pixel(20 + 225, 30 + 150), PaleGreen);

    view.drawGrowthFrame(1);
    ASSERT_TRUE(view.hasSurface());
    EXPECT_EQ(view.surface().size(), QSize(450, 300));
    EXPECT_FALSE(view.surface().hasAlphaChannel());
    EXPECT_EQ(window.grab().toImage().pixel(20 + 225, 30 + 150), White);
    EXPECT_EQ(window.grab().toImage().pixel(20, 30), Black);
}

TEST(IndentationView, TheFirstTickDrawsATwoPixelCircleInItsFrame)
{
    IndentationView view;
    view.drawGrowthFrame(1);
    const QImage& surface = view.surface();
    // The box (219, 149, 221, 151): the four pixels of columns 219, 220 and rows 149, 150.
    EXPECT_EQ(BlackPixelsIn(surface, QRect(219, 149, 2, 2)), 4);
    EXPECT_EQ(BlackPixelsIn(surface, QRect(210, 140, 20, 20)), 4);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 450; x += y == 0 || y == 299 ? 1 : 449)
            ASSERT_EQ(surface.pixel(x, y), Black) << x << ", " << y;
    EXPECT_EQ(surface.pixel(1, 1), White);
    EXPECT_EQ(surface.pixel(448, 298), White);
}

class GrowthRadius : public testing::TestWithParam<int> {};

// The circle of radius r spans columns 220 − r to 219 + r and rows 150 − r to 149 + r.
TEST_P(GrowthRadius, TheCircleSpansItsBox)
{
    const int r = GetParam();
    IndentationView view;
    view.drawGrowthFrame(r);
    const QImage& surface = view.surface();
    EXPECT_EQ(surface.pixel(220 - r, 150), Black);
    EXPECT_EQ(surface.pixel(219 + r, 150), Black);
    EXPECT_EQ(surface.pixel(220, 150 - r), Black);
    EXPECT_EQ(surface.pixel(220, 149 + r), Black);
    EXPECT_EQ(surface.pixel(219 - r, 150), White);
    EXPECT_EQ(surface.pixel(220 + r, 150), White);
    EXPECT_EQ(surface.pixel(220, 149 - r), White);
    EXPECT_EQ(surface.pixel(220, 150 + r), White);
    EXPECT_EQ(surface.pixel(220, 150), White);
}

INSTANTIATE_TEST_SUITE_P(Radii, GrowthRadius, testing::Values(2, 44, 60));

TEST(IndentationView, EachGrowthFrameReplacesThePreviousOne)
{
    IndentationView view;
    view.drawGrowthFrame(60);
    view.drawGrowthFrame(3);
    EXPECT_EQ(view.surface().pixel(160, 150), White);
    EXPECT_EQ(view.surface().pixel(217, 150), Black);
}

TEST(IndentationView, AMagnifiedCircleLargerThanTheSurfaceIsClippedAndCoversTheFrame)
{
    IndentationView view;
    view.drawMagnifiedView(10.0492); // R2 = 201: columns 19 to 420, rows −51 to 350
    const QImage& surface = view.surface();
    EXPECT_EQ(surface.pixel(19, 150), Black);
    EXPECT_EQ(surface.pixel(420, 150), Black);
    EXPECT_EQ(surface.pixel(18, 150), White);
    EXPECT_EQ(surface.pixel(421, 150), White);
    // The frame's top and bottom rows are white under the circle, black beside it.
    EXPECT_EQ(surface.pixel(220, 0), White);
    EXPECT_EQ(surface.pixel(220, 299), White);
    EXPECT_EQ(surface.pixel(40, 0), Black);
    EXPECT_EQ(surface.pixel(400, 299), Black);
    EXPECT_EQ(surface.pixel(0, 150), Black);
    EXPECT_EQ(surface.pixel(449, 150), Black);
}

TEST(IndentationView, TheMagnifiedCircleHasTwiceTheGrowthFramesRadius)
{
    IndentationView view;
    view.drawMagnifiedView(4.3711); // R = 44, R2 = 87
    EXPECT_EQ(view.surface().pixel(220 - 87, 150), Black);
    EXPECT_EQ(view.surface().pixel(219 + 87, 150), Black);
    EXPECT_EQ(view.surface().pixel(220 - 88, 150), White);
}

// Away from the circle, a pixel is black exactly on the frame and on the grid lines
// x = 10, 20 … 440 and y = 10, 20 … 290; column 449 and row 299 carry only the frame.
TEST(IndentationView, TheGridsLastLinesAreColumn440AndRow290)
{
    IndentationView view;
    view.drawGridView(4.3711); // R2 = 87
    const QImage& surface = view.surface();
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 450; ++x) {
            const double distance = std::hypot(x + 0.5 - 220, y + 0.5 - 150);
            if (distance > 84 && distance < 90)
                continue;
            const bool onGrid = x % 10 == 0 || y % 10 == 0;
            ASSERT_EQ(surface.pixel(x, y), IsFramePixel(x, y) || onGrid ? Black : White)
                << x << ", " << y;
        }
    }
    EXPECT_EQ(surface.pixel(220 - 87, 155), Black); // the circle under the grid
}

TEST(IndentationView, MagnifyingAfterTheGridShowsNoGridAndTheGridRepeatsExactly)
{
    IndentationView view;
    view.drawGridView(4.3711);
    const QImage firstGrid = view.surface().copy();
    view.drawMagnifiedView(4.3711);
    EXPECT_EQ(view.surface().pixel(10, 5), White);
    EXPECT_EQ(view.surface().pixel(5, 10), White);
    view.drawGridView(4.3711);
    EXPECT_EQ(view.surface(), firstGrid);
}

struct ExtremeRow {
    const char* name;
    std::int64_t radius;
};

class ExtremeRadius : public testing::TestWithParam<ExtremeRow> {};

// A circle beyond every edge leaves the whole surface white, its own frame included;
// one of radius 0 leaves the frame alone.
TEST_P(ExtremeRadius, TheSurfaceShowsOnlyWhatFallsOnIt)
{
    IndentationView view;
    view.drawGrowthFrame(GetParam().radius);
    const bool covered = GetParam().radius > 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 450; ++x)
            ASSERT_EQ(view.surface().pixel(x, y), covered || !IsFramePixel(x, y) ? White : Black)
                << x << ", " << y;
}

INSTANTIATE_TEST_SUITE_P(
    Radii, ExtremeRadius,
    testing::Values(ExtremeRow{"zero", 0}, ExtremeRow{"pastTheCorners", 300},
                    ExtremeRow{"trillion", 1'000'000'000'000},
                    ExtremeRow{"largest", std::numeric_limits<std::int64_t>::max()}),
    [](const testing::TestParamInfo<ExtremeRow>& info) { return info.param.name; });

TEST(IndentationView, ThePaintCopiesTheSurfacePixelForPixel)
{
    IndentationView view;
    view.drawGridView(10.0492);
    EXPECT_EQ(view.grab().toImage().convertToFormat(QImage::Format_RGB32), view.surface());
}

TEST(IndentationView, AtDevicePixelRatio2EachSurfacePixelCoversFourDevicePixels)
{
    IndentationView view;
    view.drawGrowthFrame(1);
    QImage screen(900, 600, QImage::Format_RGB32);
    screen.setDevicePixelRatio(2);
    screen.fill(Qt::gray);
    view.render(&screen);
    for (const QPoint p : {QPoint(0, 0), QPoint(1, 1), QPoint(219, 149), QPoint(220, 150),
                           QPoint(221, 150), QPoint(449, 299)}) {
        const QRgb expected = view.surface().pixel(p);
        for (const QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
            EXPECT_EQ(screen.pixel(2 * p + d), expected) << p.x() << ", " << p.y();
    }
}

// Counts the paints the view receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

TEST(IndentationView, ADrawingIsShownAfterItsHandlerHasReturned)
{
    IndentationView view;
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QApplication::processEvents();
    PaintCounter counter;
    view.installEventFilter(&counter);

    view.drawGrowthFrame(5);
    view.drawGrowthFrame(6);
    EXPECT_EQ(counter.paints, 0);
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
}

} // namespace
