#include "BothWindows.h"
#include "ModalBoxes.h"
#include "shell/TrialState.h"
#include "windows/MaterialButtonPlaces.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class SetupWindowTest : public testing::Test, protected BothWindows {
protected:
    SetupWindowTest()
    {
        form1->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form1.get()));
    }

    QRadioButton* radio(int number) const { return form1->RadioButton(number); }
    QColor colourOf(int number) const { return radio(number)->grab().toImage().pixelColor(45, 2); }
    int countColoured(const QColor& colour) const
    {
        int count = 0;
        for (int n = 1; n <= 26; ++n)
            count += colourOf(n) == colour;
        return count;
    }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
};

const QColor Yellow(255, 255, 0);
const QColor Green(0, 128, 0);

TEST_F(SetupWindowTest, ControlsSitAtTheirDesignPlaces)
{
    EXPECT_EQ(form1->windowTitle(), QStringLiteral("Определение твердости по Бринеллю"));
    EXPECT_EQ(form1->Label1->geometry(), QRect(554, 8, 280, 30));
    EXPECT_EQ(form1->Label2->geometry(), QRect(554, 40, 280, 30));
    EXPECT_EQ(form1->Edit1->geometry(), QRect(839, 8, 100, 30));
    EXPECT_EQ(form1->Edit2->geometry(), QRect(839, 40, 100, 30));
    EXPECT_EQ(form1->Button1->geometry(), QRect(560, 752, 561, 81));
    EXPECT_EQ(form1->Button2->geometry(), QRect(560, 848, 561, 81));
    EXPECT_EQ(form1->Label1->text(), QStringLiteral(" диаметр шарика индентора "));
    EXPECT_EQ(form1->Label2->text(), QStringLiteral(" нагрузка, кГс "));
    EXPECT_EQ(form1->Edit1->text(), "10");
    EXPECT_EQ(form1->Edit2->text(), "3000");
    EXPECT_EQ(form1->Button1->text(), QStringLiteral("Начать нагружение"));
    EXPECT_EQ(form1->Button2->text(), QStringLiteral("Завершить и выйти"));
    for (int n = 1; n <= 26; ++n) {
        const MaterialButtonPlace place = MaterialButtonPlaces[n - 1];
        EXPECT_EQ(radio(n)->geometry(), QRect(place.left, place.top, 50, 17)) << n;
        EXPECT_EQ(radio(n)->text(), " V");
        EXPECT_FALSE(radio(n)->accessibleName().isEmpty());
    }
    EXPECT_EQ(radio(12)->accessibleName(), QStringLiteral("сталь 45, улучшение"));
    EXPECT_EQ(form1->Label1->font().pixelSize(), 19);
    EXPECT_EQ(form1->Button1->font().pixelSize(), 32);
}

TEST_F(SetupWindowTest, AtStartNoMaterialIsCheckedAllAreYellowAndEdit1HasTenSelected)
{
    EXPECT_EQ(countColoured(Yellow), 26);
    for (int n = 1; n <= 26; ++n)
        EXPECT_FALSE(radio(n)->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), form1->Edit1);
    EXPECT_EQ(form1->Edit1->selectedText(), "10");
}

TEST_F(SetupWindowTest, AClickChecksAndColoursOneButtonAndAClickOnTheCheckedOneRunsNothing)
{
    QTest::mouseClick(radio(7), Qt::LeftButton);
    EXPECT_TRUE(radio(7)->isChecked());
    EXPECT_EQ(trialState.MaterialIndex, 7);
    EXPECT_EQ(colourOf(7), Green);
    EXPECT_EQ(countColoured(Yellow), 25);

    QTest::mouseClick(radio(3), Qt::LeftButton);
    EXPECT_FALSE(radio(7)->isChecked());
    EXPECT_EQ(colourOf(7), Yellow);
    EXPECT_EQ(colourOf(3), Green);
    EXPECT_EQ(trialState.Hardness, 612);

    trialState.MaterialIndex = 99; // a handler run would set it back to 3
    QTest::mouseClick(radio(3), Qt::LeftButton);
    EXPECT_EQ(trialState.MaterialIndex, 99);
}

TEST_F(SetupWindowTest, APressGivesFocusWithoutCheckingTheReleaseChecks)
{
    QTest::mousePress(radio(5), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), radio(5));
    EXPECT_FALSE(radio(5)->isChecked());
    EXPECT_EQ(trialState.MaterialIndex, 0);
    QTest::mouseRelease(radio(5), Qt::LeftButton);
    EXPECT_TRUE(radio(5)->isChecked());
    EXPECT_EQ(trialState.MaterialIndex, 5);
}

