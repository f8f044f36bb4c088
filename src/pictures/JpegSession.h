#pragma once

// One libjpeg decompression of a picture held in memory. A fatal error of the library
// ends the step that met it and comes back as libjpeg's message code; warnings and
// trace messages are dropped, so damaged or cut-off data decodes as far as it goes.
// It neither reads files nor keeps pixels: the steps do that.

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE and size_t declared before it
#include <jpeglib.h>
#include <span>
#include <string>

class JpegSession {
public:
    // The code a step ends with when the picture has more scans than MaxScans: such a
    // file could keep the decoder busy for hours while staying under the file limit.
    static constexpr int TooManyScans = -1;
    static constexpr int MaxScans = 1000;

    // The data must outlive the session.
    explicit JpegSession(std::span<const unsigned char> data);
    ~JpegSession();
    JpegSession(const JpegSession&) = delete;
    JpegSession& operator=(const JpegSession&) = delete;

    // Points the decompressor at the data and reads the header up to the first scan,
    // then runs the step. Returns 0, or the code of the fault that ended them.
    //
    // A fault leaves by longjmp from inside libjpeg, which is C and cannot pass a C++
    // exception on safely, back to the setjmp here. Neither this function nor the
    // step may hold an object with a destructor while they call libjpeg, since the
    // jump would skip it; what the step writes must go to memory its caller owns.
    template <typename Step> int run(Step&& step)
    {
        if (setjmp(m_escape))
            return m_faultCode;
        jpeg_mem_src(&m_decompressor, m_data.data(), m_data.size());
        jpeg_read_header(&m_decompressor, TRUE);
        step(m_decompressor);
        return 0;
    }

    // The rows that the last step has read out of the decompressor.
    JDIMENSION rowsDelivered() const { return m_decompressor.output_scanline; }

    // "JPEG error #53", or the text of one of this session's own codes.
    static std::string FaultMessage(int code);

private:
    static void errorExit(j_common_ptr common);
    static void emitMessage(j_common_ptr common, int level);
    static void progress(j_common_ptr common);

    // libjpeg's callbacks find the session through the decompressor's client_data.
    jpeg_decompress_struct m_decompressor{};
    jpeg_error_mgr m_errors{};
    jpeg_progress_mgr m_progress{};
    std::span<const unsigned char> m_data;
    std::jmp_buf m_escape{};
    int m_faultCode = 0;
};
