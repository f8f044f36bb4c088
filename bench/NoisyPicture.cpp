#include "NoisyPicture.h"

#include <cmath>
#include <cstdio> // jpeglib.h needs FILE and size_t declared before it
#include <cstdlib>
#include <jpeglib.h>

namespace {

constexpr int Quality = 90;
// ± levels on each channel of each pixel: the grain of a photograph. The picture
// then takes about 2.2 bits a pixel at quality 90, as photographs do.
constexpr int NoiseAmplitude = 12;

unsigned char Clamp(double level)
{
    return static_cast<unsigned char>(std::lround(std::fmin(255, std::fmax(0, level))));
}

// A fixed-seed linear congruential generator: the picture is the same on every run.
class Noise {
public:
    int next()
    {
        m_state = m_state * 1103515245u + 12345u;
        return static_cast<int>((m_state >> 16) % (2 * NoiseAmplitude + 1)) - NoiseAmplitude;
    }

private:
    unsigned m_state = 1;
};

std::vector<unsigned char> Pixels(int width, int height)
{
    std::vector<unsigned char> rgb;
    rgb.reserve(std::size_t(width) * height * 3);
    Noise noise;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double u = double(x) / width;
            const double v = double(y) / height;
            const double wave = 40 * std::sin(x / 23.0) * std::cos(y / 17.0);
            rgb.push_back(Clamp(60 + 150 * u + wave + noise.next()));
            rgb.push_back(Clamp(200 - 120 * v + wave / 2 + noise.next()));
            rgb.push_back(Clamp(90 + 80 * u * v - wave + noise.next()));
        }
    }
    return rgb;
}

} // namespace

std::vector<unsigned char> NoisyJpeg(int width, int height, JpegCoding coding)
{
    const std::vector<unsigned char> rgb = Pixels(width, height);
    jpeg_compress_struct compressor{};
    jpeg_error_mgr errors{};
    // libjpeg's own error handler ends the run with its message; the encoder meets no
    // fault on pixels made here.
    compressor.err = jpeg_std_error(&errors);
    jpeg_create_compress(&compressor);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&compressor, &buffer, &size);
    compressor.image_width = static_cast<JDIMENSION>(width);
    compressor.image_height = static_cast<JDIMENSION>(height);
    compressor.input_components = 3;
    compressor.in_color_space = JCS_RGB;
    jpeg_set_defaults(&compressor);
    jpeg_set_quality(&compressor, Quality, TRUE);
    if (coding == JpegCoding::Progressive)
        jpeg_simple_progression(&compressor);
    jpeg_start_compress(&compressor, TRUE);
    while (compressor.next_scanline < compressor.image_height) {
        auto* row = const_cast<JSAMPLE*>(&rgb[std::size_t(compressor.next_scanline) * width * 3]);
        jpeg_write_scanlines(&compressor, &row, 1);
    }
    jpeg_finish_compress(&compressor);
    std::vector<unsigned char> jpeg(buffer, buffer + size);
    jpeg_destroy_compress(&compressor);
    std::free(buffer);
    return jpeg;
}
