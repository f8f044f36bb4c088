// The initial scheme and the three scheme files tell one trial: the drive's switch
// closes for loading and holding and opens again, and only after unloading does the
// lifted ball leave the indentation in view.

#include "PixelColours.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

enum class Switch { Open, Closed };
enum class Indentation { Hidden, Visible };

struct SchemeView {
    const char* name;
    QString path;
    Switch driveSwitch;
    Indentation indentation;
};

void PrintTo(const SchemeView& view, std::ostream* out)
{
    *out << view.name;
}

class SchemeStoryTest : public testing::TestWithParam<SchemeView> {};

// A pressed switch's bar lies on the circuit line across the gap at x 348 … 370;
// the indentation is the hollow under the ball, in the specimen's top at x = 104.
TEST_P(SchemeStoryTest, ShowsTheSwitchAndTheIndentationOfItsStage)
{
    const SchemeView& view = GetParam();
    const QImage scheme(view.path);
    ASSERT_FALSE(scheme.isNull()) << view.path.toStdString();
    EXPECT_EQ(IsDark(scheme.pixel(359, 188)), view.driveSwitch == Switch::Closed);
    EXPECT_EQ(IsWhite(scheme.pixel(104, 138)), view.indentation == Indentation::Visible);
}

const QString Schemes = QStringLiteral(BRINELL_SCHEMES_DIR "/");

INSTANTIATE_TEST_SUITE_P(
    Trial, SchemeStoryTest,
    testing::Values(SchemeView{"initial", QStringLiteral(":/pictures/loading-scheme.jpg"),
                               Switch::Open, Indentation::Hidden},
                    SchemeView{"loading", Schemes + QStringLiteral("схема-1.jpg"), Switch::Closed,
                               Indentation::Hidden},
                    SchemeView{"holding", Schemes + QStringLiteral("схема-2.jpg"), Switch::Closed,
                               Indentation::Hidden},
                    SchemeView{"unloaded", Schemes + QStringLiteral("схема-3.jpg"), Switch::Open,
                               Indentation::Visible}),
    [](const testing::TestParamInfo<SchemeView>& info) { return std::string(info.param.name); });

} // namespace

namespace {

// The first row of the upper weight plate's dark top edge, looked for down x = 760.
int weightTop(const QImage& scheme)
{
    for (int y = 140; y < scheme.height(); ++y)
        if (IsDark(scheme.pixel(760, y)))
            return y;
    return -1;
}

TEST(SchemeStoryTest, WeightsComeDownUnderLoadAndGoBackUp)
{
    const int initial = weightTop(QImage(QStringLiteral(":/pictures/loading-scheme.jpg")));
    const int holding = weightTop(QImage(Schemes + QStringLiteral("схема-2.jpg")));
    const int unloaded = weightTop(QImage(Schemes + QStringLiteral("схема-3.jpg")));
    EXPECT_NEAR(initial, 157, 1);
    EXPECT_GE(holding, initial + 5);
    EXPECT_NEAR(unloaded, initial, 1);
}

} // namespace
