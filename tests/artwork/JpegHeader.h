#pragma once

// The header facts of a JPEG file as libjpeg reads them, and the marker of its
// first frame, which tells a baseline file (SOF0) from the other kinds. It decodes
// no pixels; QImage does that in the tests.

#include <QByteArray>
#include <string>

struct JpegHeader {
    bool valid = false;
    std::string error;
    int width = 0;
    int height = 0;
    int components = 0;
    int bitsPerSample = 0;
    int frameMarker = 0; // 0xC0 for baseline, 0xC2 for progressive, …
};

JpegHeader ReadJpegHeader(const QByteArray& bytes);
