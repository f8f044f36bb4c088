// The program's icon, read from its resource without Qt's image plugins: a 32 × 32
// and a 16 × 16 image, 16 colours each, fully opaque, showing the ball on its stem.

#include "FileBytes.h"
#include "IconFile.h"

#include <gtest/gtest.h>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Red = qRgb(255, 0, 0);

class IconTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(m_images.size(), 2); }
    const QList<IconImage> m_images =
        ReadIconFile(FileBytes(QStringLiteral(":/pictures/brinell.ico")));
};

TEST_F(IconTest, HoldsTwoSixteenColourOpaqueImages)
{
    for (int i = 0; i < 2; ++i) {
        const IconImage& image = m_images[i];
        const int size = i == 0 ? 32 : 16;
        EXPECT_EQ(image.width, size);
        EXPECT_EQ(image.height, size);
        EXPECT_EQ(image.colourCount, 16);
        EXPECT_EQ(image.bitsPerPixel, 4);
        EXPECT_TRUE(image.opaque);
        EXPECT_EQ(image.colours.size(), QSize(size, size));
    }
}

struct IconPixel {
    int image; // 0: 32 × 32, 1: 16 × 16
    QPoint point;
    QRgb colour;
    const char* what;
};

TEST_F(IconTest, ShowsTheBallOnItsStemInTheHolder)
{
    const IconPixel pixels[] = {
        {0, {0, 0}, White, "background"},
        {0, {5, 1}, Blue, "top bar"},
        {0, {26, 2}, Blue, "top bar"},
        {0, {16, 14}, Blue, "stem"},
        {0, {16, 4}, Red, "ring crossing the stem at its top"},
        {0, {16, 25}, Red, "ring crossing the stem at its bottom"},
        {0, {5, 14}, Red, "ring's left side"},
        {0, {10, 14}, White, "inside the ring"},
        {0, {16, 28}, Blue, "bar under the stem"},
        {0, {1, 21}, Blue, "holder's left side"},
        {0, {30, 21}, Blue, "holder's right side"},
        {0, {16, 31}, Blue, "holder's bottom"},
        {0, {3, 21}, White, "between holder and bar"},
        {1, {0, 0}, White, "background"},
        {1, {7, 1}, Blue, "top bar"},
        {1, {4, 7}, Red, "ring's left side"},
        {1, {7, 12}, Blue, "bar under the stem"},
        {1, {1, 11}, Blue, "holder's left side"},
        {1, {14, 11}, Blue, "holder's right side"},
        {1, {7, 14}, Blue, "holder's bottom"},
    };
    for (const IconPixel& pixel : pixels)
        EXPECT_EQ(m_images[pixel.image].colours.pixel(pixel.point), pixel.colour)
            << pixel.what << " at (" << pixel.point.x() << ", " << pixel.point.y() << ") of image "
            << pixel.image;
}

} // namespace
