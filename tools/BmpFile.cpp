#include "BmpFile.h"

#include "LittleEndian.h"
#include "OutputFile.h"

#include <stdexcept>

namespace {

constexpr std::uint32_t FileHeaderSize = 14;

// The picture's colours in the order they first occur, then black up to the size.
QList<QRgb> paletteOf(const QImage& picture, DibDepth depth)
{
    if (depth == DibDepth::Rgb24)
        return {};
    const qsizetype size = qsizetype(1) << int(depth);
    QList<QRgb> palette;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (const QRgb colour = picture.pixel(x, y) | 0xFF000000u; !palette.contains(colour))
                palette.append(colour);
    if (palette.size() > size)
        throw std::runtime_error("the picture has more colours than its bitmap depth holds");
    palette.resize(size, qRgb(0, 0, 0));
    return palette;
}

} // namespace

void WriteBmp(const QImage& picture, const QString& path, DibDepth depth)
{
    const QList<QRgb> palette = paletteOf(picture, depth);
    const QByteArray dib = EncodeDib(picture, depth, palette, DibMask::None);
    const std::uint32_t pixelsOffset = FileHeaderSize + 40 + std::uint32_t(palette.size()) * 4;

    QByteArray bytes("BM");
    AppendU32(bytes, FileHeaderSize + std::uint32_t(dib.size()));
    AppendU32(bytes, 0); // reserved
    AppendU32(bytes, pixelsOffset);
    bytes.append(dib);
    WriteOutputFile(path, bytes);
}
