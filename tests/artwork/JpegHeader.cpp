#include "JpegHeader.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf recovery;
    char message[JMSG_LENGTH_MAX];
};

void exitOnError(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    info->err->format_message(info, errors->message);
    std::longjmp(errors->recovery, 1);
}

// Walks the marker segments after the start of image up to the first frame header.
int firstFrameMarker(const QByteArray& bytes)
{
    const auto byte = [&](qsizetype at) { return at < bytes.size() ? int(uchar(bytes[at])) : -1; };
    qsizetype at = 2;
    while (byte(at) == 0xFF) {
        while (byte(at) == 0xFF)
            ++at;
        const int marker = byte(at);
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame)
            return marker;
        at += 1 + (byte(at + 1) << 8 | byte(at + 2));
    }
    return 0;
}

bool readHeader(const QByteArray& bytes, ErrorManager& errors, JpegHeader& header)
{
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = exitOnError;
    if (setjmp(errors.recovery)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    header.width = int(info.image_width);
    header.height = int(info.image_height);
    header.components = info.num_components;
    header.bitsPerSample = info.data_precision;
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

JpegHeader ReadJpegHeader(const QByteArray& bytes)
{
    JpegHeader header;
    ErrorManager errors{};
    header.valid = readHeader(bytes, errors, header);
    if (!header.valid)
        header.error = errors.message;
    else
        header.frameMarker = firstFrameMarker(bytes);
    return header;
}
