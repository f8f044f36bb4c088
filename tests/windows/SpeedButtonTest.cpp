#include "windows/SpeedButton.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QColor PlayGreen(32, 192, 64);

class SpeedButtonTest : public testing::Test {
protected:
    SpeedButtonTest() : button(nullptr, QStringLiteral(":/pictures/start.bmp"))
    {
        button.resize(105, 97);
        button.show();
    }
    QColor pixel(int x, int y)
    {
        const QImage picture = button.grab().toImage();
        const qreal ratio = picture.devicePixelRatio();
        return picture.pixelColor(qRound(x * ratio), qRound(y * ratio));
    }
    QColor face() const { return button.palette().color(QPalette::Button); }

    SpeedButton button;
};

TEST_F(SpeedButtonTest, TheGlyphIsCentredAndItsBackgroundColourShowsTheFace)
{
    // The glyph starts at (8, 4): its triangle's left side at glyph column 26.
    EXPECT_EQ(pixel(8 + 26, 4 + 45), PlayGreen);
    EXPECT_EQ(pixel(8 + 25, 4 + 45), face());
    EXPECT_EQ(pixel(8, 4 + 88), face()); // the glyph's bottom-left pixel
}

TEST_F(SpeedButtonTest, HeldDownTheFaceSinksAndTheGlyphMovesOnePixel)
{
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_TRUE(button.isSunken());
    EXPECT_EQ(pixel(8 + 26, 4 + 45), face());
    EXPECT_EQ(pixel(8 + 27, 4 + 46), PlayGreen);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_FALSE(button.isSunken());
    EXPECT_EQ(pixel(8 + 26, 4 + 45), PlayGreen);
}

TEST_F(SpeedButtonTest, ClicksOnAReleaseOverItAfterAPressOnItAndNeverTakesTheFocus)
{
    QSignalSpy clicks(&button, &SpeedButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(clicks.count(), 1);

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(200, 50));
    EXPECT_EQ(clicks.count(), 1);

    QTest::mouseClick(&button, Qt::RightButton, {}, QPoint(50, 50));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(button.focusPolicy(), Qt::NoFocus);
}

} // namespace
