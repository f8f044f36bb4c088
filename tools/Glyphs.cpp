#include "Glyphs.h"

#include "PixelCanvas.h"

#include <algorithm>
#include <array>

namespace {

constexpr QSize GlyphSize(89, 89);

} // namespace

QImage StartGlyph()
{
    PixelCanvas glyph(GlyphSize, QColor(255, 255, 0));
    const QColor green(32, 192, 64);
    glyph.fillRing(QRectF(6, 6, 76, 77), 3, green);
    // Pixel centres inside this triangle make the left side the column x = 26 from
    // y = 25 to 64 and the tip the single pixel (64, 45).
    glyph.fillPolygon(QPolygonF({QPointF(26, 25), QPointF(65, 45.5), QPointF(26, 65)}), green);
    return glyph.image();
}

QImage MagnifyGlyph()
{
    PixelCanvas glyph(GlyphSize, QColor(255, 242, 0));
    const QColor blue(63, 72, 204);
    glyph.fillRing(QRectF(3, 3, 49, 48), 5, blue);
    glyph.fillPixels(14, 26, 40, 28, blue);
    glyph.fillPixels(26, 15, 28, 38, blue);
    glyph.fillStroke(QPointF(33, 49), QPointF(47.5, 84), 7, blue);
    // "×4", the magnification, to the right of the handle.
    glyph.fillStroke(QPointF(53.5, 38.5), QPointF(65.5, 49.5), 3, blue);
    glyph.fillStroke(QPointF(65.5, 38.5), QPointF(53.5, 49.5), 3, blue);
    glyph.fillPixels(78, 21, 80, 51, blue);
    glyph.fillStroke(QPointF(79.5, 22), QPointF(69.5, 42), 3, blue);
    glyph.fillPixels(68, 41, 85, 43, blue);
    return glyph.image();
}

QImage GridGlyph()
{
    PixelCanvas glyph(GlyphSize, QColor(255, 242, 0));
    const QColor red(237, 28, 36);
    // The last column stays 2 pixels wide: the glyph ends there.
    constexpr std::array columns = {4, 18, 31, 44, 57, 71, 87};
    constexpr std::array rows = {2, 14, 28, 40, 54, 68, 82};
    for (int x : columns)
        glyph.fillPixels(x, 0, std::min(x + 2, GlyphSize.width() - 1), GlyphSize.height() - 1, red);
    for (int y : rows)
        glyph.fillPixels(0, y, GlyphSize.width() - 1, y + 2, red);
    return glyph.image();
}
