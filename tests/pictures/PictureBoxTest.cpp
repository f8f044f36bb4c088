#include "pictures/PictureBox.h"
#include "ModalBoxes.h"
#include "PictureFixtures.h"
#include "TemporaryFolder.h"
#include "model/ProgramError.h"

#include <QPixmap>
#include <gtest/gtest.h>

#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>

namespace {

const QColor PaleGreen(192, 220, 192);
const QColor Red(220, 30, 30);
const QColor Blue(30, 30, 200);
const QColor Yellow(230, 230, 40);

// The window's pixel under a point given in the window's own coordinates, whatever
// the screen's device pixel ratio.
QColor Seen(const QImage& shot, int x, int y)
{
    const qreal ratio = shot.devicePixelRatio();
    return shot.pixelColor(int(x * ratio), int(y * ratio));
}

// A window of the program's background holding one box at (10, 10).
class PictureBoxTest : public TemporaryFolder {
protected:
    static constexpr int Left = 10;
    static constexpr int Top = 10;

    void SetUp() override
    {
        TemporaryFolder::SetUp();
        m_window.resize(1000, 400);
        QPalette palette = m_window.palette();
        palette.setColor(QPalette::Window, PaleGreen);
        m_window.setPalette(palette);
        m_window.setAutoFillBackground(true);
    }

    PictureBox* makeBox(int width, int height,
                        PictureBox::Fitting fitting = PictureBox::Fitting::NaturalSize)
    {
        auto* box = new PictureBox(&m_window, fitting);
        box->setGeometry(Left, Top, width, height);
        return box;
    }

    // A scheme box that has loaded a file of these bytes.
    PictureBox* schemeBoxLoading(const Bytes& jpeg)
    {
        WriteFile(pathOf("схема.jpg"), jpeg);
        PictureBox* box = makeBox(873, 249);
        box->LoadFromFile("схема.jpg");
        return box;
    }

    // A scheme box that shows a 300 × 200 picture of one colour, painted once.
    PictureBox* boxShowing(const QColor& colour)
    {
        PictureBox* box = schemeBoxLoading(EncodeJpeg(Filled(300, 200, colour)));
        shot();
        return box;
    }

    QImage shot() { return m_window.grab().toImage(); }

    // A point of the box, in the box's coordinates.
    QColor inBox(const QImage& shot, int x, int y) const { return Seen(shot, Left + x, Top + y); }

private:
    QWidget m_window;
};

// 1000 × 300: red where the scheme box can show it, yellow right of column 873 and
// blue below row 249, so that any of them seen tells how the box cut it.
QImage CutPicture()
{
    QImage picture = Filled(1000, 300, Red);
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 1000; ++x) {
            if (y >= 249)
                picture.setPixelColor(x, y, Blue);
            else if (x >= 873)
                picture.setPixelColor(x, y, Yellow);
        }
    }
    return picture;
}

TEST_F(PictureBoxTest, ALargerPictureShowsItsTopLeftPartClippedToTheBox)
{
    schemeBoxLoading(EncodeJpeg(CutPicture()));
    const QImage window = shot();
    EXPECT_TRUE(Near(inBox(window, 0, 0), Red));
    EXPECT_TRUE(Near(inBox(window, 870, 246), Red));
    EXPECT_TRUE(Near(inBox(window, 872, 248), Red));
    EXPECT_TRUE(Near(inBox(window, 873, 100), PaleGreen));
    EXPECT_TRUE(Near(inBox(window, 100, 249), PaleGreen));
}

TEST_F(PictureBoxTest, ASmallerPictureLeavesTheRestOfTheBoxToTheWindowBackground)
{
    schemeBoxLoading(EncodeJpeg(Filled(600, 200, Blue)));
    const QImage window = shot();
    EXPECT_TRUE(Near(inBox(window, 599, 199), Blue));
    EXPECT_TRUE(Near(inBox(window, 600, 0), PaleGreen));
    EXPECT_TRUE(Near(inBox(window, 0, 200), PaleGreen));
    EXPECT_TRUE(Near(inBox(window, 872, 248), PaleGreen));
}

