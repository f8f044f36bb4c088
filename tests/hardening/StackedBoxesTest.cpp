// Boxes opened from three handlers on top of one another: the notice box of a
// start-loading click, the error box of a failed tick-30 load opened from the ticks
// that go on inside it, and the error box of a failed START opened over both. The
// sequence must run to its end behind all three, and they close one at a time, the
// top one first, each leaving the others open.

#include "HardeningFixture.h"
#include "ModalBoxes.h"
#include "shell/HandlerGuard.h"
#include "view/TimeDial.h"
#include "windows/SpeedButton.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace {

struct OpenedBox {
    QPointer<QDialog> dialog;
    QString text;
};

QString TextOf(QDialog* dialog)
{
    if (auto* message = qobject_cast<QMessageBox*>(dialog))
        return message->text();
    auto* label = dialog->findChild<QLabel*>();
    return label ? label->text() : QString();
}

// The boxes on the screen, in the order they opened, noted each time it is asked.
class OpenBoxes {
public:
    std::vector<QDialog*> now()
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(window);
            const auto known = [dialog](const OpenedBox& box) { return box.dialog == dialog; };
            if (dialog && dialog->isVisible() && std::none_of(opened.begin(), opened.end(), known))
                opened.push_back({dialog, TextOf(dialog)});
        }
        std::vector<QDialog*> visible;
        for (const OpenedBox& box : opened) {
            if (box.dialog && box.dialog->isVisible())
                visible.push_back(box.dialog);
        }
        return visible;
    }

    std::vector<OpenedBox> opened;
};

using StackedBoxesTest = HardeningFixture;

TEST_F(StackedBoxesTest, BoxesOfThreeHandlersStackAndCloseInTurnWhileTheTrialRunsOn)
{
    // No material is chosen, so that a start-loading click still gives the notice box;
    // the trial window is shown directly for the same reason.
    form2->ShowTrial();
    clickStart();
    tickTo(28);
    removeScheme("схема-1.jpg");
    removeScheme("схема-2.jpg");

    OpenBoxes boxes;
    bool startClicked = false;
    int tickCountAtFirstClose = 0;
    std::vector<std::size_t> leftOpenAfterEachClose;
    QElapsedTimer sinceStart;
    sinceStart.start();
    QTimer script;
    script.setInterval(2);
    QObject::connect(&script, &QTimer::timeout, [&] {
        const std::vector<QDialog*> open = boxes.now();
        if (open.size() == 2 && !startClicked) {
            startClicked = true;
            // Input to the windows is blocked, so the click goes to the handler itself.
            Guarded([this] { form2->SpeedButton1Click(); });
            return;
        }
        // Should the ticks stop behind the boxes, the boxes close after a while all the
        // same, so that the test fails on the tick reached rather than hanging.
        const bool trialOver = !form2->Timer1.isActive() || sinceStart.hasExpired(60000);
        if (!startClicked || !trialOver || open.empty())
            return;
        if (leftOpenAfterEachClose.empty())
            tickCountAtFirstClose = trialState.TickCount;
        open.back()->accept();
        leftOpenAfterEachClose.push_back(boxes.now().size());
    });
    script.start();
    // The real timer, faster, so that ticks 29 to 60 come while the boxes are open.
    form2->Timer1.start(20);

    startLoading(); // returns once its notice box is closed, which is the last

    ASSERT_EQ(boxes.opened.size(), 3u);
    EXPECT_EQ(boxes.opened[0].text, "Не выбран материал для испытания");
    EXPECT_EQ(boxes.opened[1].text,
              "Cannot open file \"" + schemePath("схема-2.jpg") + "\". No such file or directory.");
    EXPECT_EQ(boxes.opened[2].text,
              "Cannot open file \"" + schemePath("схема-1.jpg") + "\". No such file or directory.");
    EXPECT_EQ(tickCountAtFirstClose, 60);
    EXPECT_EQ(leftOpenAfterEachClose, (std::vector<std::size_t>{2, 1, 0}));

    // Nothing of the trial was lost behind the boxes, and no box is left to come.
    EXPECT_TRUE(AnswerModalBoxes([] {}).empty());
    EXPECT_EQ(trialState.TickCount, 60);
    EXPECT_FALSE(trialState.Loading);
    EXPECT_EQ(trialState.DialLeadValue, 0);
    EXPECT_EQ(trialState.DialTickOffset, 30);
    ASSERT_EQ(form2->Chart1->points().size(), 3u);
    EXPECT_EQ(form2->Chart1->points()[2].value, 1170);
    EXPECT_FALSE(form2->SpeedButton1->isVisible());
    EXPECT_TRUE(form2->SpeedButton2->isVisible());
    EXPECT_EQ(schemeColour(), QColor(Qt::blue));
}

} // namespace
