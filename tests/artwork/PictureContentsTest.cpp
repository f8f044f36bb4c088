// What the painted pictures show where their descriptions place it, sampled in
// colour classes loose enough for any font rendering and JPEG rounding.

#include "PixelColours.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>

namespace {

bool isPale(QRgb p)
{
    return qRed(p) >= 220 && qGreen(p) >= 220 && qBlue(p) >= 210;
}

// The laboratory's pale yellow-green walls: light, with less blue than green.
bool isWall(QRgb p)
{
    return qRed(p) >= 165 && qGreen(p) >= 175 && qBlue(p) <= qGreen(p) - 25 && qBlue(p) >= 110;
}

bool isGrey(QRgb p)
{
    const int low = std::min({qRed(p), qGreen(p), qBlue(p)});
    const int high = std::max({qRed(p), qGreen(p), qBlue(p)});
    return high - low <= 24 && low >= 60 && high <= 235;
}

bool isBeige(QRgb p)
{
    return qRed(p) >= 150 && qRed(p) >= qGreen(p) && qGreen(p) >= qBlue(p) + 20;
}

bool isTeal(QRgb p)
{
    return qGreen(p) >= qRed(p) + 50 && qBlue(p) >= qRed(p) + 50;
}

bool isOlive(QRgb p)
{
    return qRed(p) >= 110 && qGreen(p) >= 110 && qBlue(p) <= qGreen(p) - 30;
}

bool isBlue(QRgb p)
{
    return qBlue(p) >= 190 && qRed(p) <= 60 && qGreen(p) <= 60;
}

struct Place {
    const char* name;
    const char* picture;
    QPoint point;
    std::function<bool(QRgb)> looks;
};

void PrintTo(const Place& place, std::ostream* out)
{
    *out << place.name;
}

class PictureContentsTest : public testing::TestWithParam<Place> {};

TEST_P(PictureContentsTest, ShowsWhatIsDescribedThere)
{
    const Place& place = GetParam();
    const QImage picture(QString::fromLatin1(place.picture));
    ASSERT_FALSE(picture.isNull());
    const QRgb pixel = picture.pixel(place.point);
    EXPECT_TRUE(place.looks(pixel))
        << "colour (" << qRed(pixel) << ", " << qGreen(pixel) << ", " << qBlue(pixel) << ")";
}

constexpr const char* Tester = ":/pictures/tester.jpg";
constexpr const char* Indenter = ":/pictures/indenter.jpg";
constexpr const char* Scheme = ":/pictures/loading-scheme.jpg";

INSTANTIATE_TEST_SUITE_P(
    Pictures, PictureContentsTest,
    testing::Values(Place{"tester_pale_rectangle", Tester, {70, 55}, isPale},
                    Place{"tester_wall_above_the_machine", Tester, {300, 15}, isWall},
                    Place{"tester_wall_behind_the_spindle", Tester, {520, 160}, isWall},
                    Place{"tester_weights", Tester, {25, 300}, isGrey},
                    Place{"tester_column", Tester, {280, 420}, isGrey},
                    Place{"indenter_background", Indenter, {6, 6}, IsWhite},
                    Place{"indenter_shank", Indenter, {237, 60}, isBeige},
                    Place{"indenter_cone", Indenter, {237, 210}, isBeige},
                    Place{"indenter_ball", Indenter, {238, 325}, isBeige},
                    Place{"specimen_top_face", Indenter, {100, 385}, isGrey},
                    Place{"specimen_side", Indenter, {240, 550}, isGrey},
                    Place{"scheme_background", Scheme, {300, 100}, IsWhite},
                    Place{"scheme_specimen_top", Scheme, {160, 138}, isTeal},
                    Place{"scheme_short_lever", Scheme, {200, 17}, isOlive},
                    Place{"scheme_long_lever", Scheme, {600, 34}, isOlive},
                    Place{"scheme_hanger_block", Scheme, {800, 30}, isOlive},
                    Place{"scheme_cam", Scheme, {692, 60}, isOlive},
                    Place{"scheme_hanger_eye", Scheme, {802, 97}, IsWhite},
                    Place{"scheme_blue_rod", Scheme, {802, 140}, isBlue},
                    Place{"scheme_weight_plate_top", Scheme, {760, 159}, IsDark},
                    Place{"scheme_weight_plate_bottom", Scheme, {760, 213}, isPale},
                    Place{"scheme_switch_gap", Scheme, {359, 190}, IsWhite}),
    [](const testing::TestParamInfo<Place>& info) { return std::string(info.param.name); });

// The specimen lies in the light from above: its top face is lighter than its side,
// and the indentation in the face is darker than the face around it.
TEST(IndenterSketchTest, SpecimenIsLitFromAbove)
{
    const QImage sketch(QStringLiteral(":/pictures/indenter.jpg"));
    ASSERT_FALSE(sketch.isNull());
    EXPECT_GT(qGray(sketch.pixel(100, 385)), qGray(sketch.pixel(100, 520)) + 20);
    EXPECT_LT(qGray(sketch.pixel(240, 390)), qGray(sketch.pixel(150, 390)) - 30);
}

} // namespace