TEST_F(PictureBoxTest, CoversTheSameWindowPixelsAtAnyDevicePixelRatio)
{
    schemeBoxLoading(EncodeJpeg(Filled(600, 200, Blue)));
    const QImage window = shot();
    const int ratio = int(window.devicePixelRatio());
    const QPoint end((Left + 600) * ratio, (Top + 200) * ratio);
    EXPECT_TRUE(Near(window.pixelColor(end.x() - 1, end.y() - 1), Blue));
    EXPECT_TRUE(Near(window.pixelColor(end.x(), end.y() - 1), PaleGreen));
    EXPECT_TRUE(Near(window.pixelColor(end.x() - 1, end.y()), PaleGreen));
    EXPECT_TRUE(Near(window.pixelColor(Left * ratio, Top * ratio), Blue));
    EXPECT_TRUE(Near(window.pixelColor(Left * ratio - 1, Top * ratio), PaleGreen));
}

TEST_F(PictureBoxTest, ProgressiveGreyscaleAndArithmeticFilesShowLikeBaselineOnes)
{
    const QColor grey(qGray(Red.rgb()), qGray(Red.rgb()), qGray(Red.rgb()));
    for (const auto& [kind, colour] :
         {std::pair{JpegKind::Progressive, Red}, std::pair{JpegKind::Greyscale, grey},
          std::pair{JpegKind::Arithmetic, Red}}) {
        PictureBox* box = schemeBoxLoading(EncodeJpeg(Filled(100, 50, Red), kind));
        const QImage window = shot();
        EXPECT_TRUE(Near(inBox(window, 99, 49), colour)) << int(kind);
        EXPECT_TRUE(Near(inBox(window, 100, 49), PaleGreen)) << int(kind);
        delete box;
    }
}

TEST_F(PictureBoxTest, TheIndenterSketchIsStretchedTo185By268AtTheTopLeft)
{
    WriteFile(pathOf("sketch.jpg"), EncodeJpeg(Filled(471, 683, Blue)));
    PictureBox* box = makeBox(185, 273, PictureBox::Fitting::Proportional);
    box->setBuiltInPicture(pathOf("sketch.jpg"));
    const QImage window = shot();
    EXPECT_TRUE(Near(inBox(window, 0, 0), Blue));
    EXPECT_TRUE(Near(inBox(window, 184, 267), Blue));
    EXPECT_TRUE(Near(inBox(window, 184, 268), PaleGreen));
    EXPECT_TRUE(Near(inBox(window, 0, 272), PaleGreen));
    EXPECT_TRUE(Near(inBox(window, 185, 0), PaleGreen));
}

// Squares of 8 × 8, which JPEG keeps flat, stretched 40 → 100: any blending of
// neighbours would show as a grey between black and white.
TEST_F(PictureBoxTest, StretchingRepeatsWholeRowsAndColumnsWithoutBlending)
{
    QImage board = Filled(40, 40, Qt::white);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            if ((x / 8 + y / 8) % 2 == 0)
                board.setPixelColor(x, y, Qt::black);
        }
    }
    WriteFile(pathOf("board.jpg"), EncodeJpeg(board));
    PictureBox* box = makeBox(100, 100, PictureBox::Fitting::Proportional);
    box->setBuiltInPicture(pathOf("board.jpg"));
    const QImage window = shot();
    int blended = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            const int grey = inBox(window, x, y).green();
            blended += grey > 24 && grey < 232;
        }
    }
    EXPECT_EQ(blended, 0);
    EXPECT_TRUE(Near(inBox(window, 19, 19), Qt::black));
    EXPECT_TRUE(Near(inBox(window, 20, 19), Qt::white));
}

TEST_F(PictureBoxTest, AResizedBoxStretchesThePictureToItsNewSize)
{
    WriteFile(pathOf("sketch.jpg"), EncodeJpeg(Filled(471, 683, Blue)));
    PictureBox* box = makeBox(185, 273, PictureBox::Fitting::Proportional);
    box->setBuiltInPicture(pathOf("sketch.jpg"));
    shot();
    box->resize(100, 273);
    const QImage window = shot();
    // 100 × 683 / 471 = 145.0
    EXPECT_TRUE(Near(inBox(window, 99, 144), Blue));
    EXPECT_TRUE(Near(inBox(window, 99, 145), PaleGreen));
}

