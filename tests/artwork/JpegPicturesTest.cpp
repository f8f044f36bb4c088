// The four built-in JPEG pictures, read from the resources as the windows read them,
// and the three sample scheme files: baseline JPEG, 8-bit samples, three components,
// at their sizes.

#include "FileBytes.h"
#include "JpegHeader.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <gtest/gtest.h>

namespace {

struct JpegPicture {
    const char* name;
    QString path;
    QSize size;
};

void PrintTo(const JpegPicture& picture, std::ostream* out)
{
    *out << picture.name;
}

class JpegPictureTest : public testing::TestWithParam<JpegPicture> {};

TEST_P(JpegPictureTest, IsABaselineColourJpegOfItsSize)
{
    const JpegPicture& picture = GetParam();
    const QByteArray bytes = FileBytes(picture.path);
    ASSERT_FALSE(bytes.isEmpty()) << "cannot read " << picture.path.toStdString();

    const JpegHeader header = ReadJpegHeader(bytes);
    ASSERT_TRUE(header.valid) << header.error;
    EXPECT_EQ(header.frameMarker, 0xC0) << "not baseline";
    EXPECT_EQ(header.components, 3);
    EXPECT_EQ(header.bitsPerSample, 8);
    EXPECT_EQ(QSize(header.width, header.height), picture.size);

    const QImage decoded = QImage::fromData(bytes, "JPG");
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded.size(), picture.size);
}

const QString Schemes = QStringLiteral(BRINELL_SCHEMES_DIR "/");

INSTANTIATE_TEST_SUITE_P(
    Pictures, JpegPictureTest,
    testing::Values(
        JpegPicture{"tester", QStringLiteral(":/pictures/tester.jpg"), QSize(620, 651)},
        JpegPicture{"indenter", QStringLiteral(":/pictures/indenter.jpg"), QSize(471, 683)},
        JpegPicture{"material_table", QStringLiteral(":/pictures/material-table.jpg"),
                    QSize(564, 654)},
        JpegPicture{"loading_scheme", QStringLiteral(":/pictures/loading-scheme.jpg"),
                    QSize(870, 232)},
        JpegPicture{"scheme_1", Schemes + QStringLiteral("схема-1.jpg"), QSize(870, 232)},
        JpegPicture{"scheme_2", Schemes + QStringLiteral("схема-2.jpg"), QSize(870, 232)},
        JpegPicture{"scheme_3", Schemes + QStringLiteral("схема-3.jpg"), QSize(870, 232)}),
    [](const testing::TestParamInfo<JpegPicture>& info) { return std::string(info.param.name); });

} // namespace

namespace {

// The baseline check above must be able to fail: a progressive file has another
// frame marker.
TEST(JpegHeaderTest, TellsAProgressiveFileFromABaselineOne)
{
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPG");
    writer.setProgressiveScanWrite(true);
    ASSERT_TRUE(writer.write(picture));

    const JpegHeader header = ReadJpegHeader(bytes);
    ASSERT_TRUE(header.valid) << header.error;
    EXPECT_EQ(header.frameMarker, 0xC2);
    EXPECT_EQ(QSize(header.width, header.height), QSize(64, 48));
}

TEST(JpegHeaderTest, RejectsBytesThatAreNoJpeg)
{
    EXPECT_FALSE(ReadJpegHeader(QByteArray("\x89PNG\r\n\x1a\n", 8)).valid);
    EXPECT_FALSE(ReadJpegHeader(QByteArray()).valid);
}

} // namespace
