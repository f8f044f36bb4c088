#include "pictures/JpegPicture.h"

#include "model/ProgramError.h"
#include "pictures/JpegSession.h"

#include <cstddef>
#include <cstring>
#include <string>
#include <utility>

namespace {

bool IsCmyk(const jpeg_decompress_struct& decompressor)
{
    return decompressor.jpeg_color_space == JCS_CMYK || decompressor.jpeg_color_space == JCS_YCCK;
}

// libjpeg turns YCCK into CMYK but neither into RGB. CMYK JPEG files come from Adobe's
// programs, which store each ink inverted (255 for no ink), so a colour is its inverted
// ink times the inverted black: C = 255, K = 128 (no cyan, half black) gives 128.
void CmykToBgra(const unsigned char* cmyk, unsigned char* bgra, unsigned width)
{
    for (unsigned x = 0; x < width; ++x, cmyk += 4, bgra += 4) {
        for (int c = 0; c < 3; ++c)
            bgra[2 - c] = static_cast<unsigned char>(cmyk[c] * cmyk[3] / 255);
        bgra[3] = 255;
    }
}

// A session step: decodes every row into pixels, which has room for them. It holds
// nothing that needs destroying, as a fault may jump out of any libjpeg call here; the
// rows delivered before a fault are the decompressor's output_scanline.
void DecodeRows(jpeg_decompress_struct& decompressor, unsigned char* pixels)
{
    // libjpeg-turbo writes the 32-bit pixels itself, greyscale ones too.
    decompressor.out_color_space = IsCmyk(decompressor) ? JCS_CMYK : JCS_EXT_BGRA;
    decompressor.scale_num = 1;
    decompressor.scale_denom = 1;
    decompressor.do_fancy_upsampling = TRUE;
    decompressor.dct_method = JDCT_ISLOW;
    decompressor.quantize_colors = FALSE;
    jpeg_start_decompress(&decompressor);
    const unsigned width = decompressor.output_width;
    const std::size_t rowBytes = std::size_t{width} * DecodedPicture::BytesPerPixel;
    JSAMPARRAY cmykRow =
        decompressor.out_color_space == JCS_CMYK
            ? (*decompressor.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&decompressor),
                                                JPOOL_IMAGE, width * 4, 1)
            : nullptr;
    while (decompressor.output_scanline < decompressor.output_height) {
        unsigned char* target = pixels + decompressor.output_scanline * rowBytes;
        JSAMPROW row = cmykRow ? cmykRow[0] : target;
        if (jpeg_read_scanlines(&decompressor, &row, 1) != 1)
            return;
        if (cmykRow)
            CmykToBgra(row, target, width);
    }
}

} // namespace

JpegPicture::JpegPicture(std::vector<unsigned char> data) : m_data(std::move(data))
{
    if (m_data.empty())
        return;
    JpegHeader header;
    JpegSession session(m_data);
    const int fault = session.run([&header](const jpeg_decompress_struct& decompressor) {
        header = {
            static_cast<int>(decompressor.image_width), static_cast<int>(decompressor.image_height),
            decompressor.jpeg_color_space == JCS_GRAYSCALE, decompressor.progressive_mode != 0};
    });
    if (fault)
        throw ProgramError(JpegSession::FaultMessage(fault));
    if (std::int64_t{header.width} * header.height > MaxPixels)
        throw ProgramError("JPEG picture too large (" + std::to_string(header.width) + " x " +
                           std::to_string(header.height) + " pixels, at most " +
                           std::to_string(MaxPixels) + ")");
    m_header = header;
}

DecodedPicture JpegPicture::decode() const
{
    DecodedPicture picture;
    picture.width = m_header.width;
    picture.height = m_header.height;
    // The header was read from these same bytes, so the decoder meets the same size.
    const std::size_t rowBytes = std::size_t(picture.width) * DecodedPicture::BytesPerPixel;
    picture.pixels.reset(new unsigned char[rowBytes * picture.height]);
    JpegSession session(m_data);
    unsigned char* const pixels = picture.pixels.get();
    const int fault = session.run(
        [pixels](jpeg_decompress_struct& decompressor) { DecodeRows(decompressor, pixels); });
    picture.decodedRows = static_cast<int>(session.rowsDelivered());
    // Only the rows a fault left undecoded are cleared; the others were written whole.
    std::memset(pixels + rowBytes * picture.decodedRows, 0,
                rowBytes * (picture.height - picture.decodedRows));
    if (fault)
        picture.failure = JpegSession::FaultMessage(fault);
    return picture;
}
