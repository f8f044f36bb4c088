#include "Dib.h"

#include "LittleEndian.h"

#include <stdexcept>

namespace {

constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t PixelsPerMetre = 3780; // 96 pixels per inch

// Rows of a bitmap are padded to whole 32-bit words.
int rowBytes(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

int paletteIndex(const QList<QRgb>& palette, QRgb colour)
{
    const qsizetype index = palette.indexOf(colour | 0xFF000000u);
    if (index < 0)
        throw std::runtime_error("a colour of the picture is missing from its palette");
    return int(index);
}

QByteArray colourRow(const QImage& picture, int y, DibDepth depth, const QList<QRgb>& palette)
{
    QByteArray row(rowBytes(picture.width(), int(depth)), '\0');
    for (int x = 0; x < picture.width(); ++x) {
        const QRgb colour = picture.pixel(x, y);
        switch (depth) {
        case DibDepth::Rgb24:
            row[3 * x] = char(qBlue(colour));
            row[3 * x + 1] = char(qGreen(colour));
            row[3 * x + 2] = char(qRed(colour));
            break;
        case DibDepth::Indexed8:
            row[x] = char(paletteIndex(palette, colour));
            break;
        case DibDepth::Indexed4:
            // The left pixel of each pair sits in the high nibble.
            row[x / 2] = char(row[x / 2] | paletteIndex(palette, colour) << (x % 2 ? 0 : 4));
            break;
        }
    }
    return row;
}

} // namespace

QByteArray EncodeDib(const QImage& picture, DibDepth depth, const QList<QRgb>& palette,
                     DibMask mask)
{
    const qsizetype paletteSize = depth == DibDepth::Rgb24 ? 0 : qsizetype(1) << int(depth);
    if (palette.size() != paletteSize)
        throw std::runtime_error("the palette does not match the bitmap depth");

    const int width = picture.width();
    const int height = picture.height();
    const int maskRowBytes = mask == DibMask::Opaque ? rowBytes(width, 1) : 0;
    const int heightFactor = mask == DibMask::Opaque ? 2 : 1;

    QByteArray bytes;
    AppendU32(bytes, InfoHeaderSize);
    AppendU32(bytes, std::uint32_t(width));
    AppendU32(bytes, std::uint32_t(height * heightFactor));
    AppendU16(bytes, 1); // planes
    AppendU16(bytes, std::uint16_t(depth));
    AppendU32(bytes, 0); // no compression
    AppendU32(bytes, std::uint32_t((rowBytes(width, int(depth)) + maskRowBytes) * height));
    AppendU32(bytes, PixelsPerMetre);
    AppendU32(bytes, PixelsPerMetre);
    AppendU32(bytes, std::uint32_t(paletteSize)); // colours used
    AppendU32(bytes, 0);                          // all colours important
    for (QRgb colour : palette) {
        bytes.append(char(qBlue(colour)));
        bytes.append(char(qGreen(colour)));
        bytes.append(char(qRed(colour)));
        bytes.append('\0');
    }
    for (int y = height - 1; y >= 0; --y)
        bytes.append(colourRow(picture, y, depth, palette));
    bytes.append(QByteArray(maskRowBytes * height, '\0'));
    return bytes;
}
