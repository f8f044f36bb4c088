// The three speed-button glyphs: their bitmap formats, their exactly two colours, the
// background colour of the bottom-left pixel that the buttons leave unpainted, and
// where their figures lie.

#include "FileBytes.h"

#include <QImage>
#include <QSet>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

struct Glyph {
    const char* name;
    int bitsPerPixel;
    int paletteEntries; // 0: no palette
    QRgb background;
    QRgb figure;
    QRect extent; // of the figure's pixels
};

void PrintTo(const Glyph& glyph, std::ostream* out)
{
    *out << glyph.name;
}

QString resourcePath(const Glyph& glyph)
{
    return QStringLiteral(":/pictures/%1.bmp").arg(QLatin1String(glyph.name));
}

int u16At(const QByteArray& bytes, int at)
{
    return uchar(bytes[at]) | uchar(bytes[at + 1]) << 8;
}

class GlyphTest : public testing::TestWithParam<Glyph> {};

TEST_P(GlyphTest, IsABitmapOfItsDepth)
{
    const QByteArray bytes = FileBytes(resourcePath(GetParam()));
    ASSERT_GE(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(u16At(bytes, 28), GetParam().bitsPerPixel);
    EXPECT_EQ(u16At(bytes, 46), GetParam().paletteEntries); // colours used
}

TEST_P(GlyphTest, HasTwoColoursAndItsFigureWhereDescribed)
{
    const Glyph& glyph = GetParam();
    const QImage image(resourcePath(glyph));
    ASSERT_EQ(image.size(), QSize(89, 89));
    EXPECT_EQ(image.pixel(0, 88), glyph.background);

    QSet<QRgb> colours;
    QRect extent;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
            if (image.pixel(x, y) == glyph.figure)
                extent |= QRect(x, y, 1, 1);
        }
    EXPECT_EQ(colours, QSet<QRgb>({glyph.background, glyph.figure}));
    EXPECT_EQ(extent, glyph.extent);
}

INSTANTIATE_TEST_SUITE_P(
    SpeedButtons, GlyphTest,
    testing::Values(Glyph{"start", 8, 256, qRgb(255, 255, 0), qRgb(32, 192, 64),
                          QRect(QPoint(6, 6), QPoint(81, 82))},
                    Glyph{"magnify", 24, 0, qRgb(255, 242, 0), qRgb(63, 72, 204),
                          QRect(QPoint(3, 3), QPoint(85, 87))},
                    Glyph{"grid", 24, 0, qRgb(255, 242, 0), qRgb(237, 28, 36),
                          QRect(QPoint(0, 0), QPoint(88, 88))}),
    [](const testing::TestParamInfo<Glyph>& info) { return std::string(info.param.name); });

bool isFigure(const QImage& glyph, int x, int y)
{
    return glyph.pixel(x, y) != glyph.pixel(0, 88);
}

TEST(StartGlyphTest, TrianglePointsRightInsideTheRing)
{
    const QImage glyph(QStringLiteral(":/pictures/start.bmp"));
    for (int y = 25; y <= 64; ++y)
        EXPECT_TRUE(isFigure(glyph, 26, y)) << "left side at y " << y;
    EXPECT_FALSE(isFigure(glyph, 26, 24));
    EXPECT_FALSE(isFigure(glyph, 26, 65));
    EXPECT_FALSE(isFigure(glyph, 25, 45));
    EXPECT_TRUE(isFigure(glyph, 64, 45)) << "tip";
    EXPECT_FALSE(isFigure(glyph, 65, 45));
    EXPECT_FALSE(isFigure(glyph, 64, 43));
    EXPECT_FALSE(isFigure(glyph, 64, 47));
    // The ring is 3 pixels thick at its left: x 6 … 8 at mid-height, then the inside.
    for (int x = 6; x <= 8; ++x)
        EXPECT_TRUE(isFigure(glyph, x, 44)) << x;
    EXPECT_FALSE(isFigure(glyph, 9, 44));
}

TEST(MagnifyGlyphTest, LensHoldsAPlusSignOfThreePixelBars)
{
    const QImage glyph(QStringLiteral(":/pictures/magnify.bmp"));
    for (int x = 14; x <= 40; ++x)
        for (int y = 26; y <= 28; ++y)
            EXPECT_TRUE(isFigure(glyph, x, y)) << x << ", " << y;
    for (int y = 15; y <= 38; ++y)
        for (int x = 26; x <= 28; ++x)
            EXPECT_TRUE(isFigure(glyph, x, y)) << x << ", " << y;
    EXPECT_FALSE(isFigure(glyph, 20, 25));
    EXPECT_FALSE(isFigure(glyph, 20, 29));
    EXPECT_FALSE(isFigure(glyph, 25, 20));
    EXPECT_FALSE(isFigure(glyph, 29, 20));
}

// Every pixel on a grid line is red and every other one background.
TEST(GridGlyphTest, LinesLieAtTheirColumnsAndRows)
{
    const QImage glyph(QStringLiteral(":/pictures/grid.bmp"));
    const auto onLine = [](int at, std::initializer_list<int> starts, int last) {
        return std::any_of(starts.begin(), starts.end(), [&](int start) {
            return at >= start && at <= std::min(start + 2, last);
        });
    };
    for (int y = 0; y < 89; ++y)
        for (int x = 0; x < 89; ++x) {
            const bool line = onLine(x, {4, 18, 31, 44, 57, 71, 87}, 88) ||
                              onLine(y, {2, 14, 28, 40, 54, 68, 82}, 88);
            ASSERT_EQ(isFigure(glyph, x, y), line) << x << ", " << y;
        }
}

} // namespace
