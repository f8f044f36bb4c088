#include "ModalBoxes.h"
#include "model/ProgramError.h"
#include "shell/ApplicationTitle.h"
#include "shell/HandlerGuard.h"
#include "shell/NoticeBox.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

#include <cfenv>

namespace {

TEST(ApplicationTitle, FileNameUpToTheFirstDotCapitalised)
{
    EXPECT_EQ(TitleFromProgramPath("/usr/bin/brinell"), "Brinell");
    EXPECT_EQ(TitleFromProgramPath("/opt/x.y/BRINELL.bin.old"), "Brinell");
    EXPECT_EQ(TitleFromProgramPath("/tmp/простой"), "Простой");
    EXPECT_EQ(TitleFromProgramPath("/tmp/.hidden"), "");
}

TEST(HandlerGuard, TheErrorBoxOpensOnlyAfterTheHandlerHasReturned)
{
    bool boxOpenInsideHandler = true;
    const auto boxes = AnswerModalBoxes([&] {
        Guarded([] { throw ProgramError("Floating point division by zero"); });
        boxOpenInsideHandler = QApplication::activeModalWidget() != nullptr;
    });
    EXPECT_FALSE(boxOpenInsideHandler);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Floating point division by zero.");
    EXPECT_EQ(boxes[0].caption, ApplicationTitle());
    EXPECT_TRUE(boxes[0].hasStopIcon);
}

TEST(HandlerGuard, AMessageEndingInAFullStopGetsNoSecond)
{
    const auto boxes = AnswerModalBoxes([] { Guarded([] { throw ProgramError("Done."); }); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Done.");
}

TEST(HandlerGuard, AMillionCharacterMessageIsShortenedInTheMiddleToFitTheScreen)
{
    const std::string text(1'000'000, '7');
    const auto boxes = AnswerModalBoxes([&] {
        Guarded([&] { throw ProgramError("'" + text + "' is not a valid integer value"); });
    });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.startsWith("'777"));
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral(" … ")));
    EXPECT_TRUE(boxes[0].text.endsWith("' is not a valid integer value."));
    const QSize screen = QApplication::primaryScreen()->availableSize();
    EXPECT_LE(boxes[0].size.width(), screen.width());
    EXPECT_LE(boxes[0].size.height(), screen.height());
}

TEST(HandlerGuard, TimersGoOnBehindAnOpenBoxAndAFurtherFailureOpensAnotherBox)
{
    int ticks = 0;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        Guarded([&] {
            ticks += 1;
            if (ticks == 1 || ticks == 3)
                throw ProgramError("tick " + std::to_string(ticks));
        });
    });
    timer.start();
    const auto boxes = AnswerModalBoxes([] {}, 200);
    EXPECT_GT(ticks, 5);
    ASSERT_GE(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "tick 1.");
    EXPECT_EQ(boxes[1].text, "tick 3.");
}

TEST(HandlerGuard, ACaughtFailureClearsTheFloatingPointFlags)
{
    AnswerModalBoxes([] {
        Guarded([] {
            std::feraiseexcept(FE_DIVBYZERO | FE_INVALID);
            throw ProgramError("x");
        });
        EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);
    });
}

TEST(NoticeBox, CaptionedWithTheTitleWithoutIconAndClosedByItsButton)
{
    const auto boxes =
        AnswerModalBoxes([] { ShowMessage(QStringLiteral("Не выбран материал для испытания")); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Не выбран материал для испытания"));
    EXPECT_EQ(boxes[0].caption, ApplicationTitle());
    EXPECT_FALSE(boxes[0].hasStopIcon);
}

} // namespace
