#include "IcoFile.h"

#include "Dib.h"
#include "LittleEndian.h"
#include "OutputFile.h"

namespace {

constexpr std::uint32_t DirectoryHeaderSize = 6;
constexpr std::uint32_t DirectoryEntrySize = 16;

// The 16 colours of the classic display palette, in their customary order.
const QList<QRgb> StandardPalette = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

} // namespace

void WriteIco(const QList<QImage>& images, const QString& path)
{
    QByteArray directory;
    AppendU16(directory, 0); // reserved
    AppendU16(directory, 1); // an icon, not a cursor
    AppendU16(directory, std::uint16_t(images.size()));

    QByteArray data;
    std::uint32_t offset = DirectoryHeaderSize + DirectoryEntrySize * std::uint32_t(images.size());
    for (const QImage& image : images) {
        const QByteArray dib =
            EncodeDib(image, DibDepth::Indexed4, StandardPalette, DibMask::Opaque);
        directory.append(char(image.width()));
        directory.append(char(image.height()));
        directory.append(char(StandardPalette.size()));
        directory.append('\0');  // reserved
        AppendU16(directory, 1); // planes
        AppendU16(directory, 4); // bits per pixel
        AppendU32(directory, std::uint32_t(dib.size()));
        AppendU32(directory, offset);
        offset += std::uint32_t(dib.size());
        data.append(dib);
    }
    WriteOutputFile(path, directory + data);
}
