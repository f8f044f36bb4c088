#pragma once

// Reads an icon file as Windows does, without Qt's image plugins: its directory and,
// for each image stored as an uncompressed bitmap, the colours and the AND mask.
// PNG-compressed icon images are not read.

#include <QByteArray>
#include <QImage>
#include <QList>

struct IconImage {
    int width = 0;        // from the directory entry
    int height = 0;       // from the directory entry
    int colourCount = 0;  // from the directory entry
    int bitsPerPixel = 0; // from the bitmap header
    bool opaque = false;  // every bit of the AND mask is clear
    QImage colours;       // the XOR bitmap's pixels, top row first
};

// Empty when the bytes are no icon file or an image lies outside them.
QList<IconImage> ReadIconFile(const QByteArray& bytes);
