#include "ModalBoxes.h"
#include "TrialFixture.h"
#include "pictures/PictureBox.h"
#include "shell/HandlerGuard.h"
#include "view/IndentationView.h"
#include "view/TimeDial.h"
#include "windows/SpeedButton.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);

class TrialWindowTest : public TrialFixture {
protected:
    QColor viewPixel(int x, int y) const { return form2->Image2->surface().pixelColor(x, y); }
    QColor dialPixel(int x, int y)
    {
        QApplication::processEvents();
        const QImage picture = form2->Chart1->grab().toImage();
        const qreal ratio = picture.devicePixelRatio();
        return picture.pixelColor(qRound(x * ratio), qRound(y * ratio));
    }
    // The scheme picture's colour well inside the box; the fixture's pictures are plain.
    QColor schemeColour()
    {
        const QColor colour = form2->Image1->grab().toImage().pixelColor(400, 100);
        return colour.red() > 200     ? Qt::red
               : colour.green() > 200 ? Qt::green
               : colour.blue() > 200  ? Qt::blue
                                      : colour;
    }
    void clickStart() { QTest::mouseClick(form2->SpeedButton1, Qt::LeftButton); }
};

TEST_F(TrialWindowTest, AWholeTrialFromMaterialChoiceToTheGridView)
{
    chooseMaterial(1);
    startLoading();
    ASSERT_TRUE(form2->isVisible());
    EXPECT_FALSE(form2->Image2->hasSurface());
    EXPECT_FALSE(form2->SpeedButton2->isVisible());

    clickStart();
    EXPECT_FALSE(form2->SpeedButton1->isVisible());
    EXPECT_FALSE(form2->Label1->isVisible());
    EXPECT_TRUE(trialState.Loading);
    EXPECT_EQ(schemeColour(), QColor(Qt::red));

    tickTo(1);
    EXPECT_EQ(viewPixel(219, 149), Black);
    EXPECT_EQ(viewPixel(222, 150), White);
    // Tick 1: the red slice runs from 72° to 90°; 81° at radius 100 lies inside it.
    EXPECT_EQ(dialPixel(224, 81), QColor(255, 0, 0));

    tickTo(30);
    EXPECT_EQ(schemeColour(), QColor(Qt::green));
    tickTo(44);
    EXPECT_EQ(viewPixel(263, 150), Black); // the outline's right edge at radius 44
    EXPECT_EQ(viewPixel(265, 150), White);
    tickTo(59);
    EXPECT_FALSE(form2->SpeedButton2->isVisible());
    form2->Timer1.start();
    tickTo(60);
    EXPECT_TRUE(form2->SpeedButton2->isVisible());
    EXPECT_FALSE(form2->Timer1.isActive());
    EXPECT_EQ(schemeColour(), QColor(Qt::blue));
    EXPECT_EQ(viewPixel(263, 150), Black);

    EXPECT_FALSE(form2->SpeedButton3->isVisible());
    QTest::mouseClick(form2->SpeedButton2, Qt::LeftButton);
    EXPECT_TRUE(form2->SpeedButton3->isVisible());
    EXPECT_EQ(viewPixel(306, 150), Black); // R2 = 87
    EXPECT_EQ(viewPixel(440, 5), White);

    QTest::mouseClick(form2->SpeedButton3, Qt::LeftButton);
    EXPECT_EQ(viewPixel(440, 5), Black);
    EXPECT_EQ(viewPixel(445, 290), Black);
    QTest::mouseClick(form2->SpeedButton2, Qt::LeftButton);
    EXPECT_EQ(viewPixel(440, 5), White);

    form2->Button1->click();
    EXPECT_FALSE(form1->isVisible());
}

TEST_F(TrialWindowTest, EnterOnTheFirstShowingPressesTheFinishButton)
{
    chooseMaterial(1);
    startLoading();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form2.get()));
    EXPECT_EQ(QApplication::focusWidget(), form2->Button1);
    QTest::keyClick(form2->Button1, Qt::Key_Return);
    EXPECT_FALSE(form1->isVisible());
}

TEST_F(TrialWindowTest, AHiddenTrialWindowGoesOnAndShowsTheTickReached)
{
    chooseMaterial(1);
    startLoading();
    clickStart();
    tickTo(10);
    form2->close();
    EXPECT_FALSE(form2->isVisible());
    tickTo(18);
    startLoading();
    EXPECT_TRUE(form2->isVisible());
    EXPECT_EQ(trialState.TickCount, 18);
    EXPECT_FALSE(form2->SpeedButton1->isVisible());
    EXPECT_EQ(viewPixel(220 + 17, 150), Black);
}

TEST_F(TrialWindowTest, ASecondStartLoadingChangesOnlyWhatLaterTicksAndMagnifyDraw)
{
    chooseMaterial(1);
    startLoading();
    clickStart();
    tickTo(50);
    EXPECT_EQ(viewPixel(263, 150), Black); // radius 44
    chooseMaterial(21);
    startLoading();
    EXPECT_EQ(trialState.TickCount, 50);
    EXPECT_EQ(viewPixel(263, 150), Black); // nothing redrawn until the next tick
    tickTo(51);
    EXPECT_EQ(viewPixel(270, 150), Black); // radius 51
    tickTo(60);
    QTest::mouseClick(form2->SpeedButton2, Qt::LeftButton);
    EXPECT_EQ(viewPixel(220, 0), White); // R2 = 201 covers the frame's top row
}

TEST_F(TrialWindowTest, AStartWithTheFirstSchemeMissingLeavesStartInPlace)
{
    removeScheme("схема-1.jpg");
    chooseMaterial(1);
    startLoading();
    const auto boxes = AnswerModalBoxes([&] { clickStart(); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Cannot open file \"" + schemes.filePath("схема-1.jpg") +
                                 "\". No such file or directory.");
    EXPECT_TRUE(form2->SpeedButton1->isVisible());
    EXPECT_TRUE(form2->Label1->isVisible());
    EXPECT_FALSE(trialState.Loading);
    Guarded([this] { form2->Timer1Timer(); });
    EXPECT_EQ(trialState.TickCount, 0);
}

TEST_F(TrialWindowTest, AMissingSecondSchemeGivesOneBoxAndTheTrialStillEnds)
{
    removeScheme("схема-2.jpg");
    chooseMaterial(1);
    startLoading();
    clickStart();
    form2->Timer1.start();
    const auto boxes = AnswerModalBoxes([&] { tickTo(60); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.startsWith("Cannot open file"));
    EXPECT_FALSE(form2->Timer1.isActive());
    EXPECT_EQ(schemeColour(), QColor(Qt::blue));
}

} // namespace
