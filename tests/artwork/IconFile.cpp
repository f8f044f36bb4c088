#include "IconFile.h"

namespace {

class LittleEndianReader {
public:
    explicit LittleEndianReader(const QByteArray& bytes) : m_bytes(bytes) {}
    bool has(qsizetype at, qsizetype size) const { return at >= 0 && at + size <= m_bytes.size(); }
    int u8(qsizetype at) const { return uchar(m_bytes[at]); }
    int u16(qsizetype at) const { return u8(at) | u8(at + 1) << 8; }
    qint64 u32(qsizetype at) const { return u16(at) | qint64(u16(at + 2)) << 16; }

private:
    const QByteArray& m_bytes;
};

int rowBytes(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// The bitmap of one image: header, palette, colour rows bottom up, then mask rows.
bool readBitmap(const LittleEndianReader& in, qsizetype at, IconImage& image)
{
    if (!in.has(at, 40))
        return false;
    const qsizetype headerSize = in.u32(at);
    const int width = int(in.u32(at + 4));
    const int height = int(in.u32(at + 8)) / 2; // colours and mask
    image.bitsPerPixel = in.u16(at + 14);
    if (image.bitsPerPixel > 8 || width <= 0 || height <= 0)
        return false;
    const int paletteSize = 1 << image.bitsPerPixel;
    const qsizetype palette = at + headerSize;
    const qsizetype colourRows = palette + 4 * paletteSize;
    const int colourStride = rowBytes(width, image.bitsPerPixel);
    const qsizetype maskRows = colourRows + qsizetype(colourStride) * height;
    const int maskStride = rowBytes(width, 1);
    if (!in.has(maskRows, qsizetype(maskStride) * height))
        return false;

    image.colours = QImage(width, height, QImage::Format_RGB32);
    const int perByte = 8 / image.bitsPerPixel;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int packed =
                in.u8(colourRows + qsizetype(height - 1 - y) * colourStride + x / perByte);
            const int shift = 8 - image.bitsPerPixel * (x % perByte + 1);
            const int index = packed >> shift & (paletteSize - 1);
            const qsizetype entry = palette + 4 * index;
            image.colours.setPixel(x, y, qRgb(in.u8(entry + 2), in.u8(entry + 1), in.u8(entry)));
        }
    image.opaque = true;
    for (qsizetype i = 0; i < qsizetype(maskStride) * height; ++i)
        image.opaque = image.opaque && in.u8(maskRows + i) == 0;
    return true;
}

} // namespace

QList<IconImage> ReadIconFile(const QByteArray& bytes)
{
    const LittleEndianReader in(bytes);
    if (!in.has(0, 6) || in.u16(0) != 0 || in.u16(2) != 1)
        return {};
    QList<IconImage> images;
    for (int i = 0; i < in.u16(4); ++i) {
        const qsizetype entry = 6 + 16 * i;
        if (!in.has(entry, 16))
            return {};
        IconImage image;
        // In the directory, 0 stands for 256.
        image.width = in.u8(entry) ? in.u8(entry) : 256;
        image.height = in.u8(entry + 1) ? in.u8(entry + 1) : 256;
        image.colourCount = in.u8(entry + 2);
        if (!readBitmap(in, in.u32(entry + 12), image))
            return {};
        images.append(image);
    }
    return images;
}
