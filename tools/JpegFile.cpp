#include "JpegFile.h"

#include "OutputFile.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include <jpeglib.h>

namespace {

constexpr int Quality = 90;

// libjpeg reports a fatal error by calling error_exit, which must not return: it
// jumps back to encode(), which owns nothing that needs a destructor.
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

// Compresses rgb (Format_RGB888) into a buffer that libjpeg allocates with malloc;
// returns false with the message in errors on failure.
bool encode(const QImage& rgb, ErrorManager& errors, unsigned char** buffer, unsigned long* size)
{
    jpeg_compress_struct info;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = exitOnError;
    if (setjmp(errors.recovery)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, Quality, TRUE);
    for (int component = 0; component < info.num_components; ++component) {
        info.comp_info[component].h_samp_factor = 1;
        info.comp_info[component].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPLE*>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

void WriteJpeg(const QImage& picture, const QString& path)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    ErrorManager errors{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (!encode(rgb, errors, &buffer, &size)) {
        std::free(buffer);
        throw std::runtime_error("cannot compress " + path.toStdString() + ": " + errors.message);
    }
    const QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    WriteOutputFile(path, bytes);
}
