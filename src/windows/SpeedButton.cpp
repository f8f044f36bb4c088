#include "windows/SpeedButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace {

constexpr int FrameWidth = 2;

// The glyph with every pixel of its bottom-left pixel's colour made transparent.
QImage WithTransparentColour(const QImage& picture)
{
    QImage glyph = picture.convertToFormat(QImage::Format_ARGB32);
    if (glyph.isNull())
        return glyph;
    const QRgb transparent = glyph.pixel(0, glyph.height() - 1);
    for (int y = 0; y < glyph.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(glyph.scanLine(y));
        for (int x = 0; x < glyph.width(); ++x)
            if (row[x] == transparent)
                row[x] = 0;
    }
    return glyph;
}

} // namespace

SpeedButton::SpeedButton(QWidget* parent, const QString& glyphPath)
    : QWidget(parent), m_glyphPath(glyphPath)
{
    setFocusPolicy(Qt::NoFocus);
}

const QImage& SpeedButton::glyph()
{
    if (m_glyph.isNull() && !m_glyphPath.isEmpty()) {
        m_glyph = WithTransparentColour(QImage(m_glyphPath));
        m_glyphPath.clear();
    }
    return m_glyph;
}

void SpeedButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QBrush face = palette().brush(QPalette::Button);
    qDrawWinButton(&painter, rect(), palette(), isSunken(), &face);

    const QImage& picture = glyph();
    // Centred inside the frame: x 8, y 4 in a 105 × 97 button.
    const int shift = isSunken() ? 1 : 0;
    const int x = FrameWidth + (width() - 2 * FrameWidth - picture.width() + 1) / 2 + shift;
    const int y = FrameWidth + (height() - 2 * FrameWidth - picture.height() + 1) / 2 + shift;
    painter.drawImage(x, y, picture);
}

void SpeedButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    m_pointerInside = true;
    update();
}

void SpeedButton::mouseMoveEvent(QMouseEvent* event)
{
    const bool inside = rect().contains(event->position().toPoint());
    if (m_pressed && inside != m_pointerInside) {
        m_pointerInside = inside;
        update();
    }
}

void SpeedButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    const bool inside = rect().contains(event->position().toPoint());
    m_pressed = false;
    m_pointerInside = false;
    update();
    if (inside)
        emit clicked();
}
