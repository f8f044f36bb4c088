// Runs under a real X server (xvfb-run) with the real 250 ms timer and the sample
// scheme pictures of schemes/, as a student would run the program.

#include "BothWindows.h"
#include "pictures/PictureBox.h"
#include "shell/TrialState.h"
#include "windows/SpeedButton.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class RealWindowTest : public testing::Test, protected BothWindows {
protected:
    RealWindowTest() { EXPECT_TRUE(QTest::qWaitForWindowExposed(form1.get())); }
    QImage screenshot(QWidget* window)
    {
        QApplication::processEvents();
        return window->screen()->grabWindow(0).toImage();
    }
};

TEST_F(RealWindowTest, TheSetupWindowOpensAtItsPlaceWithItsPicturesAndButtons)
{
    QTest::qWait(300); // the window takes its outer size once it has been framed
    EXPECT_EQ(form1->frameGeometry().topLeft(), QPoint(168, 12));
    EXPECT_EQ(form1->frameGeometry().size(), QSize(1154, 986));

    const QImage screen = screenshot(form1.get());
    const QPoint client = form1->client()->mapToGlobal(QPoint(0, 0));
    const auto at = [&](int x, int y) { return screen.pixelColor(client + QPoint(x, y)); };
    EXPECT_EQ(at(300, 660), QColor(192, 220, 192)); // under the photograph's bottom rows
    EXPECT_EQ(at(1030, 180), QColor(255, 255, 0));  // material button 1
    // The table's top grid line at picture row 7, i.e. window row 87.
    EXPECT_LT(at(552 + 100, 87).lightness(), 100);
    // A green cell of the table next to material button 2.
    const QColor cell = at(770 + 45, 196 + 20);
    EXPECT_GT(cell.green(), cell.red());
}

TEST_F(RealWindowTest, AWholeTrialWithTheRealTimer)
{
    ASSERT_TRUE(QFile::exists(QString::fromUtf8("схема-1.jpg")))
        << "run in the folder of the sample scheme pictures";
    QTest::mouseClick(form1->RadioButton(1), Qt::LeftButton);
    form1->Button1->click();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form2.get()));

    int ticksSeen = 0;
    QObject::connect(&form2->Timer1, &QTimer::timeout, [&] { ticksSeen += 1; });
    QElapsedTimer clock;
    QTest::mouseClick(form2->SpeedButton1, Qt::LeftButton);
    clock.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return form2->SpeedButton2->isVisible(); }, 30000));
    const qint64 elapsed = clock.elapsed();
    QTest::qWait(600);

    EXPECT_EQ(trialState.TickCount, 60);
    EXPECT_FALSE(trialState.Loading);
    EXPECT_FALSE(form2->Timer1.isActive());
    EXPECT_EQ(ticksSeen, 60); // no tick after the sixtieth
    RecordProperty("trial_ms", static_cast<int>(elapsed));
    std::printf("The trial took %lld ms.\n", static_cast<long long>(elapsed));
}

} // namespace
