#include "Shading.h"

#include <algorithm>
#include <random>
#include <vector>

namespace {

// One pass of a running-sum box blur over the rows of a premultiplied picture.
void blurRows(QImage& image, int radius)
{
    const int width = image.width();
    std::vector<int> sums(4 * std::size_t(width + 1));
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb p = row[x];
            for (int c = 0; c < 4; ++c)
                sums[4 * (x + 1) + c] = sums[4 * x + c] + int((p >> (8 * c)) & 0xFF);
        }
        for (int x = 0; x < width; ++x) {
            const int from = std::max(0, x - radius);
            const int to = std::min(width, x + radius + 1);
            QRgb blurred = 0;
            for (int c = 0; c < 4; ++c) {
                const int value = (sums[4 * to + c] - sums[4 * from + c]) / (2 * radius + 1);
                blurred |= QRgb(value) << (8 * c);
            }
            row[x] = blurred;
        }
    }
}

QImage transposed(const QImage& image)
{
    return image.transformed(QTransform(0, 1, 1, 0, 0, 0));
}

// Three box passes each way come close to a Gaussian blur.
void blur(QImage& image, int radius)
{
    for (int pass = 0; pass < 3; ++pass)
        blurRows(image, radius);
    image = transposed(image);
    for (int pass = 0; pass < 3; ++pass)
        blurRows(image, radius);
    image = transposed(image);
}

} // namespace

QLinearGradient RoundShade(QPointF from, QPointF to, QColor base)
{
    QLinearGradient shade(from, to);
    shade.setColorAt(0.0, base.darker(115));
    shade.setColorAt(0.22, base.lighter(135));
    shade.setColorAt(0.35, base.lighter(118));
    shade.setColorAt(0.75, base.darker(125));
    shade.setColorAt(0.92, base.darker(165));
    shade.setColorAt(1.0, base.darker(140));
    return shade;
}

QLinearGradient ChromeShade(QPointF from, QPointF to)
{
    QLinearGradient shade(from, to);
    shade.setColorAt(0.0, QColor(120, 124, 122));
    shade.setColorAt(0.12, QColor(236, 240, 236));
    shade.setColorAt(0.2, QColor(255, 255, 255));
    shade.setColorAt(0.3, QColor(170, 176, 172));
    shade.setColorAt(0.48, QColor(82, 86, 84));
    shade.setColorAt(0.6, QColor(190, 196, 188));
    shade.setColorAt(0.78, QColor(120, 126, 122));
    shade.setColorAt(0.9, QColor(54, 56, 56));
    shade.setColorAt(1.0, QColor(100, 104, 102));
    return shade;
}

void DrawSoftShadow(QPainter& painter, const QPainterPath& path, int blurRadius, QColor colour)
{
    const int margin = 3 * blurRadius + 2;
    const QRect bounds =
        path.boundingRect().toAlignedRect().adjusted(-margin, -margin, margin, margin);
    QImage shadow(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    shadow.fill(Qt::transparent);
    {
        QPainter shadowPainter(&shadow);
        shadowPainter.setRenderHint(QPainter::Antialiasing);
        shadowPainter.translate(-bounds.topLeft());
        shadowPainter.fillPath(path, colour);
    }
    blur(shadow, blurRadius);
    painter.drawImage(bounds.topLeft(), shadow);
}

void DrawMottle(QPainter& painter, const QRect& area, int alpha)
{
    std::mt19937 random(7u);
    std::uniform_int_distribution<int> shade(0, 2 * alpha);
    QImage patches(area.width() / 40 + 2, area.height() / 40 + 2, QImage::Format_ARGB32);
    for (int y = 0; y < patches.height(); ++y)
        for (int x = 0; x < patches.width(); ++x) {
            const int value = shade(random) - alpha;
            patches.setPixel(x, y,
                             value > 0 ? qRgba(255, 255, 240, value) : qRgba(40, 50, 10, -value));
        }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(area), patches);
    painter.restore();
}

namespace {

// One [1 2 1] / 4 pass along the rows.
void softenRows(QImage& picture)
{
    const int width = picture.width();
    std::vector<QRgb> source(static_cast<std::size_t>(width));
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        std::copy(row, row + width, source.begin());
        for (int x = 0; x < width; ++x) {
            const QRgb left = source[std::size_t(std::max(0, x - 1))];
            const QRgb right = source[std::size_t(std::min(width - 1, x + 1))];
            const QRgb middle = source[std::size_t(x)];
            const auto mix = [&](int shift) {
                const auto channel = [shift](QRgb p) { return int(p >> shift & 0xFF); };
                return (channel(left) + 2 * channel(middle) + channel(right) + 2) / 4;
            };
            row[x] = qRgb(mix(16), mix(8), mix(0));
        }
    }
}

} // namespace

void MakePhotographic(QImage& picture, int grain)
{
    softenRows(picture);
    picture = transposed(picture);
    softenRows(picture);
    picture = transposed(picture).convertToFormat(QImage::Format_RGB32);

    std::mt19937 random(20240611u);
    std::uniform_int_distribution<int> noise(-grain, grain);
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            // The same grain on all three channels, as in the luminance of a film.
            const int g = noise(random);
            const auto add = [g](int value) { return std::clamp(value + g, 0, 255); };
            row[x] = qRgb(add(qRed(row[x])), add(qGreen(row[x])), add(qBlue(row[x])));
        }
    }
}
