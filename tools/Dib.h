#pragma once

// Encodes a picture as a device-independent bitmap: the 40-byte information header,
// the palette and the pixel rows, bottom row first. A BMP file puts its file header
// in front of it, an icon file its directory; neither is written here.

#include <QImage>
#include <QList>

enum class DibDepth { Indexed4 = 4, Indexed8 = 8, Rgb24 = 24 };

// An icon image carries a 1-bit AND mask after its colours; all clear, it leaves
// every pixel opaque. The header then counts the colours and the mask in its height.
enum class DibMask { None, Opaque };

// palette: 16 or 256 colours for an indexed depth, every colour of the picture among
// them; empty for Rgb24.
QByteArray EncodeDib(const QImage& picture, DibDepth depth, const QList<QRgb>& palette,
                     DibMask mask);
