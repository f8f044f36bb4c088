#pragma once

// A photo-like JPEG picture for the benchmarks: smooth colour gradients and soft
// waves under pixel noise, so that it compresses like a photograph and not like a
// flat drawing. The same arguments always give the same bytes.

#include <vector>

enum class JpegCoding { Baseline, Progressive };

// Quality 90 with libjpeg's default 2 × 2 chroma subsampling.
std::vector<unsigned char> NoisyJpeg(int width, int height, JpegCoding coding);
