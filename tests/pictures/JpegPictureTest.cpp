#include "pictures/JpegPicture.h"
#include "PictureFixtures.h"
#include "model/ProgramError.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>
#include <string>

namespace {

const QColor Rose(200, 40, 90);

std::string LoadFailure(const Bytes& bytes)
{
    try {
        JpegPicture picture(bytes);
    } catch (const ProgramError& failure) {
        return failure.what();
    }
    return "";
}

QColor PixelOf(const DecodedPicture& picture, int x, int y)
{
    const unsigned char* bgra =
        &picture.pixels[(std::size_t(y) * picture.width + x) * DecodedPicture::BytesPerPixel];
    return {bgra[2], bgra[1], bgra[0]};
}

struct KindRow {
    const char* name;
    JpegKind kind;
    bool greyscale;
    bool progressive;
    QColor decoded;
};

class EveryKind : public testing::TestWithParam<KindRow> {};

TEST_P(EveryKind, HeaderTellsItsKindAndThePixelsComeBackInRgb)
{
    const KindRow& row = GetParam();
    const JpegPicture picture(EncodeJpeg(Filled(24, 16, Rose), row.kind));
    EXPECT_EQ(picture.header().width, 24);
    EXPECT_EQ(picture.header().height, 16);
    EXPECT_EQ(picture.header().greyscale, row.greyscale);
    EXPECT_EQ(picture.header().progressive, row.progressive);

    const DecodedPicture decoded = picture.decode();
    EXPECT_EQ(decoded.failure, "");
    ASSERT_EQ(decoded.decodedRows, 16);
    EXPECT_TRUE(Near(PixelOf(decoded, 0, 0), row.decoded, 4));
    EXPECT_TRUE(Near(PixelOf(decoded, 23, 15), row.decoded, 4));
}

const int RoseGrey = qGray(Rose.rgb());

INSTANTIATE_TEST_SUITE_P(
    JpegPicture, EveryKind,
    testing::Values(KindRow{"Baseline", JpegKind::Baseline, false, false, Rose},
                    KindRow{"Progressive", JpegKind::Progressive, false, true, Rose},
                    KindRow{"Greyscale", JpegKind::Greyscale, true, false,
                            QColor(RoseGrey, RoseGrey, RoseGrey)},
                    KindRow{"ArithmeticCoded", JpegKind::Arithmetic, false, false, Rose},
                    KindRow{"AdobeCmyk", JpegKind::Cmyk, false, false, Rose},
                    KindRow{"AdobeYcck", JpegKind::Ycck, false, false, Rose}),
    [](const auto& info) { return std::string(info.param.name); });

struct FaultRow {
    const char* name;
    Bytes bytes;
    std::string message;
};

void PrintTo(const FaultRow& row, std::ostream* out)
{
    *out << row.name;
}

class RefusedAtLoad : public testing::TestWithParam<FaultRow> {};

TEST_P(RefusedAtLoad, WithTheMessage)
{
    EXPECT_EQ(LoadFailure(GetParam().bytes), GetParam().message);
}

std::vector<FaultRow> LoadFaults()
{
    const Bytes baseline = EncodeJpeg(Filled(16, 16, Rose));
    const Bytes headerOnly(baseline.begin(),
                           baseline.begin() + std::ptrdiff_t(MarkerOffset(baseline, 0xDA)));
    const std::string tooLarge = "JPEG picture too large (";
    return {
        {"Png", EncodePng(Filled(8, 8, Rose)), "JPEG error #53"},
        {"Text", {'h', 'e', 'l', 'l', 'o', '\n'}, "JPEG error #53"},
        {"OneByte", {0xFF}, "JPEG error #53"},
        {"CutBeforeTheFirstScan", headerOnly, "JPEG error #" + std::to_string(JERR_SOF_NO_SOS)},
        {"TwelveBitSamples", WithPrecision(baseline, 12),
         "JPEG error #" + std::to_string(JERR_BAD_PRECISION)},
        {"OnePixelOverTheLimit", WithFrameSize(baseline, 4097, 4096),
         tooLarge + "4097 x 4096 pixels, at most 16777216)"},
        {"Declaring65000Square", WithFrameSize(baseline, 65000, 65000),
         tooLarge + "65000 x 65000 pixels, at most 16777216)"},
    };
}

INSTANTIATE_TEST_SUITE_P(JpegPicture, RefusedAtLoad, testing::ValuesIn(LoadFaults()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(JpegPicture, AnEmptyFileLoadsAndFailsWhenDecodedWithError42)
{
    const JpegPicture picture(Bytes{});
    EXPECT_EQ(picture.header().width, 0);
    const DecodedPicture decoded = picture.decode();
    EXPECT_EQ(decoded.failure, "JPEG error #42");
    EXPECT_EQ(decoded.decodedRows, 0);
}

TEST(JpegPicture, DataCutOffInTheMiddleDecodeWholeWithoutFault)
{
    Bytes jpeg = EncodeJpeg(Filled(64, 64, Rose));
    jpeg.resize(MarkerOffset(jpeg, 0xDA) + 40);
    const DecodedPicture decoded = JpegPicture(jpeg).decode();
    EXPECT_EQ(decoded.failure, "");
    EXPECT_EQ(decoded.decodedRows, 64);
    EXPECT_TRUE(Near(PixelOf(decoded, 0, 0), Rose, 4));
}

TEST(JpegPicture, APictureOfTheLargestSizeDecodesFromTheDataItHas)
{
    const Bytes jpeg = WithFrameSize(EncodeJpeg(Filled(16, 16, Rose)), 4096, 4096);
    const DecodedPicture decoded = JpegPicture(jpeg).decode();
    EXPECT_EQ(decoded.failure, "");
    EXPECT_EQ(decoded.width, 4096);
    EXPECT_EQ(decoded.decodedRows, 4096);
}

TEST(JpegPicture, AFaultInALaterScanComesFromTheDecodingNotTheLoad)
{
    const JpegPicture picture(
        WithBadSecondScan(EncodeJpeg(Filled(16, 16, Rose), JpegKind::Progressive)));
    const DecodedPicture decoded = picture.decode();
    EXPECT_EQ(decoded.failure, "JPEG error #" + std::to_string(JERR_BAD_PROGRESSION));
    EXPECT_EQ(decoded.decodedRows, 0);
}

TEST(JpegPicture, AFileOfEndlessScansIsStoppedAfterAThousand)
{
    const Bytes jpeg = EncodeJpeg(Filled(16, 16, Rose), JpegKind::Progressive);
    const auto first = jpeg.begin() + std::ptrdiff_t(MarkerOffset(jpeg, 0xDA, 0));
    const auto second = jpeg.begin() + std::ptrdiff_t(MarkerOffset(jpeg, 0xDA, 1));
    Bytes repeated(jpeg.begin(), second);
    for (int copy = 0; copy < 1000; ++copy)
        repeated.insert(repeated.end(), first, second);
    repeated.insert(repeated.end(), second, jpeg.end());
    const DecodedPicture decoded = JpegPicture(repeated).decode();
    EXPECT_EQ(decoded.failure, "JPEG picture with more than 1000 scans");
}

} // namespace