TEST_F(PictureBoxTest, ABuiltInPictureIsReadOnlyAtTheFirstPaint)
{
    makeBox(873, 249)->setBuiltInPicture(pathOf("later.jpg"));
    WriteFile(pathOf("later.jpg"), EncodeJpeg(Filled(50, 50, Yellow)));
    QImage window;
    EXPECT_TRUE(AnswerModalBoxes([&] { window = shot(); }).empty());
    EXPECT_TRUE(Near(inBox(window, 49, 49), Yellow));
}

TEST_F(PictureBoxTest, AMissingBuiltInPictureIsReportedOnceAtTheFirstPaint)
{
    makeBox(873, 249)->setBuiltInPicture(pathOf("missing.jpg"));
    const auto boxes = AnswerModalBoxes([&] {
        shot();
        shot();
    });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Cannot read built-in picture \"" + pathOf("missing.jpg") +
                                 "\". No such file or directory.");
}

TEST_F(PictureBoxTest, AFailedLoadKeepsTheOldPictureOnShow)
{
    const Bytes png = EncodePng(Filled(50, 50, Blue));
    WriteFile(pathOf("png.jpg"), png);
    WriteFile(pathOf("схема-1.png"), png);
    struct Row {
        const char* name;
        std::string failure;
    };
    for (const Row& row : {Row{"нет.jpg", "Cannot open file \"" + workingDirectory() +
                                              "/нет.jpg\". No such file or directory"},
                           Row{"схема-1.png", "Unknown picture file extension (.png)"},
                           Row{"png.jpg", "JPEG error #53"}}) {
        PictureBox* box = boxShowing(Red);
        try {
            box->LoadFromFile(row.name);
            ADD_FAILURE() << row.name << " loaded";
        } catch (const ProgramError& failure) {
            EXPECT_EQ(failure.what(), row.failure);
        }
        EXPECT_TRUE(Near(inBox(shot(), 299, 199), Red)) << row.name;
        delete box;
    }
}

TEST_F(PictureBoxTest, AnEmptyFileLoadsReportsError42AtItsFirstPaintOnlyAndShowsNothing)
{
    PictureBox* box = boxShowing(Red);
    WriteFile(pathOf("пусто.jpg"), {});
    box->LoadFromFile("пусто.jpg");
    QImage window;
    const auto firstPaints = AnswerModalBoxes([&] {
        shot();
        window = shot();
    });
    ASSERT_EQ(firstPaints.size(), 1u);
    EXPECT_EQ(firstPaints[0].text, "JPEG error #42.");
    EXPECT_TRUE(Near(inBox(window, 0, 0), PaleGreen));
    EXPECT_TRUE(AnswerModalBoxes([&] { shot(); }).empty());
}

TEST_F(PictureBoxTest, AFileCutOffInItsDataShowsWithoutMessage)
{
    Bytes jpeg = EncodeJpeg(Filled(400, 200, Yellow));
    jpeg.resize(jpeg.size() / 2);
    schemeBoxLoading(jpeg);
    QImage window;
    EXPECT_TRUE(AnswerModalBoxes([&] { window = shot(); }).empty());
    EXPECT_TRUE(Near(inBox(window, 0, 0), Yellow));
    EXPECT_FALSE(Near(inBox(window, 399, 199), PaleGreen)) << "the lower part is decoded too";
}

TEST_F(PictureBoxTest, AFaultWhileDecodingIsReportedOnceAndTheUndecodedRowsShowTheBackground)
{
    WriteFile(pathOf("bad.jpg"),
              WithBadSecondScan(EncodeJpeg(Filled(100, 100, Red), JpegKind::Progressive)));
    PictureBox* box = boxShowing(Blue);
    box->LoadFromFile("bad.jpg");
    QImage window;
    const auto boxes = AnswerModalBoxes([&] {
        shot();
        window = shot();
    });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, QString("JPEG error #%1.").arg(JERR_BAD_PROGRESSION));
    EXPECT_TRUE(Near(inBox(window, 50, 50), PaleGreen));
}

} // namespace
