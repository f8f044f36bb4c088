#pragma once

// Writes a picture as a baseline JPEG file through libjpeg's compressor: 8-bit
// samples, three colour components, quality 90 and no chroma subsampling, so that
// thin lines and small coloured labels keep their colour.

#include <QImage>
#include <QString>

void WriteJpeg(const QImage& picture, const QString& path);
