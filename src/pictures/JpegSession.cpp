#include "pictures/JpegSession.h"

namespace {

JpegSession* SessionOf(j_common_ptr common)
{
    return static_cast<JpegSession*>(common->client_data);
}

} // namespace

JpegSession::JpegSession(std::span<const unsigned char> data) : m_data(data)
{
    m_decompressor.err = jpeg_std_error(&m_errors);
    m_errors.error_exit = &JpegSession::errorExit;
    m_errors.emit_message = &JpegSession::emitMessage;
    m_progress.progress_monitor = &JpegSession::progress;
    // jpeg_create_decompress cannot fail here: its only faults are a library of
    // another version, which the build rules out, and running out of memory for
    // its first pool, which ends the program anyway.
    jpeg_create_decompress(&m_decompressor);
    m_decompressor.client_data = this;
    m_decompressor.progress = &m_progress;
}

JpegSession::~JpegSession()
{
    jpeg_destroy_decompress(&m_decompressor);
}

std::string JpegSession::FaultMessage(int code)
{
    if (code == TooManyScans)
        return "JPEG picture with more than " + std::to_string(MaxScans) + " scans";
    return "JPEG error #" + std::to_string(code);
}

void JpegSession::errorExit(j_common_ptr common)
{
    JpegSession* session = SessionOf(common);
    session->m_faultCode = common->err->msg_code;
    std::longjmp(session->m_escape, 1);
}

void JpegSession::emitMessage(j_common_ptr, int) {}

void JpegSession::progress(j_common_ptr common)
{
    // Every session is a decompressor, so the common part is the start of one.
    const auto* decompressor = reinterpret_cast<j_decompress_ptr>(common);
    if (decompressor->input_scan_number <= MaxScans)
        return;
    JpegSession* session = SessionOf(common);
    session->m_faultCode = TooManyScans;
    std::longjmp(session->m_escape, 1);
}
