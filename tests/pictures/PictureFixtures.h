#pragma once

// For the picture tests: JPEG files of each kind the decoder meets, written with
// libjpeg's compressor at full quality without chroma subsampling, so that flat areas
// come back within a step or two of their colour; the surgery on their bytes that
// makes the broken ones; and the comparison of colours that allows for the rest.

#include <QColor>
#include <QImage>
#include <QString>
#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

using Bytes = std::vector<unsigned char>;

enum class JpegKind { Baseline, Progressive, Greyscale, Arithmetic, Cmyk, Ycck };

Bytes EncodeJpeg(const QImage& picture, JpegKind kind = JpegKind::Baseline);
Bytes EncodePng(const QImage& picture);

// A picture of one colour.
QImage Filled(int width, int height, const QColor& colour);

// The offset of the occurrence-th marker 0xFF code (0 for the first).
std::size_t MarkerOffset(const Bytes& jpeg, unsigned char code, int occurrence = 0);

// The same file with its frame header declaring another size or sample precision;
// the data stay those of the original picture.
Bytes WithFrameSize(Bytes jpeg, int width, int height);
Bytes WithPrecision(Bytes jpeg, int bits);

// A progressive file with the spectral band of its second scan turned round, 63 down
// to 1: the header, read up to the first scan, is sound, and libjpeg stops at that scan.
Bytes WithBadSecondScan(Bytes progressive);

void WriteFile(const QString& path, const Bytes& bytes);

// Each channel within the tolerance.
testing::AssertionResult Near(const QColor& seen, const QColor& expected, int tolerance = 8);
