#include "view/TimeDial.h"
#include "view/DialPicture.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);
const QRgb Red = qRgb(255, 0, 0);

// The dial's pixels are measured from its centre pixel (208, 180).
constexpr double CentreX = 208;
constexpr double CentreY = 180;
constexpr double Radius = 166;

// The point at this angle (degrees counterclockwise from 3 o'clock) and distance
// from the centre, as a pixel.
QPoint PixelAt(double degrees, double distance)
{
    const double a = degrees * std::numbers::pi / 180;
    return {int(std::lround(CentreX + distance * std::cos(a))),
            int(std::lround(CentreY - distance * std::sin(a)))};
}

// An antialiased 1-pixel line covers at least half of some pixel within a pixel of
// each point on its path, so the darkest grey level there is below mid-grey.
constexpr int OnLine = 128;

// The darkest grey level among the pixel and its eight neighbours.
int DarkestAround(const QImage& picture, QPoint p)
{
    int darkest = 255;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            darkest = std::min(darkest, qGray(picture.pixel(p + QPoint(dx, dy))));
    return darkest;
}

// Fills the dial as the loading sequence does on tick k.
void ShowTick(TimeDial& dial, int k)
{
    const bool stage1 = k <= 30;
    dial.Clear();
    dial.Add(stage1 ? 80 : 0, "%=", clWhite);
    dial.Add(20, "%=", clRed);
    dial.Add(stage1 ? 270 + 30 * k : 30 * k - 630, "%=", clWhite);
}

