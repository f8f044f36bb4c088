#include "PictureFixtures.h"

#include <QBuffer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <stdexcept>

namespace {

constexpr unsigned char StartOfFrame0 = 0xC0;
constexpr unsigned char StartOfFrame1 = 0xC1;
constexpr unsigned char StartOfFrame2 = 0xC2;
constexpr unsigned char StartOfFrame9 = 0xC9;

// Inks as Adobe's programs store them, each inverted: red is no cyan, full magenta
// and yellow, no black, stored 255, 0, 0, 255.
std::vector<unsigned char> AdobeCmykRow(const QImage& picture, int y)
{
    std::vector<unsigned char> row;
    for (int x = 0; x < picture.width(); ++x) {
        const QColor colour = picture.pixelColor(x, y);
        const int white = std::max({colour.red(), colour.green(), colour.blue()});
        for (int channel : {colour.red(), colour.green(), colour.blue()})
            row.push_back(static_cast<unsigned char>(white == 0 ? 0 : channel * 255 / white));
        row.push_back(static_cast<unsigned char>(white));
    }
    return row;
}

std::vector<unsigned char> Row(const QImage& picture, int y, JpegKind kind)
{
    if (kind == JpegKind::Cmyk || kind == JpegKind::Ycck)
        return AdobeCmykRow(picture, y);
    std::vector<unsigned char> row;
    for (int x = 0; x < picture.width(); ++x) {
        const QColor colour = picture.pixelColor(x, y);
        if (kind == JpegKind::Greyscale) {
            row.push_back(static_cast<unsigned char>(qGray(colour.rgb())));
        } else {
            row.push_back(static_cast<unsigned char>(colour.red()));
            row.push_back(static_cast<unsigned char>(colour.green()));
            row.push_back(static_cast<unsigned char>(colour.blue()));
        }
    }
    return row;
}

std::size_t FrameOffset(const Bytes& jpeg)
{
    for (unsigned char code : {StartOfFrame0, StartOfFrame1, StartOfFrame2, StartOfFrame9}) {
        if (const std::size_t at = MarkerOffset(jpeg, code); at != jpeg.size())
            return at;
    }
    throw std::logic_error("no frame header");
}

} // namespace

Bytes EncodeJpeg(const QImage& picture, JpegKind kind)
{
    jpeg_compress_struct compressor{};
    jpeg_error_mgr errors{};
    compressor.err = jpeg_std_error(&errors);
    jpeg_create_compress(&compressor);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&compressor, &buffer, &size);
    compressor.image_width = static_cast<JDIMENSION>(picture.width());
    compressor.image_height = static_cast<JDIMENSION>(picture.height());
    const bool cmyk = kind == JpegKind::Cmyk || kind == JpegKind::Ycck;
    compressor.input_components = kind == JpegKind::Greyscale ? 1 : cmyk ? 4 : 3;
    compressor.in_color_space = kind == JpegKind::Greyscale ? JCS_GRAYSCALE
                                : cmyk                      ? JCS_CMYK
                                                            : JCS_RGB;
    jpeg_set_defaults(&compressor);
    if (kind == JpegKind::Ycck)
        jpeg_set_colorspace(&compressor, JCS_YCCK);
    jpeg_set_quality(&compressor, 100, TRUE);
    for (int c = 0; c < compressor.num_components; ++c) {
        compressor.comp_info[c].h_samp_factor = 1;
        compressor.comp_info[c].v_samp_factor = 1;
    }
    if (kind == JpegKind::Progressive)
        jpeg_simple_progression(&compressor);
    compressor.arith_code = kind == JpegKind::Arithmetic;
    jpeg_start_compress(&compressor, TRUE);
    for (int y = 0; y < picture.height(); ++y) {
        std::vector<unsigned char> row = Row(picture, y, kind);
        JSAMPROW pointer = row.data();
        jpeg_write_scanlines(&compressor, &pointer, 1);
    }
    jpeg_finish_compress(&compressor);
    jpeg_destroy_compress(&compressor);
    Bytes jpeg(buffer, buffer + size);
    std::free(buffer);
    return jpeg;
}

Bytes EncodePng(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return {bytes.begin(), bytes.end()};
}

QImage Filled(int width, int height, const QColor& colour)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

std::size_t MarkerOffset(const Bytes& jpeg, unsigned char code, int occurrence)
{
    for (std::size_t at = 0; at + 1 < jpeg.size(); ++at) {
        if (jpeg[at] == 0xFF && jpeg[at + 1] == code && occurrence-- == 0)
            return at;
    }
    return jpeg.size();
}

// A frame header: marker, length (2 bytes), precision, height (2), width (2), …
Bytes WithFrameSize(Bytes jpeg, int width, int height)
{
    const std::size_t frame = FrameOffset(jpeg);
    jpeg[frame + 5] = static_cast<unsigned char>(height >> 8);
    jpeg[frame + 6] = static_cast<unsigned char>(height);
    jpeg[frame + 7] = static_cast<unsigned char>(width >> 8);
    jpeg[frame + 8] = static_cast<unsigned char>(width);
    return jpeg;
}

Bytes WithPrecision(Bytes jpeg, int bits)
{
    jpeg[FrameOffset(jpeg) + 4] = static_cast<unsigned char>(bits);
    return jpeg;
}

// A scan header: marker, length (2 bytes), component count n, 2 bytes for each
// component, then the first and the last coefficient of the band.
Bytes WithBadSecondScan(Bytes progressive)
{
    const std::size_t scan = MarkerOffset(progressive, 0xDA, 1);
    const std::size_t band = scan + 5 + 2 * std::size_t{progressive[scan + 4]};
    progressive[band] = 63;
    progressive[band + 1] = 1;
    return progressive;
}

void WriteFile(const QString& path, const Bytes& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write " + path.toStdString());
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

testing::AssertionResult Near(const QColor& seen, const QColor& expected, int tolerance)
{
    if (std::abs(seen.red() - expected.red()) <= tolerance &&
        std::abs(seen.green() - expected.green()) <= tolerance &&
        std::abs(seen.blue() - expected.blue()) <= tolerance)
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "saw " << seen.name().toStdString() << ", expected " << expected.name().toStdString();
}
