#pragma once

// Writes a picture as an uncompressed Windows bitmap file, bottom row first. For the
// 8-bit depth the palette holds the picture's own colours, padded to 256 entries.

#include "Dib.h"

#include <QString>

void WriteBmp(const QImage& picture, const QString& path, DibDepth depth);
