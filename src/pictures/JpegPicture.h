#pragma once

// A JPEG picture as a load leaves it: the file's bytes and what their header says.
// It decodes its pixels when asked, with libjpeg's default settings, and keeps none
// of them itself; boxes, windows and files are not its business.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// All zero for an empty file, whose header is never read.
struct JpegHeader {
    int width = 0;
    int height = 0;
    bool greyscale = false;
    bool progressive = false;
};

// The pixels as decoded, 4 bytes B, G, R, 255 each (a 32-bit 0xFFRRGGBB on a
// little-endian machine, so a window can show them without a copy), row after row
// from the top. The first decodedRows rows hold the picture and the others zeros;
// failure is the message of the fault that stopped the decoding, or empty.
struct DecodedPicture {
    static constexpr int BytesPerPixel = 4;

    int width = 0;
    int height = 0;
    int decodedRows = 0;
    std::unique_ptr<unsigned char[]> pixels;
    std::string failure;
};

class JpegPicture {
public:
    // 4096 × 4096. A progressive picture needs about 2 bytes a pixel for each colour
    // component until its last scan, and every picture 3 bytes a pixel once decoded.
    static constexpr std::int64_t MaxPixels = std::int64_t{1} << 24;

    // Reads the header of a file's bytes. Throws ProgramError on a fault in the header
    // ("JPEG error #53" for data that is not JPEG) or for a picture over MaxPixels. An
    // empty file passes: it fails only when decoded, with "JPEG error #42".
    explicit JpegPicture(std::vector<unsigned char> data);

    const JpegHeader& header() const { return m_header; }

    // Decodes at full scale to 24-bit colour (in 32-bit pixels), greyscale and CMYK
    // pictures converted, with fancy upsampling and the accurate integer transform.
    DecodedPicture decode() const;

private:
    std::vector<unsigned char> m_data;
    JpegHeader m_header;
};