QImage Picture(TimeDial& dial)
{
    return dial.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(TimeDial, AnEmptyDialShowsThePanelItsRaisedEdgeAndTheFrameOnly)
{
    TimeDial dial;
    const QImage picture = Picture(dial);
    ASSERT_EQ(picture.size(), QSize(417, 361));
    const QRgb face = dial.palette().color(QPalette::Button).rgb();
    const QRgb highlight = dial.palette().color(QPalette::Light).rgb();
    const QRgb shadow = dial.palette().color(QPalette::Dark).rgb();
    for (int y = 0; y < 361; ++y) {
        for (int x = 0; x < 417; ++x) {
            const bool onFrame = ((x == 13 || x == 404) && y >= 14 && y <= 347) ||
                                 ((y == 14 || y == 347) && x >= 13 && x <= 404);
            QRgb expected = onFrame ? Black : face;
            if (x == 0 || y == 0)
                expected = highlight;
            if (x == 416 || y == 360)
                expected = shadow;
            ASSERT_EQ(picture.pixel(x, y), expected) << x << ", " << y;
        }
    }
    // The shadow comes last and takes the corners at the bottom left and top right.
    EXPECT_EQ(picture.pixel(0, 360), shadow);
    EXPECT_EQ(picture.pixel(416, 0), shadow);
}

struct TickRow {
    int tick;
    std::vector<QPoint> edges; // the straight edges run from (208, 180) to these
    double redFrom;            // the red slice, degrees counterclockwise from 3 o'clock
    double redTo;
};

class DialAtTick : public testing::TestWithParam<TickRow> {};

TEST_P(DialAtTick, TheRedWedgeLiesBetweenItsEdgesAndTheRestIsWhite)
{
    const TickRow& row = GetParam();
    TimeDial dial;
    ShowTick(dial, row.tick);
    const QImage picture = Picture(dial);

    for (const QPoint edge : row.edges) {
        EXPECT_LT(qGray(picture.pixel(edge)), OnLine) << edge.x() << ", " << edge.y();
        for (const double share : {0.25, 0.5, 0.75}) {
            const QPoint on(int(std::lround(CentreX + (edge.x() - CentreX) * share)),
                            int(std::lround(CentreY + (edge.y() - CentreY) * share)));
            EXPECT_LT(DarkestAround(picture, on), OnLine)
                << edge.x() << ", " << edge.y() << " at " << share;
        }
    }
    const double middle = (row.redFrom + row.redTo) / 2;
    EXPECT_EQ(picture.pixel(PixelAt(middle, 140)), Red);
    // Beyond the red wedge's edges on either side the slices are white.
    EXPECT_EQ(picture.pixel(PixelAt(row.redFrom - 3, 120)), White);
    EXPECT_EQ(picture.pixel(PixelAt(row.redTo + 3, 120)), White);
    EXPECT_EQ(picture.pixel(PixelAt(200, 100)), White);
}

INSTANTIATE_TEST_SUITE_P(
    Ticks, DialAtTick,
    testing::Values(TickRow{1, {{374, 180}, {259, 22}, {208, 14}}, 72.00, 90.00},
                    TickRow{30, {{374, 180}, {361, 116}, {354, 101}}, 22.68, 28.35},
                    TickRow{31, {{374, 180}, {361, 116}}, 0, 22.50},
                    TickRow{60, {{374, 180}, {373, 163}}, 0, 6.05}),
    [](const testing::TestParamInfo<TickRow>& info) {
        return "tick" + std::to_string(info.param.tick);
    });

TEST(TimeDial, InStage2TheRedSliceStartsAtThe3OClockLine)
{
    TimeDial dial;
    ShowTick(dial, 40);
    const QImage picture = Picture(dial);
    EXPECT_EQ(picture.pixel(PixelAt(1.5, 150)), Red);
    EXPECT_EQ(picture.pixel(PixelAt(-1.5, 150)), White);
}

// Outside the circle the dial is the empty dial: no title, legend, marks or labels.
TEST(TimeDial, NothingButTheSlicesIsAddedToTheEmptyDial)
{
    TimeDial empty;
    const QImage emptyPicture = Picture(empty);
    for (const int tick : {1, 30, 31, 60}) {
        TimeDial dial;
        ShowTick(dial, tick);
        const QImage picture = Picture(dial);
        for (int y = 0; y < 361; ++y) {
            for (int x = 0; x < 417; ++x) {
                if (std::hypot(x - CentreX, y - CentreY) > Radius + 2) {
                    ASSERT_EQ(picture.pixel(x, y), emptyPicture.pixel(x, y))
                        << "tick " << tick << " at " << x << ", " << y;
                }
            }
        }
    }
}

// The plot rectangle is 391 × 333 pixels, yet the circle is round.
TEST(TimeDial, TheCircleIsRoundWithRadius166)
{
    TimeDial dial;
    dial.Add(1, "", clWhite); // one slice: the whole circle
    const QImage picture = Picture(dial);
    for (double degrees = 5; degrees < 360; degrees += 10) {
        EXPECT_LT(DarkestAround(picture, PixelAt(degrees, Radius)), OnLine) << degrees;
        EXPECT_EQ(picture.pixel(PixelAt(degrees, Radius - 3)), White) << degrees;
        EXPECT_NE(qGray(picture.pixel(PixelAt(degrees, Radius + 3))), 255) << degrees;
        EXPECT_GT(qGray(picture.pixel(PixelAt(degrees, Radius + 3))), 200) << degrees;
    }
}

// At a device pixel ratio of 2 every dial pixel becomes 2 × 2 image pixels.
TEST(TimeDial, APictureAtDevicePixelRatio2ShowsTheSameDial)
{
    QImage picture(834, 722, QImage::Format_RGB32);
    picture.setDevicePixelRatio(2);
    const std::vector<DialPoint> points{
        {80, "%=", clWhite}, {20, "%=", clRed}, {300, "%=", clWhite}};
    DrawDialPicture(picture, QPalette(), points);
    for (const QPoint frame :
         {QPoint(13, 100), QPoint(404, 100), QPoint(100, 14), QPoint(100, 347)})
        for (const QPoint d : {QPoint(0, 0), QPoint(1, 1)})
            EXPECT_EQ(picture.pixel(2 * frame + d), Black) << frame.x() << ", " << frame.y();
    EXPECT_EQ(picture.pixel(2 * PixelAt(81, 140)), Red);
    EXPECT_EQ(picture.pixel(2 * PixelAt(200, 100)), White);
    EXPECT_EQ(picture.pixel(2 * QPoint(12, 100)), QPalette().color(QPalette::Button).rgb());
}

TEST(TimeDial, AddReturnsTheIndexAndKeepsTheLabel)
{
    TimeDial dial;
    EXPECT_EQ(dial.Add(80, "%=", clWhite), 0);
    EXPECT_EQ(dial.Add(20, "%=", clRed), 1);
    dial.Clear();
    EXPECT_EQ(dial.Add(-5, "x", clRed), 0);
    ASSERT_EQ(dial.points().size(), 1u);
    EXPECT_EQ(dial.points()[0].label, "x");
    EXPECT_EQ(dial.points()[0].value, -5);
    EXPECT_EQ(dial.points()[0].colour, clRed);
}

// A shown dial, settled after its first paints.
class ShownDial : public testing::Test {
protected:
    void SetUp() override
    {
        dial.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dial));
        QApplication::processEvents();
    }

    TimeDial dial;
};

TEST_F(ShownDial, OneTickMakesExactlyOneDrawingAfterItsHandlerHasReturned)
{
    const int before = dial.drawingCount();
    ShowTick(dial, 1);
    EXPECT_EQ(dial.drawingCount(), before);
    QApplication::processEvents();
    EXPECT_EQ(dial.drawingCount(), before + 1);
    EXPECT_EQ(dial.picture().pixel(PixelAt(81, 140)), Red);
}

TEST_F(ShownDial, APaintWithNothingNewCopiesTheKeptPicture)
{
    ShowTick(dial, 30);
    QApplication::processEvents();
    const int drawings = dial.drawingCount();
    const QImage shown = dial.picture().copy();
    dial.repaint();
    dial.hide();
    dial.show();
    QApplication::processEvents();
    EXPECT_EQ(dial.drawingCount(), drawings);
    EXPECT_EQ(Picture(dial), shown);
}

TEST(TimeDial, AHiddenDialDrawsNothingUntilShownAndThenShowsTheLastPoints)
{
    TimeDial dial;
    for (int tick = 1; tick <= 60; ++tick) {
        ShowTick(dial, tick);
        QApplication::processEvents();
    }
    EXPECT_EQ(dial.drawingCount(), 0);
    dial.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dial));
    QApplication::processEvents();
    EXPECT_EQ(dial.drawingCount(), 1);
    EXPECT_EQ(dial.picture().pixel(PixelAt(3, 140)), Red);
}

} // namespace