TEST_F(SetupWindowTest, TabVisitsTheCheckedRadioButtonOnly)
{
    const std::vector<QWidget*> withoutChoice{form1->Edit2, form1->Button1, form1->Button2,
                                              form1->Edit1};
    for (QWidget* expected : withoutChoice) {
        press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected);
    }
    QTest::mouseClick(radio(9), Qt::LeftButton);
    form1->Button1->setFocus();
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), radio(9));
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form1->Button2);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), radio(9));
}

TEST_F(SetupWindowTest, ArrowsOutsideTheEditsWalkEveryRadioButtonAndCheckIt)
{
    form1->Button1->setFocus();
    press(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), radio(1));
    EXPECT_EQ(trialState.MaterialIndex, 1);
    press(Qt::Key_Down);
    EXPECT_EQ(trialState.MaterialIndex, 2);
    EXPECT_EQ(colourOf(2), Green);
    press(Qt::Key_Left);
    EXPECT_EQ(trialState.MaterialIndex, 1);
    press(Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), form1->Button1);

    radio(26)->setFocus();
    press(Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), form1->Button2);
    press(Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), form1->Edit1);
    press(Qt::Key_Right); // moves the caret
    EXPECT_EQ(QApplication::focusWidget(), form1->Edit1);
}

TEST_F(SetupWindowTest, EnterPressesTheFocusedButtonOnlyAndEscapeNothing)
{
    QTest::mouseClick(radio(1), Qt::LeftButton);
    form1->Edit1->setFocus();
    const auto boxesFromEdit = AnswerModalBoxes([&] { press(Qt::Key_Return); });
    EXPECT_TRUE(boxesFromEdit.empty());
    EXPECT_EQ(trialState.BallDiameter, 0);
    EXPECT_FALSE(form2->isVisible());

    form1->Button1->setFocus();
    press(Qt::Key_Escape);
    EXPECT_FALSE(form2->isVisible());
    press(Qt::Key_Return);
    EXPECT_TRUE(form2->isVisible());
    EXPECT_NEAR(trialState.IndentDiameter, 4.3711, 0.00005);
}

TEST_F(SetupWindowTest, StartLoadingWithoutMaterialShowsOnlyTheNotice)
{
    form1->Edit1->setText("bad");
    const auto boxes = AnswerModalBoxes([&] { form1->Button1->click(); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Не выбран материал для испытания"));
    EXPECT_FALSE(boxes[0].hasStopIcon);
    EXPECT_FALSE(form2->isVisible());
}

TEST_F(SetupWindowTest, AFailedStartLoadingShowsTheMessageAndLeavesTheWindowAsItWas)
{
    QTest::mouseClick(radio(1), Qt::LeftButton);
    form1->Edit1->setText("1 0");
    const auto boxes = AnswerModalBoxes([&] { form1->Button1->click(); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "'1 0' is not a valid integer value.");
    EXPECT_TRUE(boxes[0].hasStopIcon);
    EXPECT_FALSE(form2->isVisible());
    EXPECT_EQ(form1->Edit1->text(), "1 0");
    EXPECT_TRUE(radio(1)->isChecked());
    EXPECT_EQ(colourOf(1), Green);
}

TEST_F(SetupWindowTest, ASmallWindowScrollsAndTheControlsKeepTheirPlaces)
{
    EXPECT_FALSE(form1->horizontalScrollBar()->isVisible());
    form1->resize(600, 400);
    QApplication::processEvents();
    EXPECT_TRUE(form1->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(form1->verticalScrollBar()->isVisible());
    form1->verticalScrollBar()->setValue(form1->verticalScrollBar()->maximum());
    EXPECT_EQ(form1->Button2->geometry(), QRect(560, 848, 561, 81));
    EXPECT_EQ(form1->Button2->mapTo(form1->client(), QPoint(0, 0)), QPoint(560, 848));
}

TEST_F(SetupWindowTest, MinimisingTheSetupWindowTakesTheTrialWindowAlong)
{
    QTest::mouseClick(radio(1), Qt::LeftButton);
    form1->Button1->click();
    ASSERT_TRUE(form2->isVisible());
    form1->showMinimized();
    EXPECT_FALSE(form2->isVisible());
    form1->showNormal();
    EXPECT_TRUE(form2->isVisible());
}

TEST_F(SetupWindowTest, AMillionCharacterFieldIsRefusedWithABoxThatFitsTheScreen)
{
    QTest::mouseClick(radio(1), Qt::LeftButton);
    const QString pasted(1'000'000, u'9');
    form1->Edit2->setText(pasted);
    EXPECT_EQ(form1->Edit2->text().size(), pasted.size());
    const auto boxes = AnswerModalBoxes([&] { form1->Button1->click(); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.endsWith("' is not a valid integer value."));
    EXPECT_LE(boxes[0].size.width(), QApplication::primaryScreen()->availableSize().width());
    EXPECT_EQ(trialState.BallDiameter, 10);
    EXPECT_FALSE(form2->isVisible());
}

} // namespace
