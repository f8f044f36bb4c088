// Scheme files that go bad while the program runs: between two loads, the file the
// next load reads is replaced by each kind of bad file. The load that meets it reports
// once, or not at all where the file still loads, and the trial ends as usual.

#include "HardeningFixture.h"
#include "ModalBoxes.h"
#include "shell/HandlerGuard.h"
#include "windows/SpeedButton.h"

#include <QApplication>
#include <QDir>
#include <QImage>

#include <sys/stat.h>

namespace {

const QColor PaleGreen(192, 220, 192);

enum class BadKind { Missing, Empty, Png, CutBeforeFirstScan, CutInItsData, Directory, Fifo };

// What the scheme box shows once the bad file's load is over.
enum class Shows { PictureBefore, BadFile, Background };

struct BadFile {
    const char* name;
    BadKind kind;
    const char* message; // %1 is the file's full path; empty where no box opens
    Shows shows;
};

const BadFile BadFiles[] = {
    {"Missing", BadKind::Missing, "Cannot open file \"%1\". No such file or directory.",
     Shows::PictureBefore},
    // An empty file passes its load and fails at the first paint.
    {"Empty", BadKind::Empty, "JPEG error #42.", Shows::Background},
    {"Png", BadKind::Png, "JPEG error #53.", Shows::PictureBefore},
    // libjpeg's "missing SOS marker": the header has its frame but no scan after it.
    {"CutBeforeFirstScan", BadKind::CutBeforeFirstScan, "JPEG error #59.", Shows::PictureBefore},
    // The decoder completes a picture cut off in its data without a word.
    {"CutInItsData", BadKind::CutInItsData, "", Shows::BadFile},
    {"Directory", BadKind::Directory, "Cannot open file \"%1\". Is a directory.",
     Shows::PictureBefore},
    {"Fifo", BadKind::Fifo, "Cannot open file \"%1\". Not a regular file.", Shows::PictureBefore},
};

struct BadSchemeCase {
    int schemeNumber; // 2, loaded at tick 30, or 3, loaded at tick 60
    BadFile file;
};

class BadSchemeFileTest : public HardeningFixture,
                          public testing::WithParamInterface<BadSchemeCase> {
protected:
    void putInPlace(const char* fileName, BadKind kind)
    {
        const QString path = schemePath(fileName);
        const QByteArray picture = schemeBytes(fileName);
        // A scan starts with the marker FF DA; everything before it is the header.
        const qsizetype firstScan = picture.indexOf("\xFF\xDA");
        ASSERT_GT(firstScan, 0);
        removeScheme(fileName);
        switch (kind) {
        case BadKind::Missing:
            break;
        case BadKind::Empty:
            writeSchemeBytes(fileName, {});
            break;
        case BadKind::Png: {
            QImage png(100, 50, QImage::Format_RGB32);
            png.fill(Qt::yellow);
            ASSERT_TRUE(png.save(path, "PNG"));
            break;
        }
        case BadKind::CutBeforeFirstScan:
            writeSchemeBytes(fileName, picture.left(firstScan));
            break;
        case BadKind::CutInItsData:
            writeSchemeBytes(fileName, picture.left(firstScan + (picture.size() - firstScan) / 2));
            break;
        case BadKind::Directory:
            ASSERT_TRUE(QDir().mkdir(path));
            break;
        case BadKind::Fifo:
            ASSERT_EQ(::mkfifo(path.toLocal8Bit().constData(), 0600), 0);
            break;
        }
    }

    // Ticks as the timer would, each followed by the events it leaves, paints included.
    void runTicksTo(int tickCount)
    {
        while (trialState.TickCount < tickCount) {
            Guarded([this] { form2->Timer1Timer(); });
            QApplication::processEvents();
        }
    }
};

TEST_P(BadSchemeFileTest, ReportsOnceAtItsLoadAndTheTrialEndsAsUsual)
{
    const auto [schemeNumber, bad] = GetParam();
    const std::string fileName = "схема-" + std::to_string(schemeNumber) + ".jpg";
    const QColor before = schemeNumber == 2 ? QColor(Qt::red) : QColor(Qt::green);
    const QColor badPicture = schemeNumber == 2 ? QColor(Qt::green) : QColor(Qt::blue);
    const QColor shown = bad.shows == Shows::PictureBefore ? before
                         : bad.shows == Shows::BadFile     ? badPicture
                                                           : PaleGreen;
    const int loadingTick = schemeNumber == 2 ? 30 : 60;

    chooseMaterial(1);
    startLoading();
    clickStart();
    form2->Timer1.start();
    QColor shownAfterTheLoad;
    const auto boxes = AnswerModalBoxes([&] {
        runTicksTo(loadingTick - 15);
        putInPlace(fileName.c_str(), bad.kind);
        runTicksTo(loadingTick);
        shownAfterTheLoad = schemeColour();
        runTicksTo(60);
    });

    QString message = QString::fromUtf8(bad.message);
    message.replace("%1", schemePath(fileName.c_str()));
    ASSERT_EQ(boxes.size(), message.isEmpty() ? 0u : 1u);
    if (!message.isEmpty()) {
        EXPECT_EQ(boxes[0].text, message);
    }
    EXPECT_EQ(shownAfterTheLoad, shown);
    EXPECT_EQ(trialState.TickCount, 60);
    EXPECT_FALSE(trialState.Loading);
    EXPECT_FALSE(form2->Timer1.isActive());
    EXPECT_TRUE(form2->SpeedButton2->isVisible());
    EXPECT_EQ(schemeColour(), schemeNumber == 2 ? QColor(Qt::blue) : shown);
}

std::vector<BadSchemeCase> AllCases()
{
    std::vector<BadSchemeCase> cases;
    for (const int schemeNumber : {2, 3}) {
        for (const BadFile& file : BadFiles)
            cases.push_back({schemeNumber, file});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Kinds, BadSchemeFileTest, testing::ValuesIn(AllCases()),
                         [](const testing::TestParamInfo<BadSchemeCase>& info) {
                             return "Scheme" + std::to_string(info.param.schemeNumber) +
                                    info.param.file.name;
                         });

using EmptyFirstSchemeTest = HardeningFixture;

TEST_F(EmptyFirstSchemeTest, StartsTheTrialAndReportsOnceAtTheFirstPaint)
{
    writeSchemeBytes("схема-1.jpg", {});
    chooseMaterial(1);
    startLoading();
    clickStart();
    EXPECT_TRUE(trialState.Loading);
    EXPECT_FALSE(form2->SpeedButton1->isVisible());

    QColor shown;
    const auto firstPaint = AnswerModalBoxes([&] { shown = schemeColour(); });
    ASSERT_EQ(firstPaint.size(), 1u);
    EXPECT_EQ(firstPaint[0].text, "JPEG error #42.");
    EXPECT_EQ(shown, PaleGreen);

    const auto laterPaints = AnswerModalBoxes([&] {
        for (int tick = 1; tick <= 10; ++tick) {
            tickTo(tick);
            shown = schemeColour();
        }
    });
    EXPECT_TRUE(laterPaints.empty());
    EXPECT_EQ(shown, PaleGreen);

    tickTo(60);
    EXPECT_EQ(schemeColour(), QColor(Qt::blue));
}

} // namespace
