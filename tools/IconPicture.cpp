#include "IconPicture.h"

#include "PixelCanvas.h"

namespace {

const QColor White(255, 255, 255);
const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);

QImage largeIcon()
{
    PixelCanvas icon(QSize(32, 32), White);
    icon.fillPixels(5, 1, 26, 2, Blue);
    icon.fillPixels(15, 3, 17, 26, Blue);
    // Painted after the stem, so the ring crosses it at its top and bottom.
    icon.fillRing(QRectF(5, 4, 22, 22), 2, Red);
    icon.fillPixels(5, 27, 26, 28, Blue);
    icon.fillPixels(1, 21, 2, 31, Blue);
    icon.fillPixels(29, 21, 30, 31, Blue);
    icon.fillPixels(1, 30, 30, 31, Blue);
    return icon.image();
}

QImage smallIcon()
{
    PixelCanvas icon(QSize(16, 16), White);
    icon.fillPixels(2, 1, 13, 1, Blue);
    icon.fillPixels(7, 2, 8, 11, Blue);
    icon.fillRing(QRectF(4, 3, 8, 8), 1, Red);
    icon.fillPixels(2, 12, 13, 12, Blue);
    icon.fillPixels(1, 11, 1, 14, Blue);
    icon.fillPixels(14, 11, 14, 14, Blue);
    icon.fillPixels(1, 14, 14, 14, Blue);
    return icon.image();
}

} // namespace

QList<QImage> IconImages()
{
    return {largeIcon(), smallIcon()};
}
